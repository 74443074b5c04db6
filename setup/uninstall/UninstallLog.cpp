#include "setup/uninstall/UninstallLog.h"

#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"

#include <algorithm>
#include <cctype>

namespace setup {

namespace {

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && plat::SameText(text.substr(0, prefix.size()), prefix);
}

std::string LineProblem(std::string_view line, bool afterKey) {
    if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return plat::Ru("управляющий символ");
    if (StartsWithText(line, kLogKeyPrefix))
        return line.size() > kLogKeyPrefix.size() ? "" : plat::Ru("пустой раздел реестра");
    if (StartsWithText(line, kLogValuePrefix))
        return afterKey ? "" : plat::Ru("значение без раздела реестра");
    if (StartsWithText(line, kLogCountedPrefix))
        line.remove_prefix(kLogCountedPrefix.size());
    return IsAbsoluteWinPath(line) ? "" : plat::Ru("не полный путь");
}

} // namespace

bool IsAbsoluteWinPath(std::string_view path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           path[2] == '\\';
}

std::variant<std::vector<std::string>, UninstallLogProblem> ParseUninstallLog(std::string_view text,
                                                                            std::string_view logPath) {
    std::vector<std::string> entries;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        entries.emplace_back(line);
        start = end + 1;
    }
    if (entries.size() < 2 || !IsAbsoluteWinPath(entries.front()) ||
        !plat::SameText(plat::ExtractFileName(entries.front()), "dummy"))
        return UninstallLogProblem{1, plat::Ru("нет папки установки")};
    if (!plat::SameText(entries.back(), logPath))
        return UninstallLogProblem{entries.size(), plat::Ru("журнал обрывается")};
    bool afterKey = false;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (std::string problem = LineProblem(entries[i], afterKey); !problem.empty())
            return UninstallLogProblem{i + 1, problem};
        afterKey = afterKey || StartsWithText(entries[i], kLogKeyPrefix);
    }
    return entries;
}

} // namespace setup
