// The designer's windows until the main window is part of the program: one 640 x 480 window in
// the middle of the screen showing the designer's screen picture and saying that the main window
// is still being built; a click closes it.
#include "designer/shell/DesignerWindows.h"
#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Screen.h"

namespace {

class TPlaceholderForm : public plat::TForm {
public:
    TPlaceholderForm() {
        SetClientSize(640, 480);
        SetBounds((plat::ScreenWidth() - 640) / 2, (plat::ScreenHeight() - 480) / 2, 640, 480);
        SetCaption("Velmora");
        DragMovesWindow = false;
    }

    void Load() { LoadPicture(screen_, DataFile("Resource\\Main.bmp")); }

    void Paint(plat::Canvas& canvas) override {
        canvas.Brush.Style = plat::BrushStyle::Solid;
        canvas.Brush.Color = plat::RGB(40, 24, 64);
        canvas.FillRect(plat::TRect{0, 0, Width(), Height()});
        if (!screen_.Empty())
            canvas.Draw(0, 0, screen_);
        canvas.Font.Name = Settings().ScreenFontName;
        canvas.Font.Size = 14;
        canvas.Font.Color = plat::clWhite;
        canvas.BackgroundMode = plat::BkMode::Transparent;
        const std::string text = plat::Ru("Главное окно ещё строится. Щелчок закрывает программу.");
        const int width = canvas.TextWidth(text);
        canvas.Brush.Color = plat::RGB(40, 24, 64);
        canvas.FillRect(plat::TRect{(Width() - width) / 2 - 8, 12, (Width() + width) / 2 + 8,
                                    20 + canvas.TextHeight(text)});
        canvas.TextOut((Width() - width) / 2, 16, text);
    }

    void MouseDown(plat::TMouseButton, plat::TShiftState, int, int) override { Close(); }

private:
    plat::Bitmap screen_;
};

class TPlaceholderWindows : public TDesignerWindows {
public:
    void Create(const std::function<void()>& pump) override {
        main_ = std::make_unique<TPlaceholderForm>();
        pump();
    }
    void Init() override { main_->Load(); }
    plat::TForm& MainForm() override { return *main_; }

private:
    std::unique_ptr<TPlaceholderForm> main_;
};

} // namespace

std::unique_ptr<TDesignerWindows> MakeDesignerWindows() {
    return std::make_unique<TPlaceholderWindows>();
}
