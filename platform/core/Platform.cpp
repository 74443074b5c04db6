#include "platform/core/Platform.h"

#include <chrono>
#include <cstdlib>
#include <random>

namespace plat {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

namespace {

std::string HomeFolder() { return EnvOr("HOME", "/tmp"); }

Platform* g_installed = nullptr;

} // namespace

std::string Platform::DataHomeFolder() const { return EnvOr("XDG_DATA_HOME", HomeFolder() + "/.local/share"); }

std::string Platform::PrefixFolder() const { return EnvOr("VERTALIS_PREFIX", DataHomeFolder() + "/vertalis"); }

std::string Platform::DocumentsFolder() const { return EnvOr("XDG_DOCUMENTS_DIR", HomeFolder() + "/Documents"); }

uint64_t Platform::TickCount() const {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int64_t Platform::Now() const {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

uint32_t Platform::Random(uint32_t range) {
    static std::mt19937 generator{std::random_device{}()};
    if (range == 0)
        return 0;
    return std::uniform_int_distribution<uint32_t>(0, range - 1)(generator);
}

bool Platform::RequestReboot() { return std::system("systemctl reboot") == 0; }

Platform& Platform::Current() {
    static Platform system;
    return g_installed ? *g_installed : system;
}

Platform* Platform::Install(Platform* platform) {
    Platform* previous = g_installed;
    g_installed = platform;
    return previous;
}

} // namespace plat
