// Registry-list lines: whole-line expansion, then the line parser; binary values stay in bounds.
#include "setup/script/ListParsers.h"
#include "setup/script/SetupContext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    setup::SetupContext context;
    context.Destination = "C:\\Dest";
    for (const std::string& line : setup::SplitLines(text)) {
        setup::RegLine parsed = setup::ParseRegLine(context.ExpandMacros(line));
        if (parsed.Bytes.size() > setup::kMaxRegBinary)
            std::abort();
        if (parsed.Kind == setup::RegLineKind::Section)
            context.ExpandMacros(parsed.KeyPath);
    }
    return 0;
}
