// Measuring and drawing of the topic elements. Heights follow the 7:2 rule: of a font's pixel
// height h, 7/9 (rounded) lies above the baseline and the rest below; the font's own ascent is
// not consulted, so lines come out the same on every device.
#include "designer/richtext/RtfElements.h"

#include "platform/core/Numeric.h"

#include <cstdlib>
#include <string>
#include <typeinfo>
#include <unordered_map>

namespace {

void SetAscentDescent(TRTFElement& e, const plat::Canvas& canvas) {
    const int h = std::abs(canvas.FontPixelHeight());
    e.Ascent = plat::Round(7.0 * h / 9.0);
    e.Descent = h - e.Ascent;
}

void PutFont(plat::Canvas& canvas, const TFontRec* font, int points) {
    if (font != nullptr)
        canvas.Font.Name = font->Font.Name;
    canvas.Font.Size = points;
    canvas.Font.Bold = false;
    canvas.Font.Italic = false;
    canvas.Font.Underline = false;
}

void PutStyle(plat::Canvas& canvas, const TTextStyle& style) {
    PutFont(canvas, style.FontRef, style.Size);
    canvas.Font.Bold = style.Bold;
    canvas.Font.Italic = style.Italic;
    canvas.Font.Underline = style.Underline;
}

// Text widths by font, device kind and resolution. Measuring through the platform builds a font
// and its metrics each time, which costs more than the rest of a topic's layout; a topic repeats
// its words and fonts, and a layout at a new width measures nothing new. Bounded: emptied when full.
int CachedTextWidth(plat::Canvas& canvas, const std::string& text) {
    constexpr size_t kMaxEntries = 64 * 1024;
    static std::unordered_map<std::string, int> cache;
    const plat::TFont& f = canvas.Font;
    std::string key;
    key.reserve(f.Name.size() + text.size() + 48);
    key += std::to_string(typeid(canvas).hash_code());
    key +=
        ':' + std::to_string(canvas.PixelsPerInchX()) + ':' + std::to_string(canvas.PixelsPerInchY()) + ':';
    key +=
        std::to_string(f.Size) + (f.Bold ? "b" : "") + (f.Italic ? "i" : "") + (f.Underline ? "u" : "") + ':';
    key += f.Name;
    key += '\0';
    key += text;
    if (const auto it = cache.find(key); it != cache.end())
        return it->second;
    if (cache.size() >= kMaxEntries)
        cache.clear();
    const int width = canvas.TextWidth(text);
    cache.emplace(std::move(key), width);
    return width;
}

} // namespace

int TwipsToPixelsX(const plat::Canvas& canvas, int twips) {
    return plat::Round(static_cast<double>(canvas.PixelsPerInchX()) * twips / 1440.0);
}

int TwipsToPixelsY(const plat::Canvas& canvas, int twips) {
    return plat::Round(static_cast<double>(canvas.PixelsPerInchY()) * twips / 1440.0);
}

TTextStyle TTextStyle::FromState(const TRtfState& state) {
    TTextStyle s;
    s.FontRef = state.FontRef;
    s.Size = state.FontSize / 2;
    s.ForeColor = state.ForeColor;
    s.BackColor = state.BackColor;
    s.Bold = state.Bold != 0;
    s.Italic = state.Italic != 0;
    s.Underline = state.Underline != 0 || state.UnderlineKind != 4;
    return s;
}

void TRTFParagraph::TakeState(const TRtfState& state) {
    FontRef = state.FontRef;
    FontSize = state.FontSize;
    Attrs = state.Para;
}

void TRTFParagraph::Measure(plat::Canvas& canvas) {
    PutFont(canvas, FontRef, FontSize / 2);
    NaturalWidth = 0;
    SetAscentDescent(*this, canvas);
}

void TRTFText::Measure(plat::Canvas& canvas) {
    PutStyle(canvas, Style);
    NaturalWidth = CachedTextWidth(canvas, Text);
    SetAscentDescent(*this, canvas);
}

void TRTFText::DrawAt(int x, int baselineY, plat::Canvas& canvas) {
    PutStyle(canvas, Style);
    canvas.Brush.Color = Style.BackColor;
    canvas.Font.Color = Monochrome ? plat::clBlack : Style.ForeColor;
    canvas.BackgroundColor = Style.BackColor;
    canvas.BackgroundMode = Style.BackColor == 0xFFFFFF ? plat::BkMode::Transparent : plat::BkMode::Opaque;
    canvas.TextOut(x, baselineY - Ascent, Text);
}

void TRTFHotText::DrawAt(int x, int baselineY, plat::Canvas& canvas) {
    TRTFText::DrawAt(x, baselineY, canvas);
    HotRect = plat::Rect(x, baselineY - Ascent, x + NaturalWidth, baselineY + Descent);
}

bool TRTFHotText::HitTest(int x, int y) const {
    return x >= HotRect.Left && x <= HotRect.Right && y >= HotRect.Top && y <= HotRect.Bottom;
}

void TRTFSpace::Measure(plat::Canvas& canvas) {
    PutFont(canvas, Style.FontRef, Style.Size);
    NaturalWidth = CachedTextWidth(canvas, " ");
    SetAscentDescent(*this, canvas);
}

void TRTFSpace::DrawAt(int x, int baselineY, plat::Canvas& canvas) {
    if (!Style.Underline)
        return;
    const plat::TPen saved = canvas.Pen;
    canvas.Pen.Color = Style.ForeColor;
    canvas.MoveTo(x, baselineY + Descent);
    canvas.LineTo(x + NaturalWidth, baselineY + Descent);
    canvas.Pen = saved;
}

void TRTFTab::Measure(plat::Canvas& canvas) {
    const int a = TwipsToPixelsX(canvas, TabWidth);
    const int width = a != 0 ? a * (plat::DivTrunc(TabX, a) + 1) - TabX : 0;
    NaturalWidth = width;
    LayoutWidth = width;
    Ascent = 0;
    Descent = 0;
}

void TRTFBitmap::Measure(plat::Canvas& canvas) {
    NaturalWidth = TwipsToPixelsX(canvas, WidthTwips);
    Ascent = TwipsToPixelsY(canvas, HeightTwips);
    Descent = 0;
}

void TRTFBitmap::DrawAt(int x, int baselineY, plat::Canvas& canvas) {
    if (Picture == nullptr || Picture->Empty())
        return;
    canvas.StretchDraw(plat::Rect(x, baselineY - Ascent + 1, x + NaturalWidth, baselineY + 1), *Picture);
}

void TRTFHotBitmap::DrawAt(int x, int baselineY, plat::Canvas& canvas) {
    TRTFBitmap::DrawAt(x, baselineY, canvas);
    HotRect = plat::Rect(x, baselineY - Ascent, x + NaturalWidth, baselineY);
}

bool TRTFHotBitmap::HitTest(int x, int y) const {
    return x >= HotRect.Left && x <= HotRect.Right && y >= HotRect.Top && y <= HotRect.Bottom;
}
