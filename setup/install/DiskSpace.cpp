#include "setup/install/DiskSpace.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"

namespace setup {

std::string FormatNumberMessage(const std::string& pattern, int64_t number) {
    std::string text = pattern;
    const size_t at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

std::string DiskSpaceProblem(const SetupParams& main, const std::string& destination, int64_t requiredKb) {
    int64_t freeBytes = -1;
    try {
        freeBytes = plat::DiskFree(destination);
    } catch (const plat::Exception&) {
        freeBytes = -1;
    }
    if (freeBytes >= 0 && requiredKb <= freeBytes / 1024)
        return {};
    return FormatNumberMessage(main.Text("ErrorDiskSpace"), requiredKb);
}

} // namespace setup
