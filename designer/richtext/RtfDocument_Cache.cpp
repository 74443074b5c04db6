// The ".rtc" index cache: written after an index is built, read instead of scanning when its
// header still matches the ".rtf". Layout (little-endian, strings with a one-byte length):
// "RTF4", the ".rtf" name in 12 bytes, its size, its DOS time, 16 colours, the fonts after entry 0,
// the styles, the topics with their 76-byte start states, HeaderEnd.
#include "designer/richtext/RtfDocument.h"

namespace {

constexpr std::string_view kMagic = "RTF4";
constexpr size_t kHeaderSize = 24;
// What CacheIsValid looks at: the magic, the name field and the document's size.
constexpr size_t kCheckedHeadSize = 20;

void Put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutString(std::string& out, std::string_view s) {
    const size_t n = std::min<size_t>(s.size(), 255);
    out += static_cast<char>(n);
    out.append(s.substr(0, n));
}

// Bounds-checked reading of the cache bytes; any read past the end marks the reader failed.
class CacheReader {
public:
    explicit CacheReader(std::string_view bytes) : bytes_(bytes) {}
    bool Failed() const { return failed_; }
    size_t Remaining() const { return failed_ ? 0 : bytes_.size() - pos_; }
    void Skip(size_t n) {
        if (!Need(n))
            return;
        pos_ += n;
    }
    uint32_t U32() {
        if (!Need(4))
            return 0;
        const auto* p = reinterpret_cast<const uint8_t*>(bytes_.data() + pos_);
        pos_ += 4;
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }
    std::string String() {
        if (!Need(1))
            return {};
        const size_t n = static_cast<uint8_t>(bytes_[pos_++]);
        if (!Need(n))
            return {};
        std::string s(bytes_.substr(pos_, n));
        pos_ += n;
        return s;
    }
    const uint8_t* Bytes(size_t n) {
        if (!Need(n))
            return nullptr;
        const auto* p = reinterpret_cast<const uint8_t*>(bytes_.data() + pos_);
        pos_ += n;
        return p;
    }

private:
    bool Need(size_t n) {
        if (failed_ || bytes_.size() - pos_ < n)
            failed_ = true;
        return !failed_;
    }
    std::string_view bytes_;
    size_t pos_ = 0;
    bool failed_ = false;
};

} // namespace

std::string TRtfDocument::CacheBytes(const std::string& rtfFileName, uint32_t rtfSize,
                                     uint32_t dosTime) const {
    std::string out(kMagic);
    std::string name = rtfFileName.substr(0, kNameFieldSize);
    name.resize(kNameFieldSize, '\0');
    out += name;
    Put32(out, rtfSize);
    Put32(out, dosTime);
    Put32(out, kColorCount);
    for (plat::TColor c : ColorTable)
        Put32(out, c);
    Put32(out, static_cast<uint32_t>(Fonts.size() - 1));
    for (size_t i = 1; i < Fonts.size(); ++i) {
        PutString(out, Fonts[i]->Font.Name);
        Put32(out, static_cast<uint32_t>(Fonts[i]->Number));
    }
    Put32(out, static_cast<uint32_t>(Styles.size()));
    for (const auto& s : Styles) {
        PutString(out, s.Definition.substr(0, kMaxStyleText));
        Put32(out, static_cast<uint32_t>(s.Number));
    }
    Put32(out, static_cast<uint32_t>(Topics.size()));
    for (const auto& t : Topics) {
        PutString(out, t.ContextId);
        PutString(out, t.Title);
        PutString(out, t.BrowseSequence);
        PutString(out, t.Keywords);
        const auto state = t.StartState.ToBytes();
        out.append(reinterpret_cast<const char*>(state.data()), state.size());
        Put32(out, t.StartPosition);
    }
    Put32(out, HeaderEnd);
    return out;
}

// The stored name must be the whole current name: the 12-byte field holds it followed by zero
// bytes, so a shorter stored name that merely begins the same way does not match. A name longer
// than the field never matches and the index is rebuilt each time.
bool TRtfDocument::CacheIsValid(std::string_view head, const std::string& rtfFileName, uint64_t rtfSize) {
    if (head.size() < kCheckedHeadSize || head.substr(0, 4) != kMagic)
        return false;
    if (rtfFileName.size() > kNameFieldSize)
        return false;
    const std::string_view field = head.substr(4, kNameFieldSize);
    if (field.substr(0, rtfFileName.size()) != rtfFileName)
        return false;
    if (rtfFileName.size() < kNameFieldSize && field[rtfFileName.size()] != '\0')
        return false;
    const auto* p = reinterpret_cast<const uint8_t*>(head.data() + 16);
    const uint32_t size = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return size == rtfSize;
}

std::string TRtfDocument::ReadMatchingCache(TRtfInput& cache, const std::string& rtfFileName, uint64_t rtfSize) {
    const uint64_t size = cache.Size();
    if (size > kMaxCacheSize)
        return {};
    std::string bytes = ReadInputBytes(cache, 0, kCheckedHeadSize);
    if (!CacheIsValid(bytes, rtfFileName, rtfSize))
        return {};
    bytes += ReadInputBytes(cache, bytes.size(), static_cast<size_t>(size - bytes.size()));
    return bytes;
}

bool TRtfDocument::ReadCache(std::string_view bytes, uint64_t rtfSize) {
    CacheReader r(bytes);
    r.Skip(kHeaderSize);
    const uint32_t colorCount = r.U32();
    if (colorCount > kColorCount)
        return false;
    std::array<plat::TColor, kColorCount> colors = kDefaultColors;
    for (uint32_t i = 0; i < colorCount; ++i)
        colors[i] = r.U32();

    // Each count is checked against the bytes left (an entry takes at least 5 bytes) before any
    // entry is read, so a lying count fails fast instead of allocating.
    const uint32_t fontCount = r.U32();
    if (fontCount > r.Remaining() / 5)
        return false;
    std::vector<std::pair<std::string, int>> fonts;
    for (uint32_t i = 0; i < fontCount && !r.Failed(); ++i) {
        std::string name = r.String();
        fonts.emplace_back(std::move(name), static_cast<int32_t>(r.U32()));
    }
    const uint32_t styleCount = r.U32();
    if (styleCount > r.Remaining() / 5)
        return false;
    std::vector<TRtfStyle> styles;
    for (uint32_t i = 0; i < styleCount && !r.Failed(); ++i) {
        std::string text = r.String();
        if (text.size() > kMaxStyleText)
            return false;
        styles.push_back({std::move(text), static_cast<int32_t>(r.U32())});
    }
    const uint32_t topicCount = r.U32();
    constexpr size_t kMinTopicBytes = 4 + TRtfState::kByteSize + 4;
    if (topicCount > r.Remaining() / kMinTopicBytes)
        return false;
    std::vector<TTopic> topics;
    for (uint32_t i = 0; i < topicCount && !r.Failed(); ++i) {
        TTopic t;
        t.ContextId = r.String();
        t.Title = r.String();
        t.BrowseSequence = r.String();
        t.Keywords = r.String();
        const uint8_t* state = r.Bytes(TRtfState::kByteSize);
        if (state == nullptr)
            return false;
        t.StartState = TRtfState::FromBytes(state);
        t.StartPosition = r.U32();
        if (t.StartPosition > rtfSize)
            return false;
        topics.push_back(std::move(t));
    }
    const uint32_t headerEnd = r.U32();
    if (r.Failed() || headerEnd > rtfSize || topics.empty())
        return false;

    ResetDocument();
    ColorTable = colors;
    for (auto& [name, number] : fonts) {
        auto rec = std::make_unique<TFontRec>();
        rec->Font.Name = name;
        rec->Number = number;
        Fonts.push_back(std::move(rec));
    }
    Styles = std::move(styles);
    Topics = std::move(topics);
    for (auto& t : Topics)
        t.StartState.FontRef = FontByNumber(t.StartState.FontNumber);
    HeaderEnd = headerEnd;
    return true;
}
