// The wardrobe components at their places on the main window.
#include "designer/shell/WardrobeOnScreen.h"

#include "designer/layout/SkinLayout.h"
#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "platform/ui/Messages.h"

namespace screen = layout::screen;

namespace {

// Where the sorted model pictures are fitted on the pattern panel.
constexpr int kAvailWidth = 239;
constexpr int kAvailHeight = 212;

plat::Bitmap Resource(const char* name) {
    plat::Bitmap picture;
    LoadPicture(picture, DataFile(std::string("Resource\\") + name));
    return picture;
}

layout::Rect ViewPlace(int cls) {
    if (cls == wardrobe::kClassSh)
        return screen::kHatView;
    if (cls == wardrobe::kClassTf)
        return screen::kShoeView;
    return cls == 5 ? screen::kSkirtRack : screen::kRack;
}

} // namespace

TWardrobeOnScreen::TWardrobeOnScreen(plat::TControl& window, plat::TMessageTarget& mainWindow,
                                     const plat::Bitmap& background, const plat::Bitmap& patternFrames)
    : window_(window) {
    fabrics_.SetSheets(Resource("FillsS.bmp"), Resource("FillsM.bmp"));
    fsView_ = Resource("FsView.bmp");

    BrushSelect = &window.Make<wardrobe::TBrushSelect>();
    BrushSelect->SetBounds(screen::kDrum.x, screen::kDrum.y, screen::kDrum.width, screen::kDrum.height);
    BrushSelect->Catalogue = &fabrics_;
    BrushSelect->FaseImage = Resource("FsBrush.bmp");
    BrushSelect->SetUp();
    BrushSelect->SetVisible(false);

    for (int cls = 0; cls < wardrobe::kClassCount; ++cls) {
        Classes[size_t(cls)] = std::make_unique<wardrobe::TClassModels>(cls);
        AllModels.cm[size_t(cls)] = Classes[size_t(cls)].get();
    }
    AllModels.BrushSelect = BrushSelect;
    AllModels.MainWindow = &mainWindow;

    for (int cls = 0; cls < wardrobe::kClassCount; ++cls) {
        auto& view = window.Make<wardrobe::TModelView>();
        const layout::Rect place = ViewPlace(cls);
        view.SetBounds(place.x, place.y, place.width, place.height);
        view.ClassModels = Classes[size_t(cls)].get();
        view.AllModes = &AllModels;
        view.MainWindow = &mainWindow;
        view.HasParts = cls != wardrobe::kClassSh && cls != wardrobe::kClassTf;
        view.DownImage = view.HasParts ? &fsView_ : &background;
        view.DownOrigin = {place.x, place.y};
        view.OnModified = [this] {
            if (OnModified)
                OnModified();
        };
        view.OnGarmentReturned = [this](wardrobe::TClassModels& c) { GarmentReturned(c); };
        view.PatternsShown = [this] { return Exchange.Shown(); };
        view.SetVisible(false);
        Views[size_t(cls)] = &view;
    }

    Models = &window.Make<wardrobe::TModels>();
    Models->SetBounds(screen::kDoll.x, screen::kDoll.y, screen::kDoll.width, screen::kDoll.height);
    Models->AllModels = &AllModels;
    Models->StandardDollImage = Resource("Doll.bmp");
    Models->OrgImage = &background;
    Models->OrgOrigin = {screen::kDoll.x, screen::kDoll.y};
    Models->MainWindow = &mainWindow;
    Models->ShowModelSpot = plat::Bounds(screen::kShowModel.x - screen::kDoll.x, screen::kShowModel.y - screen::kDoll.y,
                                         screen::kShowModel.width, screen::kShowModel.height);
    Models->OnModified = [this] {
        if (OnModified)
            OnModified();
    };
    Models->OnShowPatterns = [this] {
        if (OnShowPatterns)
            OnShowPatterns();
    };
    Models->SetVisible(false);

    ModelShow = &window.Make<wardrobe::TModelShow>();
    ModelShow->SetBounds(screen::kPatternPanel.x, screen::kPatternPanel.y, screen::kPatternPanel.width,
                         screen::kPatternPanel.height);
    ModelShow->OrgImage = &patternFrames;
    ModelShow->AllModes = &AllModels;
    ModelShow->MainWindow = &mainWindow;
    ModelShow->OnModified = [this] {
        if (OnModified)
            OnModified();
    };
    ModelShow->OnHidePatterns = [&mainWindow] { plat::PostMessage(&mainWindow, plat::WM_USER + 2); };
    ModelShow->SetVisible(false);
    AllModels.OnChangeModel = [this] { ModelShow->LoadDescription(); };

    Exchange.Models = Models;
    Exchange.ModelShow = ModelShow;
    Exchange.Start();
    AnimationsEnabled = wardrobe::ScreenEffects();
    zamor_ = Resource("Zamor.bmp");
    Surprises.MakeAnimations(window, &zamor_);
}

TWardrobeOnScreen::~TWardrobeOnScreen() {
    Surprises.Stop();
    Exchange.Finish();
    AllModels.OnChangeModel = nullptr;
    // The components refer to the classes and the catalogue held here: they go first.
    window_.Free(*ModelShow);
    for (wardrobe::TZamorI* surprise : Surprises.ZamorI)
        if (surprise)
            window_.Free(*surprise);
    for (wardrobe::TModelView* view : Views)
        window_.Free(*view);
    window_.Free(*Models);
    window_.Free(*BrushSelect);
    AllModels.Unload();
}

void TWardrobeOnScreen::ShowAll() {
    Views[wardrobe::kClassSh]->Show();
    Views[wardrobe::kClassTf]->Show();
    BrushSelect->Show();
    Models->Show();
}

void TWardrobeOnScreen::SaveState(plat::TRegIniFile& ini, const std::string& section) {
    AllModels.SaveState(ini, section);
    Models->SaveState(ini, section);
    for (const wardrobe::TModelView* view : Views)
        view->SaveState(ini, section);
}

void TWardrobeOnScreen::LoadState(plat::TRegIniFile& ini, const std::string& section, bool silent) {
    if (!silent) {
        Models->TakeOffAll();
        AllModels.Unload();
    }
    AllModels.Load(kAvailWidth, kAvailHeight, section, &ini);
    Models->SetUp();
    Models->LoadState(ini, section);
    for (wardrobe::TModelView* view : Views) {
        view->SetUp(&ini, section);
        view->Invalidate();
    }
    ModelShow->LoadDescription();
}

void TWardrobeOnScreen::ShowRack(int index) {
    for (int cls = 0; cls < kClothingRackCount; ++cls)
        Views[size_t(cls)]->SetVisible(cls == index);
    AllModels.SetClassModels(Classes[size_t(index)].get());
}

void TWardrobeOnScreen::GarmentReturned(wardrobe::TClassModels& cls) {
    if (cls.Index >= 0 && cls.Index < kClothingRackCount && OnRackChosen)
        OnRackChosen(cls.Index);
}

bool TWardrobeOnScreen::AnythingWorn() {
    return Models->AnyWorn();
}

void TWardrobeOnScreen::Refresh() {
    for (wardrobe::TModelView* view : Views)
        if (view->Visible())
            view->Invalidate();
    if (Models->Visible())
        Models->Invalidate();
    if (ModelShow->Visible())
        ModelShow->Invalidate();
}
