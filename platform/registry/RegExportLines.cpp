#include "platform/registry/RegExportLines.h"

namespace plat {

namespace {

bool EndsInBackslash(std::string_view line) { return !line.empty() && line.back() == '\\'; }

std::string_view WithoutLeadingBlanks(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    return line;
}

} // namespace

bool IsHexValueLine(std::string_view line) {
    size_t equals = line.npos;
    if (!line.empty() && line.front() == '"') {
        const size_t close = line.find('"', 1);
        if (close != line.npos)
            equals = line.find('=', close + 1);
    } else {
        equals = line.find('=');
    }
    if (equals == line.npos)
        return false;
    const std::string_view data = WithoutLeadingBlanks(line.substr(equals + 1));
    return data.size() >= 3 && (data[0] == 'h' || data[0] == 'H') && (data[1] == 'e' || data[1] == 'E') &&
           (data[2] == 'x' || data[2] == 'X');
}

std::vector<std::string> JoinContinuedHexLines(const std::vector<std::string>& lines) {
    std::vector<std::string> joined;
    joined.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (IsHexValueLine(line)) {
            while (EndsInBackslash(line) && i + 1 < lines.size()) {
                line.pop_back();
                line += WithoutLeadingBlanks(lines[++i]);
            }
        }
        joined.push_back(std::move(line));
    }
    return joined;
}

} // namespace plat
