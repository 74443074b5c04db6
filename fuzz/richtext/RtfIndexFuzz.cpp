// Builds the topic index of arbitrary bytes and loads every topic, checking that the index is
// consistent (one topic at least, every start position inside the document, texts within their
// limits) and that the cache written for it reads back to the same index.
#include "designer/richtext/RtfDocument.h"
#include "platform/graphics/GuiApplication.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/1);
    plat::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TRtfDocument doc;
    doc.LoadInput(std::make_unique<TRtfMemoryInput>(bytes), "C:\\fuzz.rtf");
    Require(!doc.Topics.empty());
    Require(doc.HeaderEnd <= size);
    for (const TTopic& t : doc.Topics) {
        Require(t.StartPosition <= size);
        Require(t.ContextId.size() <= TRtfDocument::kMaxTopicText);
    }
    const std::string cache = doc.CacheBytes("fuzz.rtf", static_cast<uint32_t>(size), 0);
    TRtfDocument reread;
    Require(TRtfDocument::CacheIsValid(cache, "fuzz.rtf", size));
    Require(reread.ReadCache(cache, size));
    Require(reread.Topics.size() == doc.Topics.size());

    TTopicLoadOptions options;
    options.ClearIfNone = (size & 1) != 0;
    // Topics are looked up by name, so only the first of equal names is reached; a few suffice.
    for (size_t i = 0; i < doc.Topics.size() && i < 8; ++i)
        Require(doc.LoadTopic(doc.Topics[i].ContextId, options));
    return 0;
}
