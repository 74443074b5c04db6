// File-list lines: parsing and macro expansion of both sides, line by line.
#include "setup/script/ListParsers.h"
#include "setup/script/SetupContext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    setup::SetupContext context;
    context.WindowsDir = "C:\\windows";
    context.CdPath = "D:";
    context.Destination = "C:\\Dest";
    for (const std::string& line : setup::SplitLines(text)) {
        auto entry = setup::ParseFileLine(line);
        if (!entry)
            continue;
        if (entry->Destination.size() > setup::kMaxListField || entry->Source.find('=') != std::string::npos)
            std::abort();
        context.ExpandMacros(entry->Source);
        context.ExpandMacros(entry->Destination);
    }
    return 0;
}
