// The elements a loaded topic is made of (paragraph starts, words, jumps, spaces, tabs, pictures),
// each able to measure itself on a canvas and draw itself at a baseline. Sizes of the document are
// twips; px() turns them into device pixels of a canvas.
#pragma once

#include "designer/richtext/RtfState.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"

#include <memory>
#include <string>
#include <vector>

// A font of the document: the face and the RTF font number it was declared with.
struct TFontRec {
    plat::TFont Font;
    int Number = 0;
    std::string SavedName;
    int Charset = 0;
    int Family = 0;
};

// Twips to device pixels: horizontal or vertical pixels per inch × t / 1440, halves to even.
int TwipsToPixelsX(const plat::Canvas& canvas, int twips);
int TwipsToPixelsY(const plat::Canvas& canvas, int twips);

enum class ElementKind { Paragraph, Text, HotText, Space, Tab, Bitmap, HotBitmap };

class TRTFElement {
public:
    virtual ~TRTFElement() = default;
    virtual ElementKind Kind() const = 0;
    virtual std::string GetTopic() const { return {}; }
    virtual void SetTopic(const std::string&) {}
    virtual void Measure(plat::Canvas& canvas) = 0;
    virtual void DrawAt(int x, int baselineY, plat::Canvas& canvas) = 0;
    virtual bool HitTest(int, int) const { return false; }

    int Ascent = 0;
    int Descent = 0;
    int NaturalWidth = 0;
    int LayoutWidth = 0;
    bool Monochrome = false;
};

// Font, size and style put on a canvas by the text-like elements.
struct TTextStyle {
    const TFontRec* FontRef = nullptr;
    int Size = 0; // points
    plat::TColor ForeColor = 0;
    plat::TColor BackColor = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    static TTextStyle FromState(const TRtfState& state);
};

class TRTFParagraph : public TRTFElement {
public:
    TRTFParagraph(const TFontRec* font, int halfPoints) : FontRef(font), FontSize(halfPoints) {}
    ElementKind Kind() const override { return ElementKind::Paragraph; }
    void Measure(plat::Canvas& canvas) override;
    void DrawAt(int, int, plat::Canvas&) override {}
    void TakeState(const TRtfState& state);

    const TFontRec* FontRef;
    int FontSize; // half-points
    TRtfParaAttrs Attrs;
};

class TRTFText : public TRTFElement {
public:
    TRTFText(std::string text, const TTextStyle& style) : Text(std::move(text)), Style(style) {}
    ElementKind Kind() const override { return ElementKind::Text; }
    void Measure(plat::Canvas& canvas) override;
    void DrawAt(int x, int baselineY, plat::Canvas& canvas) override;

    std::string Text;
    TTextStyle Style;
};

class TRTFHotText : public TRTFText {
public:
    TRTFHotText(std::string text, const TTextStyle& style, std::string target)
        : TRTFText(std::move(text), style), Target(std::move(target)) {}
    ElementKind Kind() const override { return ElementKind::HotText; }
    std::string GetTopic() const override { return Target; }
    void SetTopic(const std::string& name) override { Target = name; }
    void DrawAt(int x, int baselineY, plat::Canvas& canvas) override;
    bool HitTest(int x, int y) const override;

    std::string Target;
    plat::TRect HotRect{0, 0, -1, -1};
};

class TRTFSpace : public TRTFElement {
public:
    explicit TRTFSpace(const TTextStyle& style) : Style(style) {}
    ElementKind Kind() const override { return ElementKind::Space; }
    void Measure(plat::Canvas& canvas) override;
    void DrawAt(int x, int baselineY, plat::Canvas& canvas) override;

    TTextStyle Style;
};

class TRTFTab : public TRTFElement {
public:
    explicit TRTFTab(int widthTwips) : TabWidth(widthTwips) {}
    ElementKind Kind() const override { return ElementKind::Tab; }
    void Measure(plat::Canvas& canvas) override;
    void DrawAt(int, int, plat::Canvas&) override {}

    int TabWidth; // twips
    int TabX = 0; // pixels from the left indent, set by layout before measuring
};

class TRTFBitmap : public TRTFElement {
public:
    TRTFBitmap(std::shared_ptr<const plat::Bitmap> bitmap, int widthTwips, int heightTwips)
        : Picture(std::move(bitmap)), WidthTwips(widthTwips), HeightTwips(heightTwips) {}
    ElementKind Kind() const override { return ElementKind::Bitmap; }
    void Measure(plat::Canvas& canvas) override;
    void DrawAt(int x, int baselineY, plat::Canvas& canvas) override;

    std::shared_ptr<const plat::Bitmap> Picture;
    int WidthTwips;
    int HeightTwips;
};

class TRTFHotBitmap : public TRTFBitmap {
public:
    TRTFHotBitmap(const TRTFBitmap& from, std::string target)
        : TRTFBitmap(from.Picture, from.WidthTwips, from.HeightTwips), Target(std::move(target)) {}
    ElementKind Kind() const override { return ElementKind::HotBitmap; }
    std::string GetTopic() const override { return Target; }
    void SetTopic(const std::string& name) override { Target = name; }
    void DrawAt(int x, int baselineY, plat::Canvas& canvas) override;
    bool HitTest(int x, int y) const override;

    std::string Target;
    plat::TRect HotRect{0, 0, -1, -1};
};

using TElementList = std::vector<std::unique_ptr<TRTFElement>>;

inline bool IsTextElement(const TRTFElement& e) {
    return e.Kind() == ElementKind::Text || e.Kind() == ElementKind::HotText;
}
inline bool IsBitmapElement(const TRTFElement& e) {
    return e.Kind() == ElementKind::Bitmap || e.Kind() == ElementKind::HotBitmap;
}
