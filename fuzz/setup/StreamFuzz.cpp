// Object streams: read, apply to a parameter set, write back (must give the same bytes), dump
// and compile the dump (must give the same bytes too).
#include "platform/core/Exceptions.h"
#include "setup/script/ObjectStream.h"
#include "setup/script/ObjectText.h"
#include "setup/script/ScriptFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        setup::StreamComponent root = setup::ReadObjectStream(bytes, "fuzz.inf");
        setup::SetupParams params;
        setup::ApplyStream(root, params);
        if (setup::WriteObjectStream(root) != bytes)
            std::abort();
        if (setup::WriteObjectStream(setup::ParseObjectText(setup::DumpObjectText(root), "fuzz.txt")) !=
            bytes)
            std::abort();
    } catch (const plat::Exception&) {
    }
    return 0;
}
