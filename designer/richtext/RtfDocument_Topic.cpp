// The topic loader: scans one topic from its recorded offset and state and makes its elements
// (paragraph starts, words, jumps, spaces, tabs, pictures from picture data or bitmap files).
#include "designer/richtext/MetafilePlayer.h"
#include "designer/richtext/RtfText.h"
#include "designer/richtext/RtfDocument.h"
#include "designer/shell/Busy.h"
#include "platform/core/Numeric.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/PictureLoader.h"

namespace {

using rtftext::StartsWith;
using rtftext::Trim;

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string UnescapeBackslashes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\')
            ++i;
    }
    return out;
}

enum class Mode { Normal, Picture, BitmapRef };
enum class PictureFormat { Metafile, Png, Jpeg, Other };

// Picture data is not kept beyond this many bytes; a picture group that goes on longer is cut.
constexpr size_t kMaxPictureBytes = 32 * 1024 * 1024;
// Metafiles are played into bitmaps no larger than this on a side (a picture a page wide needs
// about 800 pixels on screen); a goal size beyond it is a damaged or hostile document.
constexpr int kMaxPictureSide = 4096;

struct PictureData {
    int Depth = 0;
    int GoalWidth = 0;
    int GoalHeight = 0;
    int ScaleX = 100;
    int ScaleY = 100;
    PictureFormat Format = PictureFormat::Metafile;
    std::string Bytes;
};

class TopicLoader {
public:
    TopicLoader(TRtfDocument& doc, const TTopicLoadOptions& options, TRtfState& state)
        : doc_(doc), options_(options), state_(state) {}

    void Run(uint32_t position) {
        TRtfScanner& scanner = SharedRtfScanner();
        scanner.SetInput(doc_.Input());
        scanner.Seek(position);
        NewParagraph();
        TRtfToken t;
        while (scanner.Next(t)) {
            if (t.IsText())
                Text(t);
            else if (Control(t))
                break;
        }
        scanner.SetInput(nullptr);
    }

private:
    TTextStyle Style() const { return TTextStyle::FromState(state_); }

    void NewParagraph() {
        auto p = std::make_unique<TRTFParagraph>(state_.FontRef, state_.FontSize);
        paragraph_ = p.get();
        doc_.Elements.push_back(std::move(p));
    }

    void UpdateParagraph() { paragraph_->TakeState(state_); }

    void Text(const TRtfToken& t) {
        if (mode_ == Mode::Picture) {
            PictureText(t.Text);
            return;
        }
        if (mode_ == Mode::BitmapRef) {
            if (t.Is("}")) {
                FinishBitmapRef();
                return;
            }
            if (refName_.size() < 1024)
                refName_ += t.Text;
            return;
        }
        if (t.Is(" ")) {
            UpdateParagraph();
            doc_.Elements.push_back(std::make_unique<TRTFSpace>(Style()));
            return;
        }
        if (state_.Visible == 1) {
            if (state_.UnderlineKind != 3) {
                doc_.Elements.push_back(std::make_unique<TRTFText>(UnescapeBackslashes(t.Text), Style()));
                return;
            }
            TTextStyle style = Style();
            style.ForeColor = options_.HotColor;
            doc_.Elements.push_back(std::make_unique<TRTFText>(t.Text, style));
            return;
        }
        HiddenText(t.Text);
    }

    // Hidden text names the target of the word or picture just before it.
    void HiddenText(const std::string& target) {
        auto& elements = doc_.Elements;
        if (elements.empty())
            return;
        TRTFElement& last = *elements.back();
        if (IsTextElement(last)) {
            auto& text = static_cast<TRTFText&>(last);
            elements.back() = std::make_unique<TRTFHotText>(text.Text, text.Style, target);
            if (static_cast<TRTFText&>(*elements.back()).Style.ForeColor != options_.HotColor)
                return;
            // Walk back over the rest of a double-underlined phrase, down to the second element.
            for (size_t i = elements.size() - 1; i-- > 1;) {
                TRTFElement& e = *elements[i];
                if (e.Kind() != ElementKind::Text)
                    continue;
                auto& word = static_cast<TRTFText&>(e);
                if (word.Style.ForeColor != options_.HotColor)
                    break;
                elements[i] = std::make_unique<TRTFHotText>(word.Text, word.Style, target);
            }
            return;
        }
        if (IsBitmapElement(last)) {
            auto& bitmap = static_cast<TRTFBitmap&>(last);
            elements.back() = std::make_unique<TRTFHotBitmap>(bitmap, target);
        }
    }

    // Returns true when the topic ends (a page break was handled).
    bool Control(const TRtfToken& t) {
        if (mode_ == Mode::Picture && PictureControl(t))
            return false;
        if (t.Is("\\pict") || t.Is("\\pict ")) {
            mode_ = Mode::Picture;
            picture_ = PictureData{};
            picture_.Depth = depth_;
            return false;
        }
        if (t.Is("{")) {
            stack_.Push(state_);
            ++depth_;
            return false;
        }
        if (t.Is("}")) {
            --depth_;
            stack_.Pop(state_);
            if (mode_ == Mode::Picture && depth_ < picture_.Depth) {
                FinishPicture();
                mode_ = Mode::Normal;
            }
            return false;
        }
        if (t.Is("\\tab") || t.Is("\\tab ")) {
            doc_.Elements.push_back(std::make_unique<TRTFTab>(state_.DefaultTab));
            return false;
        }
        if (t.Is("\\par") || t.Is("\\par ")) {
            UpdateParagraph();
            NewParagraph();
            return false;
        }
        if (t.Number == rwBitmapRef) {
            mode_ = Mode::BitmapRef;
            refName_.clear();
            return false;
        }
        doc_.ApplyControlWord(t.Number, t.Text, state_);
        UpdateParagraph();
        return t.IsPageBreak();
    }

    // Picture-mode control words; false for those handled as in normal mode.
    bool PictureControl(const TRtfToken& t) {
        const std::string_view s = t.Text;
        if (StartsWith(s, "\\picwgoal")) {
            picture_.GoalWidth = RtfParam(s, 0);
            return true;
        }
        if (StartsWith(s, "\\pichgoal")) {
            picture_.GoalHeight = RtfParam(s, 0);
            return true;
        }
        if (StartsWith(s, "\\picscalex")) {
            picture_.ScaleX = RtfParam(s, 100);
            return true;
        }
        if (StartsWith(s, "\\picscaley")) {
            picture_.ScaleY = RtfParam(s, 100);
            return true;
        }
        if (StartsWith(s, "\\pngblip")) {
            picture_.Format = PictureFormat::Png;
            return true;
        }
        if (StartsWith(s, "\\jpegblip")) {
            picture_.Format = PictureFormat::Jpeg;
            return true;
        }
        if (StartsWith(s, "\\emfblip") || StartsWith(s, "\\macpict") || StartsWith(s, "\\dibitmap") ||
            StartsWith(s, "\\wbitmap")) {
            picture_.Format = PictureFormat::Other;
            return true;
        }
        return StartsWith(s, "\\picw") || StartsWith(s, "\\pich");
    }

    // Each text token holds whole bytes: its characters pair up from its start and an odd last
    // one is dropped, so a blank between runs of data never shifts the bytes that follow it.
    void PictureText(std::string_view text) {
        for (size_t i = 0; i + 1 < text.size(); i += 2) {
            if (picture_.Bytes.size() >= kMaxPictureBytes)
                return;
            const int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
            picture_.Bytes += static_cast<char>(hi < 0 || lo < 0 ? 0 : hi * 16 + lo);
        }
    }

    void FinishPicture() {
        const int width =
            std::clamp(plat::Round(static_cast<double>(options_.PixelsPerInchX) * picture_.GoalWidth / 1440),
                       0, kMaxPictureSide);
        const int height =
            std::clamp(plat::Round(static_cast<double>(options_.PixelsPerInchY) * picture_.GoalHeight / 1440),
                       0, kMaxPictureSide);
        auto bitmap = std::make_shared<plat::Bitmap>();
        if (picture_.Format == PictureFormat::Metafile) {
            std::string_view data = picture_.Bytes;
            if (!data.empty())
                data.remove_suffix(1);
            *bitmap = PlayMetafile(data, width, height);
        } else if (picture_.Format != PictureFormat::Other) {
            plat::LoadPictureBytes(picture_.Bytes, *bitmap);
        }
        const int64_t w = static_cast<int64_t>(picture_.GoalWidth) * picture_.ScaleX / 100;
        const int64_t h = static_cast<int64_t>(picture_.GoalHeight) * picture_.ScaleY / 100;
        doc_.Elements.push_back(
            std::make_unique<TRTFBitmap>(std::move(bitmap), ClampTwips(w), ClampTwips(h)));
    }

    static int ClampTwips(int64_t v) {
        // A picture is never bigger than this many twips (about 1.5 m) whatever its data claims.
        constexpr int64_t kMaxTwips = 1 << 16 << 4;
        return static_cast<int>(std::clamp<int64_t>(v, 0, kMaxTwips));
    }

    void FinishBitmapRef() {
        mode_ = Mode::Normal;
        const std::string name = Trim(refName_);
        std::string path = name;
        if (plat::ExtractFilePath(name).empty())
            path = doc_.DocumentDirectory() + name;
        if (name.empty() || !plat::FileExists(path)) {
            doc_.Elements.push_back(std::make_unique<TRTFText>("{" + name + "}", Style()));
            return;
        }
        auto bitmap = std::make_shared<plat::Bitmap>();
        try {
            plat::LoadPictureFile(plat::HostPath(path), *bitmap);
        } catch (const std::exception&) {
            bitmap->Clear();
        }
        const int w = ClampTwips(static_cast<int64_t>(bitmap->Width()) * 1440 / 96);
        const int h = ClampTwips(static_cast<int64_t>(bitmap->Height()) * 1440 / 96);
        doc_.Elements.push_back(std::make_unique<TRTFBitmap>(std::move(bitmap), w, h));
    }

    TRtfDocument& doc_;
    const TTopicLoadOptions& options_;
    TRtfState& state_;
    TRtfStack stack_;
    int depth_ = 0;
    Mode mode_ = Mode::Normal;
    TRTFParagraph* paragraph_ = nullptr;
    PictureData picture_;
    std::string refName_;
};

void RaiseSwallowed(const TLoadEvent& event, TRtfState& state, bool& flag) {
    if (!event)
        return;
    try {
        event(state, flag);
    } catch (...) {
        // Handlers of the load events may fail; the topic loads regardless.
    }
}

} // namespace

bool TRtfDocument::LoadTopic(const std::string& topic, const TTopicLoadOptions& options) {
    std::optional<size_t> found;
    for (size_t i = 0; i < Topics.size(); ++i) {
        if (Topics[i].ContextId == topic) {
            found = i;
            break;
        }
    }
    TRtfState state;
    if (found) {
        state = Topics[*found].StartState;
        CurrentTopic = found;
    } else if (options.ClearIfNone) {
        if (!Topics.empty())
            state = Topics.front().StartState;
        CurrentTopic.reset();
    }
    if (found || options.ClearIfNone)
        Elements.clear();

    bool loadFlag = true;
    RaiseSwallowed(options.OnBeforeLoad, state, loadFlag);
    if (!options.ClearIfNone && (!found || !loadFlag))
        return false;

    TBusyScope busy;
    if (found && loadFlag && input_) {
        TopicLoader loader(*this, options, state);
        loader.Run(Topics[*found].StartPosition);
    }
    RaiseSwallowed(options.OnAfterLoad, state, loadFlag);
    CurrentTopicName = topic;
    return true;
}
