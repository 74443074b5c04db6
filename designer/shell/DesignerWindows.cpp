// The designer's windows, made in start-up's order: the main window (with the outfit slots it
// owns) and the about box. The pattern-print, help and doll-print windows join here when they are
// part of the program; until then the main window's buttons for them open nothing.
#include "designer/shell/DesignerWindows.h"

#include "designer/shell/AboutBox.h"
#include "designer/shell/ViewForm.h"

namespace {

class TProgramWindows : public TDesignerWindows {
public:
    void Create(const std::function<void()>& pump) override {
        view_ = std::make_unique<TViewForm>();
        pump();
        about_ = std::make_unique<TAboutBox>();
        pump();
    }
    void Init() override { view_->Init(); }
    void ShowMain() override { view_->Ready(); }
    plat::TForm& MainForm() override { return *view_; }

private:
    std::unique_ptr<TViewForm> view_;
    std::unique_ptr<TAboutBox> about_;
};

} // namespace

std::unique_ptr<TDesignerWindows> MakeDesignerWindows() {
    return std::make_unique<TProgramWindows>();
}
