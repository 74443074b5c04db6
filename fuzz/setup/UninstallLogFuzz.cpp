// The uninstall log: any bytes either parse into entries that keep the log's promises or are
// refused with a line inside the text.
#include "setup/uninstall/UninstallLog.h"

#include "platform/text/Cp1251.h"

#include <cstdint>
#include <cstdlib>
#include <variant>

namespace {

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && plat::SameText(text.substr(0, prefix.size()), prefix);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view logPath = "C:\\Program Files\\Velmora\\Velmora.isu";
    auto parsed = setup::ParseUninstallLog(text, logPath);
    if (const auto* entries = std::get_if<std::vector<std::string>>(&parsed)) {
        if (entries->size() < 2 || entries->back().size() != logPath.size())
            std::abort();
        bool afterKey = false;
        for (const std::string& entry : *entries) {
            for (char c : entry)
                if (static_cast<unsigned char>(c) < 0x20)
                    std::abort(); // a line break or control character slipped through
            // Prefixes are matched in any case, as the uninstaller matches them.
            if (StartsWithText(entry, setup::kLogValuePrefix) && !afterKey)
                std::abort(); // a value the uninstaller could not place in a key
            afterKey = afterKey || StartsWithText(entry, setup::kLogKeyPrefix);
        }
    } else if (std::get<setup::UninstallLogProblem>(parsed).Line > size + 1) {
        std::abort();
    }
    return 0;
}
