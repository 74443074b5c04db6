// The version resource reader on arbitrary bytes.
#include "platform/shell/FileVersion.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    plat::ReadFileVersion(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
