// dlopen/dlsym of a library's registration function.
#include "platform/shell/Library.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"

#include <dlfcn.h>

namespace plat {

RegisterResult CallRegisterServer(std::string_view winPath) {
    if (!FileExists(winPath))
        return RegisterResult::NotLoaded;
    std::string host;
    try {
        host = HostPath(winPath);
    } catch (const Exception&) {
        return RegisterResult::NotLoaded;
    }
    void* handle = dlopen(host.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return RegisterResult::NotLoaded;
    using RegisterFunction = int32_t (*)();
    auto function = reinterpret_cast<RegisterFunction>(dlsym(handle, "DllRegisterServer"));
    RegisterResult result = RegisterResult::NoEntry;
    if (function) {
        function();
        result = RegisterResult::Called;
    }
    dlclose(handle);
    return result;
}

} // namespace plat
