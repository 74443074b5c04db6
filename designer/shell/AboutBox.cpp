// The about box's credits, scrolling and painting; see AboutBox.h.
#include "designer/shell/AboutBox.h"

#include "designer/controls/FormFont.h"
#include "designer/controls/ProgramCursors.h"
#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/ui/Screen.h"

namespace {

// 16 pixels at the 96 pixels per inch the windows are laid out for.
constexpr int kFontPoints = 12;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

TAboutBox::TAboutBox() : scroll_(kHeight, kBevel, 0) {
    SetClientSize(kWidth, kHeight);
    SetBounds(0, 0, kWidth, kHeight);
    SetCursor(crHand);
    DragMovesWindow = false;
    plat::TFont font;
    font.Name = "Arial Cyr";
    font.Size = kFontPoints;
    font.Color = kTextColor;
    SetFont(font);
    SetFormFontName(*this, Settings().ScreenFontName);
    LoadCredits();
    timer_.SetEnabled(false);
    timer_.SetInterval(kScrollIntervalMs);
    timer_.OnTimer = [this] { TimerTimer(); };
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::LoadCredits() {
    try {
        lines_ = SplitLines(plat::ReadFileBytes(DataFile("Resource\\about.txt")));
    } catch (const plat::Exception&) {
        lines_.clear();
    }
    LoadPicture(picture_, DataFile("Resource\\about.bmp"));
    plat::Bitmap scratch(1, 1);
    plat::RasterCanvas canvas(scratch);
    canvas.Font = Font();
    lineHeight_ = canvas.TextHeight("Wy");
    scroll_ = TCreditsScroll(kHeight, kBevel, ContentHeight());
}

int TAboutBox::ContentHeight() const {
    return picture_.Height() + static_cast<int>(lines_.size()) * lineHeight_;
}

plat::TPoint TAboutBox::CentredOn(const plat::TRect& area) {
    return plat::TPoint{area.Left + (area.Width() - kWidth) / 2, area.Top + (area.Height() - kHeight) / 2};
}

int TAboutBox::Execute(const plat::TControl* over) {
    plat::TRect area{0, 0, plat::ScreenWidth(), plat::ScreenHeight()};
    if (over) {
        const plat::TPoint origin = over->ClientToScreen(plat::TPoint{0, 0});
        area = plat::TRect{origin.X, origin.Y, origin.X + over->Width(), origin.Y + over->Height()};
    }
    return Execute(area);
}

int TAboutBox::Execute(const plat::TRect& area) {
    const plat::TPoint at = CentredOn(area);
    SetBounds(at.X, at.Y, kWidth, kHeight);
    StartScroll();
    return ShowModal();
}

void TAboutBox::StartScroll() {
    scroll_.Start();
    timer_.SetEnabled(true);
    Invalidate();
}

void TAboutBox::CloseOk() {
    timer_.SetEnabled(false);
    SetModalResult(kModalOk);
    Close();
}

void TAboutBox::TimerTimer() {
    const bool more = scroll_.Tick();
    Invalidate();
    if (!more)
        CloseOk();
}

void TAboutBox::MouseDown(plat::TMouseButton, plat::TShiftState, int, int) {
    CloseOk();
}

void TAboutBox::Paint(plat::Canvas& canvas) {
    const plat::TRect all{0, 0, Width(), Height()};
    canvas.Brush.Style = plat::BrushStyle::Solid;
    canvas.Brush.Color = plat::clBlack;
    canvas.FillRect(all);
    int y = scroll_.Top();
    if (!picture_.Empty())
        canvas.Draw((Width() - picture_.Width()) / 2, y, picture_);
    y += picture_.Height();
    canvas.Font = Font();
    canvas.BackgroundMode = plat::BkMode::Transparent;
    for (const std::string& line : lines_) {
        if (y + lineHeight_ > 0 && y < Height())
            canvas.TextOut((Width() - canvas.TextWidth(line)) / 2, y, line);
        y += lineHeight_;
    }
    // The raised inner bevel over whatever has scrolled under the edges.
    canvas.Pen.Style = plat::PenStyle::Solid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = plat::clWhite;
    canvas.MoveTo(0, Height() - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(Width() - 1, 0);
    canvas.Pen.Color = plat::clGray;
    canvas.LineTo(Width() - 1, Height() - 1);
    canvas.LineTo(-1, Height() - 1);
}
