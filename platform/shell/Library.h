// Loading a shared library and calling its registration function, "DllRegisterServer".
#pragma once

#include <string_view>

namespace plat {

enum class RegisterResult { NotLoaded, NoEntry, Called };

// Loads the library at a Windows path with dlopen, calls its "DllRegisterServer" (a function
// without arguments returning a 32-bit status) when it exports one, and unloads it. A file that
// is no loadable library for this host gives NotLoaded.
RegisterResult CallRegisterServer(std::string_view winPath);

} // namespace plat
