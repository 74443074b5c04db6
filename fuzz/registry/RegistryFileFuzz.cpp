// Fuzz target for the registry-export reader. Any input must either raise RegistryFileError or
// give a tree; a tree written back as text must read back to the same text (the writer and the
// reader agree on every name and value the reader can produce).
#include "platform/registry/RegistryFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    plat::RegistryTree tree;
    try {
        tree = plat::ReadRegistryText(bytes, "fuzz.reg", plat::RootSet::All());
    } catch (const plat::RegistryFileError&) {
        return 0;
    }
    const std::string text = plat::WriteRegistryText(tree, plat::RootSet::All());
    try {
        const std::string again = plat::WriteRegistryText(
            plat::ReadRegistryText(text, "written.reg", plat::RootSet::All()), plat::RootSet::All());
        if (again != text) {
            std::fprintf(stderr, "written text does not read back the same:\n%s\n---\n%s\n", text.c_str(),
                         again.c_str());
            std::abort();
        }
    } catch (const plat::RegistryFileError& error) {
        std::fprintf(stderr, "written text does not read back: %s\n%s\n", error.what(), text.c_str());
        std::abort();
    }
    return 0;
}
