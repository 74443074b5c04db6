// wardrobe-window: hosts the wardrobe on a 640 x 480 window over the CD's main picture the way the
// main window will: the doll, the six clothing racks (one shown), the hat and shoe views, the
// fabric drum, the pattern panel with the show/hide exchange and the surprises. Its background
// shows the patterns on a click on the doll's board and plays a surprise elsewhere.
//   wardrobe-window [--cd <folder>] [--screenshot out.png]
// With --screenshot it dresses the doll by dragging garments from the racks, paints a piece from
// the open drum, turns the dresses rack, writes what the screen shows and exits.
#include "designer/controls/ProgramCursors.h"
#include "designer/controls/ShowHide.h"
#include "designer/layout/SkinLayout.h"
#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "designer/wardrobe/BrushSelect.h"
#include "designer/wardrobe/ModelShow.h"
#include "designer/wardrobe/ModelView.h"
#include "designer/wardrobe/Models.h"
#include "designer/wardrobe/Zamor.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/PictureWriter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Synthetic.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

using namespace wardrobe;

namespace {

plat::Bitmap Resource(const std::string& name) {
    plat::Bitmap b;
    LoadPicture(b, DataFile("Resource\\" + name));
    return b;
}

// The window's surface: the main picture; presses on it show patterns or play surprises.
struct TBackdrop : plat::TControl {
    using plat::TControl::TControl;
    const plat::Bitmap* Picture = nullptr;
    std::function<void(int, int)> OnPress;
    void Paint(plat::Canvas& canvas) override {
        if (Picture)
            canvas.Draw(0, 0, *Picture);
    }
    void MouseDown(plat::TMouseButton, plat::TShiftState, int x, int y) override {
        if (OnPress)
            OnPress(x, y);
    }
};

struct TWindow : plat::TMessageTarget {
    TMaterialCatalogue Fabrics;
    std::array<std::unique_ptr<TClassModels>, kClassCount> Classes;
    TAllModels All;
    plat::Bitmap Main = Resource("Main.bmp"), FsView = Resource("FsView.bmp"),
                 FsWindow = Resource("FsWindow.bmp"), Zamor = Resource("Zamor.bmp"),
                 Skin = Resource("Resource.bmp");
    plat::TForm Form;
    TBackdrop* Backdrop = nullptr;
    TModels* Doll = nullptr;
    TModelShow* Panel = nullptr;
    TBrushSelect* Drum = nullptr;
    std::array<TModelView*, kClassCount> Views{};
    TShowHide Exchange;
    TZamor Surprises;

    void HandleMessage(const plat::TMessage& m) override {
        const unsigned n = m.Msg - plat::WM_USER;
        if (n == 0) {
            for (TModelView* v : Views)
                v->Invalidate();
            Doll->Invalidate();
            Panel->Invalidate();
            return;
        }
        Exchange.HandleMessage(int(n));
    }

    void Build() {
        Form.SetCaption("Velmora wardrobe");
        Form.SetClientSize(640, 480);
        Form.DragMovesWindow = false;
        Backdrop = &Form.Make<TBackdrop>();
        Backdrop->SetBounds(0, 0, 640, 480);
        Backdrop->Picture = &Main;
        Fabrics.SetSheets(Resource("FillsS.bmp"), Resource("FillsM.bmp"));
        Drum = &Form.Make<TBrushSelect>();
        Drum->Catalogue = &Fabrics;
        Drum->FaseImage = Resource("FsBrush.bmp");
        Drum->SetUp();
        for (int i = 0; i < kClassCount; ++i) {
            Classes[size_t(i)] = std::make_unique<TClassModels>(i);
            All.cm[size_t(i)] = Classes[size_t(i)].get();
        }
        All.BrushSelect = Drum;
        All.MainWindow = this;
        All.Load(239, 212, "States1", nullptr);
        Doll = &Form.Make<TModels>();
        Doll->AllModels = &All;
        Doll->StandardDollImage = Resource("Doll.bmp");
        Doll->OrgImage = &Main;
        Doll->MainWindow = this;
        Doll->OnShowPatterns = [this] { plat::PostMessage(this, plat::WM_USER + 1); };
        Doll->SetUp();
        Panel = &Form.Make<TModelShow>();
        Panel->OrgImage = &FsWindow;
        Panel->AllModes = &All;
        Panel->MainWindow = this;
        Panel->SetSkin(&Skin);
        Panel->OnHidePatterns = [this] { plat::PostMessage(this, plat::WM_USER + 2); };
        All.OnChangeModel = [this] { Panel->LoadDescription(); };
        for (int i = 0; i < kClassCount; ++i) {
            TModelView& v = Form.Make<TModelView>();
            v.ClassModels = Classes[size_t(i)].get();
            v.AllModes = &All;
            v.MainWindow = this;
            v.PatternsShown = [this] { return Exchange.Shown(); };
            if (i == kClassSh || i == kClassTf) {
                const layout::Rect r = i == kClassSh ? layout::screen::kHatView : layout::screen::kShoeView;
                v.SetBounds(r.x, r.y, r.width, r.height);
                v.HasParts = false;
                v.DownImage = &Main;
                v.DownOrigin = {r.x, r.y};
            } else {
                const layout::Rect r = i == 5 ? layout::screen::kSkirtRack : layout::screen::kRack;
                v.SetBounds(r.x, r.y, r.width, r.height);
                v.DownImage = &FsView;
                v.SetVisible(i == kClassPl);
                v.OnGarmentReturned = [this](TClassModels& k) { ShowRack(k.Index); };
            }
            v.SetUp(nullptr, "");
            Views[size_t(i)] = &v;
        }
        Exchange.Models = Doll;
        Exchange.ModelShow = Panel;
        Exchange.Start();
        AnimationsEnabled = ScreenEffects();
        Surprises.MakeAnimations(Form, &Zamor);
        Backdrop->OnPress = [this](int x, int y) {
            if (layout::screen::kShowModel.x <= x && x < layout::screen::kShowModel.Right() &&
                layout::screen::kShowModel.y <= y && y < layout::screen::kShowModel.Bottom() &&
                !Exchange.Shown()) {
                Surprises.Stop();
                plat::PostMessage(this, plat::WM_USER + 1);
                return;
            }
            Surprises.Trigger(x, y, Doll->Visible());
        };
        Form.SetBounds(20, 20, 640, 480);
        Form.Show();
    }

    void ShowRack(int index) {
        for (int i = 0; i < kClassCount; ++i)
            if (Classes[size_t(i)]->Tag == 1)
                Views[size_t(i)]->SetVisible(i == index);
    }
};

void Settle(int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
        plat::ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// A drag from one control to a point of another, as the mouse would make it.
void DragTo(plat::TControl& from, int x, int y, plat::TControl& to, int tx, int ty) {
    const plat::TPoint a = from.ClientToScreen({0, 0}), b = to.ClientToScreen({tx, ty});
    plat::SendMouse(from, plat::TMouseAction::Press, plat::TMouseButton::Left, x, y);
    plat::SendMouse(from, plat::TMouseAction::Move, plat::TMouseButton::Left, b.X - a.X, b.Y - a.Y);
    plat::SendMouse(from, plat::TMouseAction::Release, plat::TMouseButton::Left, b.X - a.X, b.Y - a.Y);
    Settle(50);
}

// A point of the doll where layer `index` is hit, or (-1, -1).
plat::TPoint PointOn(TWindow& w, int index) {
    for (int y = 0; y < 360; y += 3)
        for (int x = 60; x < 140; x += 3)
            if (w.Doll->HitLayer(x, y) == &w.Doll->Items[size_t(index)])
                return {x, y};
    return {-1, -1};
}

// Turns the drum forward `turns` times, then drags slot 0's fabric onto the worn garment of
// `index`; with `all` Shift is held, so every piece takes it.
void Paint(TWindow& w, int index, int turns, bool all) {
    for (int i = 0; i < turns; ++i) {
        w.Drum->TurnForward();
        Settle(150);
    }
    const plat::TPoint on = PointOn(w, index);
    if (on.X < 0)
        return;
    for (int y = 0; y < 103; ++y)
        for (int x = 0; x < 99; ++x)
            if (w.Drum->SlotAt(x, y) == 0) {
                w.Drum->MouseDown(plat::TMouseButton::Left, {/*Shift=*/all}, x, y);
                const plat::TPoint a = w.Drum->ClientToScreen({0, 0}), b = w.Doll->ClientToScreen(on);
                plat::SendMouse(*w.Drum, plat::TMouseAction::Release, plat::TMouseButton::Left, b.X - a.X,
                                b.Y - a.Y);
                Settle(50);
                return;
            }
}

void Dress(TWindow& w, int index, int model) {
    w.ShowRack(index);
    w.Classes[size_t(index)]->SetItemIndex(model);
    w.Views[size_t(index)]->Repaint();
    DragTo(*w.Views[size_t(index)], 40, 80, *w.Doll, 100, 170);
}

} // namespace

int main(int argc, char** argv) {
    std::string cd = VELMORA_CD_DIR, screenshot;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--cd") == 0)
            cd = argv[++i];
        else if (std::strcmp(argv[i], "--screenshot") == 0)
            screenshot = argv[++i];
    }
    plat::EnsureUiApplication();
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd));
    Settings().HDPath = Settings().CDPath;
    RegisterProgramCursors();
    TWindow window;
    window.Build();
    if (screenshot.empty())
        return window.Form.ShowModal() >= 0 ? 0 : 1;
    Settle(300);
    Dress(window, 3, 1); // a blouse
    Dress(window, 5, 2); // a skirt
    Dress(window, kClassTf, 0);
    window.Views[kClassTf]->Click(); // the shoes view turns to the next pair
    Dress(window, kClassSh, 1);
    // Open the drum and paint: the blouse and the shoes whole, the skirt and the hat piece by piece.
    plat::Click(*window.Drum, 50, 50);
    Settle(300);
    Paint(window, 3, 2, true);
    Paint(window, 5, 7, true);
    Paint(window, 5, 3, false);
    Paint(window, kClassTf, 5, true);
    Paint(window, kClassSh, 9, true);
    // The dresses rack half way through a turn.
    window.ShowRack(kClassPl);
    window.Views[kClassPl]->Click();
    Settle(4 * 80 - 40);
    Settle(100);
    if (!plat::SavePng(plat::CaptureScreen(window.Form.BoundsRect()), screenshot)) {
        std::fprintf(stderr, "wardrobe-window: cannot write %s\n", screenshot.c_str());
        return 1;
    }
    return 0;
}
