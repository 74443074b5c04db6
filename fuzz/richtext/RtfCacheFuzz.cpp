// Reads arbitrary bytes as an ".rtc" cache: either it is refused and the tables stay as they were,
// or it is taken and every topic it names lies inside the document it claims to describe.
#include "designer/richtext/RtfDocument.h"

#include <cstdint>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

constexpr uint64_t kDocumentSize = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Read from a file, a cache is taken whole only when its header describes the document.
    TRtfMemoryInput input{std::string(bytes)};
    const std::string matching = TRtfDocument::ReadMatchingCache(input, "help.rtf", kDocumentSize);
    Require(matching.empty() || (matching == bytes && TRtfDocument::CacheIsValid(bytes, "help.rtf", kDocumentSize)));
    TRtfDocument doc;
    const bool ok = doc.ReadCache(bytes, kDocumentSize);
    if (!ok) {
        Require(doc.Topics.empty());
        Require(doc.Fonts.size() == 1);
        return 0;
    }
    Require(!doc.Topics.empty());
    Require(doc.HeaderEnd <= kDocumentSize);
    for (const TTopic& t : doc.Topics) {
        Require(t.StartPosition <= kDocumentSize);
        Require(t.StartState.FontRef != nullptr);
    }
    for (const auto& s : doc.Styles)
        Require(s.Definition.size() <= TRtfDocument::kMaxStyleText);
    return 0;
}
