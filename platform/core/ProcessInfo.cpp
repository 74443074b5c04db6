// ProcessInfo from Linux's /proc; see ProcessInfo.h.
#include "platform/core/ProcessInfo.h"

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace plat {

int64_t MsSinceProcessStart() {
    // Field 22 of /proc/self/stat is the start time in clock ticks after boot; the comm field
    // (2) may hold blanks, so counting starts after its closing parenthesis.
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), {});
    const size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index < 22)
            continue;
        const long ticks = sysconf(_SC_CLK_TCK);
        timespec now{};
        if (ticks <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
            return -1;
        const int64_t startedMs = std::stoll(field) * 1000 / ticks;
        const int64_t nowMs = static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
        return nowMs - startedMs;
    }
    return -1;
}

int64_t ResidentMemoryKb() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stoll(line.substr(6));
    }
    return -1;
}

} // namespace plat
