#include "designer/shell/RegImport.h"

#include "designer/shell/Settings.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Numeric.h"
#include "platform/files/Files.h"
#include "platform/registry/RegExportLines.h"
#include "platform/registry/Registry.h"

#include <string>
#include <vector>

namespace {

// Value of one character of a "hex:" item: digits and letters A-F in either case, 0 otherwise.
int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

// Each comma-separated item gives one byte from its first two characters, so "7" is 0x70 and an
// item of two non-digits is 0x00. An empty list gives no bytes.
std::string HexBytes(std::string_view list) {
    std::string bytes;
    if (list.empty())
        return bytes;
    size_t start = 0;
    while (true) {
        const size_t comma = list.find(',', start);
        const std::string_view item = list.substr(start, comma == std::string_view::npos ? list.npos : comma - start);
        const int high = item.empty() ? 0 : HexValue(item[0]);
        const int low = item.size() < 2 ? 0 : HexValue(item[1]);
        bytes += static_cast<char>(high * 16 + low);
        if (comma == std::string_view::npos)
            return bytes;
        start = comma + 1;
    }
}

size_t SkipSpaces(std::string_view line, size_t at) {
    while (at < line.size() && line[at] == ' ')
        ++at;
    return at;
}

class Importer {
public:
    void Line(std::string_view line) {
        if (line.empty())
            return;
        if (line[0] == '[')
            KeyLine(line);
        else if (line[0] == '"')
            ValueLine(line);
    }

private:
    void KeyLine(std::string_view line) {
        line.remove_prefix(1);
        if (!line.empty() && line.back() == ']')
            line.remove_suffix(1);
        const size_t slash = line.find('\\');
        const std::string_view rootWord = line.substr(0, slash);
        const std::string_view rest = slash == std::string_view::npos ? std::string_view() : line.substr(slash);
        reg_.CloseKey();
        reg_.SetRootKey(plat::RootKeyFromName(rootWord).value_or(plat::RootKey::CurrentUser));
        open_ = reg_.OpenKey(rest.empty() ? std::string_view("\\") : rest, /*canCreate=*/true);
    }

    void ValueLine(std::string_view line) {
        const size_t nameEnd = line.find('"', 1);
        if (nameEnd == std::string_view::npos)
            return;
        const std::string name(line.substr(1, nameEnd - 1));
        size_t at = SkipSpaces(line, nameEnd + 1);
        if (at >= line.size() || line[at] != '=')
            return;
        at = SkipSpaces(line, at + 1);
        const std::string_view rest = line.substr(at);
        if (!rest.empty() && rest[0] == '"') {
            const size_t close = rest.find('"', 1);
            const std::string_view text = rest.substr(1, close == std::string_view::npos ? rest.npos : close - 1);
            RequireKey(name);
            reg_.WriteString(name, text);
            return;
        }
        if (rest.substr(0, 4) == "hex:") {
            const std::string bytes = HexBytes(rest.substr(4));
            RequireKey(name);
            reg_.WriteBinaryData(name, bytes.data(), static_cast<int>(bytes.size()));
        }
    }

    // Before any key line there is no key to write into: the registry refuses the value.
    void RequireKey(const std::string& name) {
        if (!open_)
            throw plat::ERegistryException(plat::FormatMessage("Failed to set data for '%s'", name));
    }

    plat::TRegistry reg_{plat::RootKey::CurrentUser};
    bool open_ = false;
};

} // namespace

void ImportRegText(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    Importer importer;
    for (const std::string& line : plat::JoinContinuedHexLines(lines))
        importer.Line(line);
    plat::RegistryFlush();
}

void ImportRegFile(std::string_view path) { ImportRegText(plat::ReadFileBytes(path)); }

bool IsFirstRun() {
    // Read as every integer setting is: a decimal or "0x" string, or a DWORD value written by
    // hand or by another tool. Taking a DWORD for "absent" would import the defaults over the
    // child's saved outfits on every start.
    plat::TRegIniFile ini(kProductKey);
    return ini.ReadInteger("", "DefaultSlot", -1) < 0;
}

void ImportDefaultsOnFirstRun() {
    if (IsFirstRun())
        ImportRegFile(DataFile("Resource\\velmora.reg"));
}
