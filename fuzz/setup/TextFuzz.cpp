// The text form: parse; what parses must write, read back and dump to text that parses again.
#include "platform/core/Exceptions.h"
#include "setup/script/ObjectStream.h"
#include "setup/script/ObjectText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        setup::StreamComponent root = setup::ParseObjectText(text, "fuzz.txt");
        std::string bytes = setup::WriteObjectStream(root);
        // Names over 255 bytes are refused by the parser, so the stream always reads back.
        setup::StreamComponent again = setup::ReadObjectStream(bytes, "fuzz.inf");
        if (setup::WriteObjectStream(setup::ParseObjectText(setup::DumpObjectText(again), "again.txt")) !=
            bytes)
            std::abort();
    } catch (const plat::Exception&) {
    }
    return 0;
}
