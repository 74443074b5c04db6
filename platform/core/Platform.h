// Everything the platform layer takes from the machine that a test must control goes through this
// one interface: the prefix folder, the screen's depth and resolution, the clock, the random
// generator, the reboot request. Production code uses the system implementation; tests install a
// fake with Platform::Install and get the previous one back when the guard ends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace plat {

class Platform {
public:
    virtual ~Platform() = default;

    // Host folder of the Windows prefix (drive_c, dosdevices, registry files).
    virtual std::string PrefixFolder() const;
    // Folder for files the user keeps (the PDF printer's output): $XDG_DOCUMENTS_DIR or ~/Documents.
    virtual std::string DocumentsFolder() const;
    // Folder for per-user data files ($XDG_DATA_HOME or ~/.local/share).
    virtual std::string DataHomeFolder() const;

    virtual int ScreenBitsPerPixel() const { return 32; }
    virtual int ScreenPlanes() const { return 1; }
    virtual int ScreenPixelsPerInch() const { return 96; }

    // Milliseconds since an arbitrary start; never goes backwards.
    virtual uint64_t TickCount() const;
    // Seconds since 1970 in local time's calendar, for file times and dates shown to the user.
    virtual int64_t Now() const;
    // A number in [0, range); range 0 gives 0.
    virtual uint32_t Random(uint32_t range);

    // Asks the machine to restart; returns false when that was refused.
    virtual bool RequestReboot();

    static Platform& Current();
    // Makes `platform` current and returns the one it replaces (null when the default was current).
    static Platform* Install(Platform* platform);
};

// Installs a platform for the lifetime of the guard.
class PlatformGuard {
public:
    explicit PlatformGuard(Platform& platform) : previous_(Platform::Install(&platform)) {}
    ~PlatformGuard() { Platform::Install(previous_); }
    PlatformGuard(const PlatformGuard&) = delete;
    PlatformGuard& operator=(const PlatformGuard&) = delete;

private:
    Platform* previous_;
};

// Environment variable with a fallback for unset or empty values.
std::string EnvOr(const char* name, const std::string& fallback);

} // namespace plat
