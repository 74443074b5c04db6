// A rich-text document as the viewer reads it: the header tables (colours, fonts, styles), the
// topic index built by one scan of the file or read from its ".rtc" cache, and the topic loader
// that turns one topic into a flat list of elements. The document text is never held in memory:
// the file stays open and a topic is scanned again from its recorded offset each time.
#pragma once

#include "designer/richtext/RtfElements.h"
#include "designer/richtext/RtfScanner.h"
#include "designer/richtext/RtfState.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct TTopic {
    std::string ContextId;
    std::string Title;
    std::string BrowseSequence;
    std::string Keywords;
    TRtfState StartState;
    uint32_t StartPosition = 0;
};

struct TRtfStyle {
    std::string Definition;
    int Number = 0;
};

// Sender-less form of the load events: the handler may change the state and clear LoadFlag.
using TLoadEvent = std::function<void(TRtfState& state, bool& loadFlag)>;

// What the topic loader needs from the view that shows the topic.
struct TTopicLoadOptions {
    bool ClearIfNone = false;
    plat::TColor HotColor = 0x008000;
    int PixelsPerInchX = 96; // of the view's canvas: metafile pictures are played at this size
    int PixelsPerInchY = 96;
    TLoadEvent OnBeforeLoad;
    TLoadEvent OnAfterLoad;
};

// The group stack. Groups nested deeper than kMaxDepth are counted but their states are not kept:
// closing one of them leaves the state as it is, as a "}" on an empty stack does.
class TRtfStack {
public:
    static constexpr size_t kMaxDepth = 4096;
    void Push(const TRtfState& state);
    void Pop(TRtfState& state);

private:
    std::vector<TRtfState> states_;
    size_t overflow_ = 0;
};

class TRtfDocument {
public:
    static constexpr int kColorCount = 16;
    static constexpr size_t kMaxTopicText = 255;
    static constexpr size_t kMaxStyleText = 100;
    static constexpr size_t kNameFieldSize = 12;
    // A cache larger than this is not believed (far above what any document's index needs).
    static constexpr size_t kMaxCacheSize = 64 * 1024 * 1024;

    static const std::array<plat::TColor, kColorCount> kDefaultColors;

    TRtfDocument();
    ~TRtfDocument();

    std::array<plat::TColor, kColorCount> ColorTable;
    std::vector<std::unique_ptr<TFontRec>> Fonts;
    std::vector<TRtfStyle> Styles;
    std::vector<TTopic> Topics;
    uint32_t HeaderEnd = 0;
    std::string DocumentName; // Windows path of the open ".rtf"
    TElementList Elements;
    std::optional<size_t> CurrentTopic; // index into Topics
    std::string CurrentTopicName;
    // The control's own font; entry 0 of Fonts is a copy of it.
    plat::TFont ControlFont;

    void ResetDocument();
    // Opens a document (Windows paths). False, changing nothing, when the ".rtf" does not exist;
    // raises EFileError when it exists but cannot be opened.
    bool LoadFile(const std::string& rtfName, const std::string& rtcName);
    // Uses an input already open (tests, fuzzers): builds the index by scanning it.
    void LoadInput(std::unique_ptr<TRtfInput> input, const std::string& name);

    void BuildIndex();
    // The ".rtc" bytes for the current index; the name, size and time describe the ".rtf".
    std::string CacheBytes(const std::string& rtfFileName, uint32_t rtfSize, uint32_t dosTime) const;
    static bool CacheIsValid(std::string_view cacheHead, const std::string& rtfFileName, uint64_t rtfSize);
    // The bytes of a cache whose header CacheIsValid accepts; empty for any other cache and for one
    // over kMaxCacheSize. Only the header is read before it is checked.
    static std::string ReadMatchingCache(TRtfInput& cache, const std::string& rtfFileName, uint64_t rtfSize);
    // Reads a cache whose header CacheIsValid accepted. On any inconsistency (cut off, counts
    // beyond the data, a topic past `rtfSize`) returns false and leaves the tables as they were.
    bool ReadCache(std::string_view bytes, uint64_t rtfSize);

    // Turns a topic into Elements; the result says whether the view now shows a topic.
    bool LoadTopic(const std::string& topic, const TTopicLoadOptions& options);

    const TFontRec* FontByNumber(int number) const;
    void ApplyControlWord(int number, std::string_view tokenText, TRtfState& state);
    TRtfInput* Input() const { return input_.get(); }
    // Directory of DocumentName, with its backslash; where bitmap references are looked for.
    std::string DocumentDirectory() const;

private:
    plat::TColor ColorAt(int number, plat::TColor automatic) const;
    void MakeFontZero();

    std::unique_ptr<TRtfInput> input_;
};
