#include "setup/wizard/MainForm.h"

#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/PictureLoader.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/ui/Screen.h"
#include "platform/ui/StdControl.h"
#include "setup/wizard/Backdrop.h"

namespace setup {

namespace {

// A picture that does not load is no picture: the backdrop falls back to the gradient.
plat::Bitmap LoadOptional(const std::string& winPath) {
    plat::Bitmap picture;
    try {
        if (!plat::FileExists(winPath))
            return {};
        if (!plat::LoadPictureFile(plat::HostPath(winPath), picture).Ok)
            return {};
    } catch (const std::exception&) {
        return {};
    }
    return picture;
}

} // namespace

TMainForm::TMainForm(SetupContext& context, std::string ownDir) : context_(context), ownDir_(std::move(ownDir)) {
    plat::SetName(*this, "MainForm");
    SetCaption("Setup");
    DragMovesWindow = false;
    SetBounds(0, 0, plat::ScreenWidth(), plat::ScreenHeight());
    SetClientSize(plat::ScreenWidth(), plat::ScreenHeight());
    LoadPictures();
    startTimer_.SetInterval(10);
    startTimer_.OnTimer = [this] { StartTimerTimer(); };
    startTimer_.SetEnabled(true);
}

void TMainForm::LoadPictures() {
    logo_ = LoadOptional(ownDir_ + "logo.bmp");
    backgroundFile_ = BackgroundFileFor(plat::ScreenWidth());
    background_ = LoadOptional(ownDir_ + backgroundFile_);
    if (background_.Empty()) {
        backgroundFile_ = "back.bmp";
        background_ = LoadOptional(ownDir_ + backgroundFile_);
    }
    if (background_.Empty())
        backgroundFile_.clear();
}

const plat::Bitmap& TMainForm::Composed() {
    const int width = Width(), height = Height();
    if (composed_.Width() == width && composed_.Height() == height)
        return composed_;
    composed_ = plat::Bitmap(width, height);
    if (composed_.Empty())
        return composed_;
    plat::RasterCanvas canvas(composed_);
    if (background_.Empty())
        PaintGradient(canvas, plat::Rect(0, 0, width, height), context_.Main().Color("TopColor"),
                      context_.Main().Color("BottomColor"));
    else
        canvas.StretchDraw(plat::Rect(0, 0, width, height), background_);
    if (!logo_.Empty()) {
        // The logo's lower-left pixel is its transparent colour.
        const uint32_t clear = logo_.Row(logo_.Height() - 1)[0];
        const int left = width - kTextLeft - logo_.Width();
        for (int y = 0; y < logo_.Height(); ++y) {
            const int row = kTextTop + y;
            if (row < 0 || row >= height)
                continue;
            const uint32_t* from = logo_.Row(y);
            uint32_t* to = composed_.Row(row);
            for (int x = 0; x < logo_.Width(); ++x)
                if (from[x] != clear && left + x >= 0 && left + x < width)
                    to[left + x] = from[x];
        }
    }
    return composed_;
}

void TMainForm::Paint(plat::Canvas& canvas) {
    canvas.Draw(0, 0, Composed());
    if (labelText_.empty())
        return;
    canvas.Font.Name = "Arial";
    canvas.Font.Bold = true;
    canvas.Font.Size = 32; // a 43-pixel character cell at the screen's 96 dots per inch
    canvas.BackgroundMode = plat::BkMode::Transparent;
    canvas.Font.Color = plat::clBlack;
    canvas.TextOut(kTextLeft + 4, kTextTop + 4, labelText_);
    canvas.Font.Color = plat::clWhite;
    canvas.TextOut(kTextLeft, kTextTop, labelText_);
}

void TMainForm::StartTimerTimer() {
    startTimer_.SetEnabled(false);
    labelText_ = context_.Main().Text("SetupText");
    Repaint();
    if (ShowWizard)
        ShowWizard();
}

} // namespace setup
