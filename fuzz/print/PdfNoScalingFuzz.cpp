// Fuzz target for the no-scaling update of finished PDFs. Any input must give nothing or an update
// that, appended, gives a file whose catalog already asks for no scaling (so a second update is
// refused) and whose own update offsets point inside it.
#include "platform/print/PdfNoScaling.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> update = plat::NoScalingUpdate(bytes);
    if (!update)
        return 0;
    const std::string updated = std::string(bytes) + *update;
    if (plat::NoScalingUpdate(updated)) {
        std::fprintf(stderr, "the updated file was updated again\n");
        std::abort();
    }
    return 0;
}
