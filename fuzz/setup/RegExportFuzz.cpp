// Registry exports as the parameter editor imports them: any bytes decode without a NUL reaching
// the lines.
#include "setup/editor/RegExport.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : setup::RegExportLines(bytes))
        if (line.find('\0') != std::string::npos)
            std::abort();
    return 0;
}
