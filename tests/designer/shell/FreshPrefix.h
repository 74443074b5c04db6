// Gives each test an empty prefix: no registry in memory or on disk, no cached paths.
#pragma once

#include "platform/core/Platform.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"

#include <filesystem>

inline void UseFreshPrefix() {
    plat::RegistryReset();
    std::filesystem::remove_all(plat::Platform::Current().PrefixFolder());
    plat::ResetPathCache();
}
