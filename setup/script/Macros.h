// Lookups the macros and the installer share: shell folders from the registry with their
// defaults, registry strings with a fallback, and short path names.
#pragma once

#include "platform/registry/Registry.h"

#include <string>
#include <string_view>

namespace setup {

// The default, unless the key opens and holds a value readable as a string.
std::string ReadRegString(plat::RootKey root, std::string_view key, std::string_view name,
                          std::string_view fallback);

// The 8.3 form of an existing file or folder (at most 255 characters); empty when it does not exist.
std::string ShortPath(std::string_view path);

// Shell folders without trailing backslash; `windowsDir` and `systemDir` are the installation's.
std::string GetDesktopDir(const std::string& windowsDir);
std::string GetStartMenuDir(const std::string& windowsDir);
std::string GetProgramsDir(const std::string& windowsDir);
std::string GetProgramFilesDir(const std::string& windowsDir);
std::string GetCommonFilesDir(const std::string& windowsDir);
std::string GetFontsDir(const std::string& systemDir);

// `base` + "\" + name, the backslash only when base does not end with one.
std::string JoinPath(std::string_view base, std::string_view name);

} // namespace setup
