// The skinned hint window on the toolkit's floating window: placement with the screen's size and
// the pointer, the backdrop captured before showing, and the glow and text painted over it.
#include "designer/controls/HintWindowNew.h"

#include "designer/controls/HintGlow.h"
#include "designer/shell/Settings.h"
#include "platform/core/Platform.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/ui/Screen.h"

#include <algorithm>
#include <memory>

namespace {

// The hint is measured and written in the screen face; before the settings are read, in "Vizo",
// the face they name.
std::string ScreenFace() {
    const std::string& face = Settings().ScreenFontName;
    return face.empty() ? "Vizo" : face;
}

} // namespace

THintWindowNew::THintWindowNew() {
    hintFont_.Name = ScreenFace();
    hintFont_.Size = HintFontSize(plat::Platform::Current().ScreenPixelsPerInch());
    hintFont_.Color = kHintTextColor;
}

plat::TRect THintWindowNew::CalcHintRect(int maxWidth, const std::string& text) {
    plat::Bitmap scratch(1, 1);
    plat::RasterCanvas canvas(scratch);
    canvas.Font = hintFont_;
    const std::vector<std::string> lines = WrapHintText(canvas, text, maxWidth);
    int width = 0;
    for (const std::string& line : lines)
        width = std::max(width, canvas.TextWidth(line));
    const int height = static_cast<int>(lines.size()) * canvas.TextHeight("Wg");
    return plat::Bounds(0, 0, width + 6, height + 2);
}

void THintWindowNew::ActivateHintAt(const plat::TRect& rect, const std::string& text) {
    caption_ = text;
    const plat::TRect placed =
        PlaceHint(rect, plat::ScreenWidth(), plat::ScreenHeight(), plat::CursorPos().Y);
    // Captured while hidden, or the glow would be computed over the previous hint.
    Hide();
    backdrop_ = plat::CaptureScreen(placed);
    ShowAt(placed);
}

void THintWindowNew::ActivateHint(plat::TPoint pointer, const std::string& text) {
    const plat::TRect size = CalcHintRect(plat::ScreenWidth(), text);
    ActivateHintAt(plat::Bounds(pointer.X, pointer.Y + kCursorHeightMargin, size.Width(), size.Height()),
                   text);
}

void THintWindowNew::ReleaseHint() {
    Hide();
}

void THintWindowNew::Paint(plat::Canvas& canvas) {
    auto* raster = dynamic_cast<plat::RasterCanvas*>(&canvas);
    if (!raster)
        return;
    // Nothing is erased: the glow is computed anew on every paint from the captured backdrop.
    plat::Bitmap& target = raster->Target();
    raster->Draw(0, 0, backdrop_);
    PaintHintGlow(target);
    const plat::TRect box = HintTextRect(Width(), Height());
    canvas.Font = hintFont_;
    canvas.Font.Size = hintFont_.Size / 2;
    canvas.BackgroundMode = plat::BkMode::Transparent;
    int top = box.Top;
    const int lineHeight = canvas.TextHeight("Wg");
    for (const std::string& line : WrapHintText(canvas, caption_, box.Width())) {
        canvas.TextOut(box.Left, top, line);
        top += lineHeight;
    }
}

void InstallHintWindowNew() {
    plat::SetHintWindowClass([] { return std::make_unique<THintWindowNew>(); });
}
