// Shortcut-list lines: parsing, expansion and the split into the four fields.
#include "setup/script/ListParsers.h"
#include "setup/script/SetupContext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    setup::SetupContext context;
    context.Destination = "C:\\Dest";
    for (const std::string& line : setup::SplitLines(text)) {
        auto shortcut = setup::ParseShortcutLine(line);
        if (!shortcut)
            continue;
        if (shortcut->Rest.size() > setup::kMaxListField)
            std::abort();
        setup::ShortcutFields fields = setup::SplitShortcutFields(context.ExpandMacros(shortcut->Rest));
        if (fields.Target.find(',') != std::string::npos)
            std::abort();
    }
    return 0;
}
