// Placement and glow of the skinned hint. The glow is computed per pixel on every paint, so the
// inner loop keeps to integers where it can and rounds each channel once.
#include "designer/controls/HintGlow.h"

#include "platform/core/Numeric.h"

#include <algorithm>
#include <cmath>

using plat::TRect;

TRect PlaceHint(const TRect& requested, int screenWidth, int screenHeight, int cursorY) {
    TRect r = requested;
    const int width = r.Width();
    const int height = r.Height();
    if (r.Bottom > screenHeight) {
        r.Top = screenHeight - height;
        if (cursorY >= r.Top && cursorY < r.Top + height)
            r.Top = cursorY - height;
        r.Bottom = r.Top + height;
    }
    if (r.Right > screenWidth)
        r.Left = screenWidth - width;
    r.Left = std::max(r.Left, 0);
    r.Right = r.Left + width;
    return r;
}

namespace {

uint32_t Toward(uint32_t channel, int target, double t) {
    const int value = static_cast<int>(channel);
    return static_cast<uint32_t>(std::clamp(value + plat::Round(t * (target - value)), 0, 255));
}

} // namespace

void PaintHintGlow(plat::Bitmap& backdrop) {
    const int cx = backdrop.Width() / 2;
    const int cy = backdrop.Height() / 2;
    // A hint one pixel thin has no ellipse to speak of (the radii would be 0).
    if (cx == 0 || cy == 0)
        return;
    const double cx2 = static_cast<double>(cx) * cx;
    const double cy2 = static_cast<double>(cy) * cy;
    const int targetR = plat::GetRValue(kHintGlowColor);
    const int targetG = plat::GetGValue(kHintGlowColor);
    const int targetB = plat::GetBValue(kHintGlowColor);
    // The drawing loop runs over 0..width and 0..height inclusive; the last column and row lie
    // outside the window, where the weight is 0 anyway, so the bitmap's pixels are all there is.
    for (int y = 0; y < backdrop.Height(); ++y) {
        const double dy = static_cast<double>(y - cy) * (y - cy) / cy2;
        if (dy >= 1.0)
            continue;
        uint32_t* row = backdrop.Row(y);
        for (int x = 0; x < backdrop.Width(); ++x) {
            const double t = 1.0 - (static_cast<double>(x - cx) * (x - cx) / cx2 + dy);
            if (t <= 0.0)
                continue;
            const uint32_t p = row[x];
            row[x] = 0xFF000000u | (Toward((p >> 16) & 0xFF, targetR, t) << 16) |
                     (Toward((p >> 8) & 0xFF, targetG, t) << 8) | Toward(p & 0xFF, targetB, t);
        }
    }
}

TRect HintTextRect(int width, int height) {
    const int cx = width / 2;
    const int cy = height / 2;
    return plat::Rect(cx / 2 + 1, cy / 2, width - cx / 2, height - cy / 2);
}

namespace {

void WrapParagraph(plat::Canvas& canvas, const std::string& paragraph, int width,
                   std::vector<std::string>& lines) {
    std::string line;
    size_t start = 0;
    while (start <= paragraph.size()) {
        size_t end = paragraph.find(' ', start);
        if (end == std::string::npos)
            end = paragraph.size();
        const std::string word = paragraph.substr(start, end - start);
        const std::string joined = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && canvas.TextWidth(joined) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = joined;
        }
        start = end + 1;
    }
    lines.push_back(line);
}

} // namespace

std::vector<std::string> WrapHintText(plat::Canvas& canvas, const std::string& text, int width) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string paragraph = text.substr(start, end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.pop_back();
        WrapParagraph(canvas, paragraph, width, lines);
        start = end + 1;
    }
    return lines;
}

int HintFontSize(int pixelsPerInch) {
    return pixelsPerInch == 96 ? 24 : 20;
}
