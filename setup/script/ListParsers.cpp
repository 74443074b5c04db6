// Line parsers of the file, shortcut and registry lists.
#include "setup/script/ListParsers.h"

#include "platform/core/Numeric.h"
#include "platform/text/Cp1251.h"

namespace setup {

namespace {

bool SkippedLine(std::string_view line) {
    return line.empty() || line[0] == ';' || line.find('=') == line.npos;
}

std::string Cut(std::string_view text) {
    return std::string(text.substr(0, kMaxListField));
}

} // namespace

std::optional<FileLine> ParseFileLine(std::string_view line) {
    if (SkippedLine(line))
        return std::nullopt;
    size_t eq = line.find('=');
    FileLine entry;
    entry.Source = std::string(line.substr(0, eq));
    std::string_view rest = line.substr(eq + 1);
    if (!rest.empty() && rest[0] == '=') {
        entry.Recursive = true;
        rest.remove_prefix(1);
    }
    entry.Destination = Cut(rest);
    return entry;
}

std::optional<ShortcutLine> ParseShortcutLine(std::string_view line) {
    if (SkippedLine(line))
        return std::nullopt;
    size_t eq = line.find('=');
    return ShortcutLine{std::string(line.substr(0, eq)), Cut(line.substr(eq + 1))};
}

ShortcutFields SplitShortcutFields(std::string_view expanded) {
    std::string* fields[4];
    ShortcutFields result;
    fields[0] = &result.Target;
    fields[1] = &result.WorkingDir;
    fields[2] = &result.Arguments;
    fields[3] = &result.IconFile;
    size_t index = 0;
    size_t start = 0;
    for (size_t i = 0; i <= expanded.size() && index < 4; ++i) {
        if (i < expanded.size() && expanded[i] != ',')
            continue;
        *fields[index++] = std::string(expanded.substr(start, i - start));
        start = i + 1;
    }
    return result;
}

RegLine ParseRegLine(std::string_view line) {
    RegLine result;
    if (line.empty() || line[0] == ' ' || line[0] == ';')
        return result;
    if (line[0] == '[') {
        result.Kind = RegLineKind::Section;
        size_t slash = line.find('\\');
        // A section line without "\" has no key path; it names no key and leaves the current one.
        if (slash == line.npos) {
            result.Kind = RegLineKind::Skip;
            return result;
        }
        result.Root = plat::RootKeyFromName(plat::UpperCase(line.substr(1, slash - 1)));
        result.KeyPath = std::string(line.substr(slash, line.size() - 1 - slash));
        return result;
    }
    size_t eq = line.find('=');
    std::string_view name = line.substr(0, eq);
    if (!name.empty() && name.front() == '"')
        name.remove_prefix(1);
    if (!name.empty() && name.back() == '"')
        name.remove_suffix(1);
    result.Name = std::string(name);
    std::string_view value = eq == line.npos ? std::string_view() : line.substr(eq + 1);
    result.Kind = RegLineKind::Ignored;
    if (!value.empty() && value[0] == '"') {
        value.remove_prefix(1);
        if (!value.empty() && value.back() == '"')
            value.remove_suffix(1);
        result.Kind = RegLineKind::StringValue;
        result.Text = std::string(value);
        return result;
    }
    if (!value.empty() && value[0] == 'h') {
        result.Kind = RegLineKind::BinaryValue;
        size_t colon = value.find(':');
        std::string_view items = colon == value.npos ? std::string_view() : value.substr(colon + 1);
        size_t start = 0;
        for (size_t i = 0; i <= items.size() && result.Bytes.size() < kMaxRegBinary; ++i) {
            if (i < items.size() && items[i] != ',')
                continue;
            std::string_view item = items.substr(start, i - start);
            start = i + 1;
            if (item.empty())
                continue;
            if (item[0] == '$')
                item.remove_prefix(1);
            int number = 0;
            if (!item.empty() && item[0] != '-' && item[0] != '+' && item[0] != ' ')
                number = plat::StrToIntDef("$" + std::string(item), 0);
            result.Bytes.push_back(static_cast<char>(number & 0xFF));
        }
    }
    return result;
}

std::vector<std::string> SplitCommands(std::string_view text) {
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ';')
            continue;
        if (i > start)
            words.emplace_back(text.substr(start, i - start));
        start = i + 1;
    }
    return words;
}

} // namespace setup
