// Feeds arbitrary text to the first-run registry importer: it must either import or raise one of
// the system's errors, never crash, and never grow without bound across inputs.
#include "designer/shell/RegImport.h"
#include "platform/core/Exceptions.h"
#include "platform/registry/Registry.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool prefixReady = [] {
        std::string prefix = "/tmp/velmora-fuzz-reg-import-" + std::to_string(getpid());
        setenv("VERTALIS_PREFIX", prefix.c_str(), 1);
        return true;
    }();
    (void)prefixReady;
    plat::RegistryReset();
    try {
        ImportRegText(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const plat::Exception&) {
        // a refused value or an unwritable file is a defined outcome
    }
    return 0;
}
