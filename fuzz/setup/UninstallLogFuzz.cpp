// The uninstall log: any bytes either parse into entries that keep the log's promises or are
// refused with a line inside the text.
#include "setup/uninstall/UninstallLog.h"

#include <cstdint>
#include <cstdlib>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view logPath = "C:\\Program Files\\Velmora\\Velmora.isu";
    auto parsed = setup::ParseUninstallLog(text, logPath);
    if (const auto* entries = std::get_if<std::vector<std::string>>(&parsed)) {
        if (entries->size() < 2 || entries->back().size() != logPath.size())
            std::abort();
        for (const std::string& entry : *entries)
            for (char c : entry)
                if (static_cast<unsigned char>(c) < 0x20)
                    std::abort(); // a line break or control character slipped through
    } else if (std::get<setup::UninstallLogProblem>(parsed).Line > size + 1) {
        std::abort();
    }
    return 0;
}
