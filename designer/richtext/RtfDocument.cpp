// The document tables, the control words' effect on the state, the topic index builder and
// opening a document with its cache.
#include "designer/richtext/RtfDocument.h"
#include "designer/richtext/RtfText.h"

#include "designer/shell/Busy.h"
#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"

#include <algorithm>

namespace {

using rtftext::StartsWith;
using rtftext::Trim;

// Busy cursor for the duration of a scope.
enum class Region { None, Colors, Fonts, Styles, Footnote };

} // namespace

const std::array<plat::TColor, TRtfDocument::kColorCount> TRtfDocument::kDefaultColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

void TRtfStack::Push(const TRtfState& state) {
    if (states_.size() >= kMaxDepth) {
        ++overflow_;
        return;
    }
    states_.push_back(state);
}

void TRtfStack::Pop(TRtfState& state) {
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    if (states_.empty())
        return;
    state = states_.back();
    states_.pop_back();
}

TRtfDocument::TRtfDocument() {
    ResetDocument();
}

TRtfDocument::~TRtfDocument() = default;

void TRtfDocument::MakeFontZero() {
    auto zero = std::make_unique<TFontRec>();
    zero->Font = ControlFont;
    zero->Number = 0;
    Fonts.push_back(std::move(zero));
}

void TRtfDocument::ResetDocument() {
    ColorTable = kDefaultColors;
    Elements.clear();
    Fonts.clear();
    MakeFontZero();
    Topics.clear();
    Styles.clear();
    CurrentTopic.reset();
}

const TFontRec* TRtfDocument::FontByNumber(int number) const {
    for (const auto& f : Fonts) {
        if (f->Number == number)
            return f.get();
    }
    return Fonts.front().get();
}

// Colour numbers above 16 take the last entry. Number 0 is the automatic colour and has no entry:
// it gives `automatic` (black text, no background), as do negative numbers.
plat::TColor TRtfDocument::ColorAt(int number, plat::TColor automatic) const {
    if (number < 1)
        return automatic;
    return ColorTable[std::min(number, kColorCount) - 1];
}

void TRtfDocument::ApplyControlWord(int number, std::string_view text, TRtfState& st) {
    const auto param = [&](int fallback) { return RtfParam(text, fallback); };
    switch (number) {
    case rwF:
        st.FontNumber = param(0);
        st.FontRef = FontByNumber(st.FontNumber);
        return;
    case rwFs:
        st.FontSize = param(0);
        return;
    case rwS: {
        const int n = param(0);
        for (const auto& s : Styles) {
            if (s.Number == n) {
                SharedRtfScanner().PushBack(s.Definition);
                return;
            }
        }
        return;
    }
    case rwCf:
        st.ForeColor = ColorAt(param(1), 0x000000);
        return;
    case rwCb:
        st.BackColor = ColorAt(param(0), 0xFFFFFF);
        return;
    case rwLinex:
        st.Para.LineSpacing = param(240);
        return;
    case rwDeftab:
        st.DefaultTab = param(720);
        return;
    case rwB:
        st.Bold = param(1) == 1;
        return;
    case rwI:
        st.Italic = param(1) == 1;
        return;
    case rwStrike:
        st.StrikeOut = param(1) == 1;
        return;
    case rwCaps:
        st.CapsMode = param(1) == 1 ? 1 : 0;
        return;
    case rwScaps:
        st.CapsMode = param(1) == 1 ? 2 : 0;
        return;
    case rwV:
        st.Visible = param(1) == 0;
        return;
    case rwPlain:
        st.FontRef = Fonts.front().get();
        st.FontNumber = 0;
        st.FontSize = 24;
        st.Bold = st.Italic = st.Underline = st.StrikeOut = st.CapsMode = 0;
        st.UnderlineKind = 4;
        st.VertPosKind = 2;
        st.ForeColor = 0x000000;
        st.BackColor = 0xFFFFFF;
        st.Visible = 1;
        return;
    case rwKeepn:
        st.Para.KeepNext = 1;
        return;
    case rwPard: {
        const int32_t keepTab = st.DefaultTab;
        st.Para = TRtfParaAttrs{};
        st.Para.LineSpacing = 240;
        st.DefaultTab = keepTab;
        return;
    }
    case rwUl:
        st.UnderlineKind = 0;
        return;
    case rwUlw:
        st.UnderlineKind = 1;
        return;
    case rwUld:
        st.UnderlineKind = 2;
        return;
    case rwUldb:
        st.UnderlineKind = 3;
        return;
    case rwUlnone:
        st.UnderlineKind = 4;
        return;
    case rwQr:
        st.Para.Alignment = alRight;
        return;
    case rwQl:
        st.Para.Alignment = alLeft;
        return;
    case rwQc:
        st.Para.Alignment = alCenter;
        return;
    case rwQj:
        st.Para.Alignment = alJustify;
        return;
    case rwBrdrt:
        st.Para.Borders |= 1;
        return;
    case rwBrdrb:
        st.Para.Borders |= 2;
        return;
    case rwBrdrl:
        st.Para.Borders |= 4;
        return;
    case rwBrdrr:
        st.Para.Borders |= 8;
        return;
    case rwBox:
        st.Para.Borders |= 16;
        return;
    case rwUp:
        st.VertPosKind = 0;
        st.VertOffset = param(0);
        return;
    case rwDn:
        st.VertPosKind = 1;
        st.VertOffset = param(0);
        return;
    case rwFi:
        st.Para.FirstIndent = param(0);
        return;
    case rwLi:
        st.Para.LeftIndent = param(0);
        return;
    case rwRi:
        st.Para.RightIndent = param(0);
        return;
    case rwSb:
        st.Para.SpaceBefore = param(0);
        return;
    case rwSa:
        st.Para.SpaceAfter = param(0);
        return;
    case rwSl:
        st.Para.LineSpacing = param(240);
        return;
    case rwBrspn:
        st.Para.BorderSpacing = param(0);
        return;
    default:
        return;
    }
}

std::string TRtfDocument::DocumentDirectory() const {
    return plat::ExtractFilePath(DocumentName);
}

namespace {

// The header tables as the index builder reads them.
struct TableReader {
    TRtfDocument& Doc;
    // colour table
    int ColorIndex = -1;
    int R = 0, G = 0, B = 0;
    // font table
    int FontNumber = 0;
    std::string FontName;
    int Charset = 0;
    int Family = 0;
    // stylesheet
    int StyleNumber = 0;
    std::string StyleText;

    void Color(const TRtfToken& t) {
        if (t.IsControl()) {
            if (StartsWith(t.Text, "\\red"))
                R = RtfParam(t.Text, 0) & 0xFF;
            else if (StartsWith(t.Text, "\\green"))
                G = RtfParam(t.Text, 0) & 0xFF;
            else if (StartsWith(t.Text, "\\blue"))
                B = RtfParam(t.Text, 0) & 0xFF;
            return;
        }
        if (t.Text != ";")
            return;
        if (ColorIndex >= 0 && ColorIndex < TRtfDocument::kColorCount)
            Doc.ColorTable[ColorIndex] = plat::RGB(R, G, B);
        ++ColorIndex;
        if (ColorIndex <= TRtfDocument::kColorCount - 1) {
            const plat::TColor c = Doc.ColorTable[ColorIndex];
            R = plat::GetRValue(c);
            G = plat::GetGValue(c);
            B = plat::GetBValue(c);
        }
    }

    void Font(const TRtfToken& t) {
        if (t.IsControl()) {
            const std::string_view s = t.Text;
            if (s.size() >= 3 && s[1] == 'f' && s[2] >= '0' && s[2] <= '9') {
                FontNumber = RtfParam(s, 0);
                FontName.clear();
                Charset = 0;
                Family = 0;
            } else if (s == "\\fdecorative") {
                Family = 80;
            } else if (s == "\\fdontcare") {
                Family = 0;
            } else if (s == "\\fmodern") {
                Family = 48;
            } else if (s == "\\froman") {
                Family = 16;
            } else if (s == "\\fscript") {
                Family = 64;
            } else if (s == "\\fswiss") {
                Family = 32;
            } else if (StartsWith(s, "\\fcharset")) {
                Charset = RtfParam(s, 0);
            }
            return;
        }
        // The name is bounded like every text of the index: a table that never ends a name with
        // ";" must not grow it without limit.
        if (FontName.size() < TRtfDocument::kMaxTopicText)
            FontName += t.Text;
        if (t.Text.empty() || t.Text.back() != ';')
            return;
        std::string name = FontName.substr(0, FontName.size() - 1);
        if (!name.empty() && name.back() == ';')
            name.pop_back();
        auto rec = std::make_unique<TFontRec>();
        rec->Font.Name = name.substr(0, TRtfDocument::kMaxTopicText);
        rec->Font.Size = 0;
        rec->Number = FontNumber;
        rec->Charset = Charset;
        rec->Family = Family;
        Doc.Fonts.push_back(std::move(rec));
        FontName.clear();
    }

    void Style(const TRtfToken& t) {
        if (t.IsControl()) {
            const std::string_view s = t.Text;
            if (s.size() >= 3 && s[1] == 's' && s[2] >= '0' && s[2] <= '9') {
                StyleNumber = RtfParam(s, 0);
                return;
            }
            StyleText += t.Text;
            if (StyleText.size() > TRtfDocument::kMaxStyleText)
                StyleText.resize(TRtfDocument::kMaxStyleText);
            return;
        }
        if (t.Text.empty() || t.Text.back() != ';')
            return;
        Doc.Styles.push_back({StyleText, StyleNumber});
        StyleText.clear();
    }
};

// Reads the text of a footnote up to the "}" that closes its group.
std::string ReadFootnoteText(TRtfScanner& scanner, char mark) {
    std::string text;
    int count = 0;
    TRtfToken t;
    while (scanner.Next(t)) {
        if (t.IsControl()) {
            if (t.Is("{"))
                ++count;
            else if (t.Is("}") && --count < 0)
                break;
            continue;
        }
        if (t.Text.size() == 1 && t.Text[0] == mark)
            continue;
        if (text.size() < 4 * TRtfDocument::kMaxTopicText)
            text += t.Text;
    }
    return Trim(text).substr(0, TRtfDocument::kMaxTopicText);
}

TTopic NewTopic() {
    return TTopic{};
}

} // namespace

void TRtfDocument::BuildIndex() {
    ResetDocument();
    TRtfScanner& scanner = SharedRtfScanner();
    scanner.SetInput(input_.get());
    scanner.Seek(0);

    // The running state starts as plain text would ("\\plain"), not all zero: an all-zero state is
    // hidden, underlined text on black, and documents that never say "\\plain" would show nothing.
    TRtfState state;
    state.DefaultTab = 720;
    ApplyControlWord(rwPlain, "\\plain", state);
    TRtfStack stack;
    int depth = 0;
    Region region = Region::None;
    int regionDepth = 0;
    TableReader tables{.Doc = *this};
    TTopic topic = NewTopic();
    topic.ContextId = "Contents";

    bool afterFootnotes = false; // just past footnotes at the level of the topic's text
    const auto endFootnoteRegion = [&](uint64_t position) {
        topic.StartState = state;
        topic.StartPosition = static_cast<uint32_t>(position);
        region = Region::None;
    };

    TRtfToken t;
    uint64_t tokenStart = scanner.Position();
    while (scanner.Next(t)) {
        const uint64_t before = tokenStart;
        tokenStart = scanner.Position();
        if (t.IsControl() && StartsWith(t.Text, "\\page")) {
            Topics.push_back(std::move(topic));
            topic = NewTopic();
        }
        if (t.IsControl() && t.Is("{")) {
            if (region == Region::Footnote && depth == regionDepth) {
                // A group opened at the level of the topic's text after footnotes written there
                // ("#{\footnote a}{\b Title}"): the topic's text begins with that group.
                endFootnoteRegion(before);
                afterFootnotes = true;
            }
            stack.Push(state);
            ++depth;
            continue;
        }
        if (t.IsControl() && t.Is("}")) {
            --depth;
            stack.Pop(state);
            if (region == Region::None || depth >= regionDepth)
                continue;
            if (region == Region::Footnote) {
                endFootnoteRegion(scanner.Position());
                afterFootnotes = true;
                continue;
            }
            HeaderEnd = std::max<uint64_t>(HeaderEnd, scanner.Position());
            region = Region::None;
            continue;
        }
        if (t.IsControl() && (t.Is("\\colortbl") || t.Is("\\fonttbl") || t.Is("\\stylesheet"))) {
            region = t.Is("\\colortbl") ? Region::Colors : t.Is("\\fonttbl") ? Region::Fonts : Region::Styles;
            regionDepth = depth;
            tables.ColorIndex = -1;
            tables.R = tables.G = tables.B = 0;
            tables.FontNumber = 0;
            tables.StyleNumber = 0;
            continue;
        }
        if (t.IsControl() && t.Text.size() >= 11 && t.Text.compare(2, 9, "\\footnote") == 0) {
            const char mark = t.Text[0];
            if (region == Region::None) {
                region = Region::Footnote;
                regionDepth = depth;
            }
            std::string text = ReadFootnoteText(scanner, mark);
            tokenStart = scanner.Position();
            switch (mark) {
            case '#':
                topic.ContextId = std::move(text);
                break;
            case '$':
                topic.Title = std::move(text);
                break;
            case '+':
                topic.BrowseSequence = std::move(text);
                break;
            case 'K':
                topic.Keywords = std::move(text);
                break;
            default:
                break;
            }
            continue;
        }
        if (region == Region::Footnote && depth == regionDepth && !(t.IsText() && t.Is(" ")) &&
            !(t.IsControl() && StartsWith(t.Text, "\\page"))) {
            // A footnote written at the level of the topic's text, not wrapped in a group of its
            // own: its region would only end with the enclosing group (often the whole document),
            // so the topic starts where its first body token does.
            endFootnoteRegion(before);
            afterFootnotes = true;
        }
        if (afterFootnotes && t.IsControl() && (t.Is("\\footnote") || t.Is("\\footnote ")) &&
            depth == regionDepth + 1) {
            // A footnote with a mark the index does not know ("@{\\footnote ...}") among the
            // topic's footnotes: it is read and dropped, and the topic starts after it.
            ReadFootnoteText(scanner, '\0');
            --depth;
            stack.Pop(state);
            tokenStart = scanner.Position();
            endFootnoteRegion(tokenStart);
            continue;
        }
        if (t.IsControl() ? StartsWith(t.Text, "\\par") : t.Text.size() > 1)
            afterFootnotes = false;
        switch (region) {
        case Region::None:
            if (t.IsControl())
                ApplyControlWord(t.Number, t.Text, state);
            break;
        case Region::Colors:
            tables.Color(t);
            break;
        case Region::Fonts:
            tables.Font(t);
            break;
        case Region::Styles:
            tables.Style(t);
            break;
        case Region::Footnote:
            break;
        }
    }
    Topics.push_back(std::move(topic));
    scanner.SetInput(nullptr);
}

void TRtfDocument::LoadInput(std::unique_ptr<TRtfInput> input, const std::string& name) {
    ResetDocument();
    HeaderEnd = 0;
    DocumentName = name;
    input_ = std::move(input);
    BuildIndex();
}

bool TRtfDocument::LoadFile(const std::string& rtfName, const std::string& rtcName) {
    if (!plat::FileExists(rtfName))
        return false;
    TBusyScope busy;
    auto input = OpenRtfFile(plat::HostPath(rtfName));
    if (!input)
        throw plat::EFileError("Cannot open file \"" + rtfName + "\"");
    ResetDocument();
    HeaderEnd = 0;
    DocumentName = rtfName;
    input_ = std::move(input);
    const uint64_t size = input_->Size();
    const std::string fileName = plat::ExtractFileName(rtfName);

    std::string cache;
    try {
        if (plat::FileSize(rtcName) >= 0) {
            if (auto rtc = OpenRtfFile(plat::HostPath(rtcName)))
                cache = ReadMatchingCache(*rtc, fileName, size);
        }
    } catch (const plat::Exception&) {
        cache.clear();
    }
    if (!cache.empty() && ReadCache(cache, size))
        return true;

    BuildIndex();
    try {
        const int32_t age = plat::FileAge(rtfName);
        plat::WriteFileBytes(rtcName,
                             CacheBytes(fileName, static_cast<uint32_t>(size), static_cast<uint32_t>(age)));
    } catch (const plat::Exception&) {
        // A cache that cannot be written (read-only medium) is simply not kept.
    }
    return true;
}
