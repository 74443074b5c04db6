#include "setup/install/DiskSpace.h"

#include "platform/files/Files.h"

#include <cctype>

namespace setup {

std::string FormatNumber(const std::string& pattern, int64_t number) {
    std::string text = pattern;
    size_t at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

std::optional<std::string> DiskSpaceError(const std::string& destination, int64_t requiredKb,
                                          const std::string& pattern, const DiskFreeFunction& diskFree) {
    const bool driveForm = destination.size() >= 3 && std::isalpha(static_cast<unsigned char>(destination[0])) &&
                           destination[1] == ':' && destination[2] == '\\';
    const std::string root = driveForm ? destination.substr(0, 3) : std::string();
    const int64_t freeBytes = !driveForm ? -1 : diskFree ? diskFree(root) : plat::DiskFree(root);
    if (freeBytes >= 0 && freeBytes / 1024 >= requiredKb)
        return std::nullopt;
    return FormatNumber(pattern, requiredKb);
}

} // namespace setup
