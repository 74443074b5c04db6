// The main window: creation from the screen's layout table, Init and the first showing, painting
// and refresh, the buttons, the music button, the close question. Saving and restoring are in
// ViewForm_Outfits.cpp.
#include "designer/shell/ViewForm.h"

#include "designer/controls/FormFont.h"
#include "designer/controls/HintWindowNew.h"
#include "designer/controls/ProgramCursors.h"
#include "designer/controls/ShowHide.h"
#include "designer/layout/SkinLayout.h"
#include "designer/shell/Busy.h"
#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "designer/shell/SkinControls.h"
#include "platform/print/PrinterProvider.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Screen.h"

namespace screen = layout::screen;

namespace {

// The flying messages' frames in Letters.bmp and where they show on the screen.
constexpr int kFlyWidth = 220;
constexpr int kFlyHeight = 80;
struct FlyPlace {
    int letterX;
    layout::Point at;
};
constexpr FlyPlace kFlyOk{0, {324, 400}};
constexpr FlyPlace kFlyV{221, {87, 400}};
constexpr FlyPlace kFlyD{442, {207, 400}};
constexpr int kFlyTicksOut = 4;
constexpr int kFlyTicksStay = 10;
constexpr int kFlyTicksBack = 4;
constexpr int kFlyInterval = 50;
// The save and restore targets of FlyBitmapOk: the book and the key, in the message's coordinates.
constexpr layout::Rect kSaveTarget{113, 21, 20, 10};
constexpr layout::Rect kLoadTarget{43, 52, 20, 10};

// The class selector's items in the layout table are Br Yu Bl Hl Pl Wn; their racks.
constexpr std::array<int, 6> kClassItemRack{2, 5, 3, 4, 1, 0};

// Hint texts of the sound button per music state.
std::string SoundHint(TMusicState state) {
    switch (state) {
    case TMusicState::Unavailable: return {};
    case TMusicState::Off: return plat::Ru("Включить музыку");
    case TMusicState::On: return plat::Ru("Выключить музыку");
    }
    return {};
}

} // namespace

TViewForm::TViewForm(std::unique_ptr<TMusic> music)
    : music_(music ? std::move(music) : std::make_unique<TMusic>()) {
    FormCreate();
}

TViewForm::~TViewForm() {
    music_->OnStateChange = nullptr;
    music_->Halt();
    slots_.reset();
    screenWardrobe_.reset();
    UnregisterFont(DataFile(Settings().ScreenFontFile));
    UnregisterFont(DataFile(Settings().PatternFontFile));
}

void TViewForm::FormCreate() {
    SetClientSize(screen::kSize.width, screen::kSize.height);
    SetCaption("Velmora");
    DragMovesWindow = false; // the title bar moves the window; a press on the screen is a surprise
    classCaptions_ = {plat::Ru("Пальто, шубы, плащи"), plat::Ru("Платья"),          plat::Ru("Брюки, лосины"),
                      plat::Ru("Блузы, маечки"),       plat::Ru("Халаты, купальники"), plat::Ru("Юбки"),
                      plat::Ru("Шапки, шляпки"),       plat::Ru("Туфли, сапоги")};
    RegisterFont(DataFile(Settings().ScreenFontFile), Settings().ScreenFontName);
    RegisterFont(DataFile(Settings().PatternFontFile), Settings().PatternFontName);
    RegisterProgramCursors();
    LoadPictures();
    MakeButtons();
    MakeWardrobe();
    MakeGroups();
    MakeTitleBar();
    MakeFlyingMessages();
    slots_ = std::make_unique<TOpenSaveForm>(windows_);
    InstallHintWindowNew();
    SetFormFontName(*this, Settings().ScreenFontName);
    music_->OnStateChange = [this] { ShowSoundState(); };
    ShowSoundState();
    HandOutSkin();
}

void TViewForm::LoadPictures() {
    LoadPicture(fon_, DataFile("Resource\\Main.bmp"));
    LoadPicture(resource_, DataFile("Resource\\Resource.bmp"));
    LoadPicture(letters_, DataFile("Resource\\Letters.bmp"));
}

void TViewForm::MakeButtons() {
    bShowModel = &Make<TBitmapButton>();
    bShowModel->SetBounds(screen::kShowModel.x, screen::kShowModel.y, screen::kShowModel.width,
                          screen::kShowModel.height);
    bShowModel->SetTransparent(true);
    bShowModel->SetHint(plat::Ru("Показать выкройки"));
    bShowModel->SetShowHint(true);
    bShowModel->OnClick = [this](plat::TControl&) { bShowModelClick(); };
    Help = &MakeSkinButton(*this, screen::kHelp, plat::Ru("Помощь"));
    Help->OnClick = [this](plat::TControl&) { HelpClick(); };
    Print = &MakeSkinButton(*this, screen::kPrint, plat::Ru("Печать выкроек"));
    Print->OnClick = [this](plat::TControl&) { PrintClick(); };
    bPrintDoll = &MakeSkinButton(*this, screen::kPrintDoll, plat::Ru("Печать куклы"));
    bPrintDoll->OnClick = [this](plat::TControl&) { bPrintDollClick(); };
    for (TBitmapButton* button : {Help, Print, bPrintDoll})
        button->SetCursor(crHand);
}

void TViewForm::MakeWardrobe() {
    screenWardrobe_ = std::make_unique<TWardrobeOnScreen>(*this, *this, fon_, faseWindow_);
    screenWardrobe_->OnModified = [this] { Modified = true; };
    screenWardrobe_->OnRackChosen = [this](int rack) { ShowRack(rack); };
    screenWardrobe_->OnShowPatterns = [this] { bShowModelClick(); };
    wardrobe_ = screenWardrobe_.get();
}

void TViewForm::MakeGroups() {
    // The hint of a group shows at the bottom-left corner of the item under the mouse.
    const auto placeHint = [](plat::TControl& group, int x, int y, plat::TPoint& where) {
        for (const auto& child : group.Controls()) {
            const plat::TRect r = child->BoundsRect();
            if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
                where = group.ClientToScreen({r.Left, r.Bottom});
        }
    };
    const auto makeGroup = [&](const layout::SkinButtonGroup& g) {
        auto& group = Make<TBitmapButtons>();
        group.SetBounds(g.place.x, g.place.y, g.place.width, g.place.height);
        group.OrgX = g.images.x;
        group.OrgY = g.images.y;
        group.HV = g.horizontal;
        group.SetShowHint(true);
        group.OnHintPosition = placeHint;
        return &group;
    };
    const auto makeItem = [](TBitmapButtons& group, const layout::GroupItem& item, std::string hint) {
        auto& region = group.Make<TItemBitmapButtons>();
        region.SetBounds(item.place.x, item.place.y, item.place.width, item.place.height);
        region.Number = item.number;
        region.SetHint(std::move(hint));
        return &region;
    };
    BitmapButtons1 = makeGroup(screen::kClassGroup);
    for (size_t i = 0; i < screen::kClassItems.size(); ++i) {
        const int rack = kClassItemRack[i];
        makeItem(*BitmapButtons1, screen::kClassItems[i], classCaptions_[rack])->OnLClick =
            [this, rack](TItemBitmapButtons&) { ShowRack(rack); };
    }
    BitmapButtons2 = makeGroup(screen::kOutfitGroup);
    makeItem(*BitmapButtons2, screen::kOutfitKey, plat::Ru("Восстановить"))->OnLClick =
        [this](TItemBitmapButtons&) { RestoreClick(); };
    makeItem(*BitmapButtons2, screen::kOutfitBook, plat::Ru("Сохранить"))->OnLClick =
        [this](TItemBitmapButtons&) { SaveClick(); };
}

void TViewForm::MakeTitleBar() {
    const layout::SkinCaptionBar& bar = screen::kTitleBar;
    CaptionBarPlus = &Make<TCaptionBarPlus>();
    CaptionBarPlus->SetBounds(bar.place.x, bar.place.y, bar.place.width, bar.place.height);
    CaptionBarPlus->Caption = "Velmora";
    CaptionBarPlus->ShowNameActiv = bar.showNameActive;
    CaptionBarPlus->ShowNamePassiv = bar.showNamePassive;
    const layout::Point corner = bar.place.Origin();
    Sound = &MakeSkinButton(*CaptionBarPlus, screen::kSound, {}, corner);
    Sound->OnClick = [this](plat::TControl&) { SoundClick(); };
    bMinimize = &MakeSkinButton(*CaptionBarPlus, screen::kMinimize, plat::Ru("Минимизировать"), corner);
    bMinimize->OnClick = [this](plat::TControl&) { bMinimizeClick(); };
    bClose = &MakeSkinButton(*CaptionBarPlus, screen::kClose, plat::Ru("Выход"), corner);
    bClose->OnClick = [this](plat::TControl&) { bCloseClick(); };
    // The creation's press of the sound button: nothing happens while the music is unavailable.
    music_->Toggle();
}

void TViewForm::MakeFlyingMessages() {
    const auto make = [this](const FlyPlace& place) {
        auto& fly = Make<TFlyBitmap>();
        fly.SetBounds(place.at.x, place.at.y, kFlyWidth, kFlyHeight);
        fly.SetVisible(false);
        fly.OrgX = place.letterX;
        fly.OrgY = 0;
        fly.OrgWidth = kFlyWidth;
        fly.OrgHeight = kFlyHeight;
        fly.SetStates(kFlyTicksOut, kFlyTicksStay, kFlyTicksBack);
        fly.SetInterval(kFlyInterval);
        fly.MainForm = this;
        return &fly;
    };
    FlyBitmapOk = make(kFlyOk);
    FlyBitmapV = make(kFlyV);
    FlyBitmapD = make(kFlyD);
    const auto target = [this](const layout::Rect& r) {
        auto& marker = FlyBitmapOk->Make<TMinWindow>();
        marker.SetBounds(r.x, r.y, r.width, r.height);
        return &marker;
    };
    MinWindowSave = target(kSaveTarget);
    MinWindowLoad = target(kLoadTarget);
}

void TViewForm::HandOutSkin() {
    const plat::Bitmap* skin = &resource_;
    SetSkinFrames(*Help, skin, screen::kHelp);
    SetSkinFrames(*Print, skin, screen::kPrint);
    SetSkinFrames(*bPrintDoll, skin, screen::kPrintDoll);
    SetSkinFrames(*Sound, skin, screen::kSound);
    SetSkinFrames(*bMinimize, skin, screen::kMinimize);
    SetSkinFrames(*bClose, skin, screen::kClose);
    BitmapButtons1->OrgImage = skin;
    BitmapButtons2->OrgImage = skin;
    CaptionBarPlus->BkActiv = skin;
    CaptionBarPlus->BkPassiv = skin;
    CaptionBarPlus->XBkActiv = screen::kTitleBar.active.x;
    CaptionBarPlus->YBkActiv = screen::kTitleBar.active.y;
    CaptionBarPlus->XBkPassiv = screen::kTitleBar.passive.x;
    CaptionBarPlus->YBkPassiv = screen::kTitleBar.passive.y;
    for (TFlyBitmap* fly : {FlyBitmapOk, FlyBitmapV, FlyBitmapD})
        fly->OrgImage = &letters_;
    slots_->SetSkin(skin);
    screenWardrobe_->SetSkin(skin);
}

void TViewForm::SetSubWindows(TSubWindows* windows) {
    windows_ = windows ? windows : &noWindows_;
    slots_->SetSubWindows(windows_);
}

void TViewForm::Init() {
    Load(/*silent=*/true);
    music_->ChooseNextSong();
    {
        plat::TRegIniFile ini(kProductKey);
        soundSetting_ = ReadSoundSetting(ini);
    }
    windows_->SetSkin(&resource_);
    windows_->SetCaption("Velmora");
    slots_->SetCaption("Velmora");
}

void TViewForm::Ready() {
    SetBounds((plat::ScreenWidth() - Width()) / 2, (plat::ScreenHeight() - Height()) / 2, Width(), Height());
    Show();
    Activate();
}

void TViewForm::DoShow() {
    TForm::DoShow();
    FormActivateOnce();
}

void TViewForm::Activated() {
    TForm::Activated();
    FormActivateOnce();
}

// Once, at the first showing: coming back from a modal window must neither toggle the music nor
// move the racks.
void TViewForm::FormActivateOnce() {
    if (activated_)
        return;
    activated_ = true;
    screenWardrobe_->ShowAll();
    {
        plat::TRegIniFile ini(kProductKey);
        ShowRack(ReadFrontRack(ini, slots_->Slot));
    }
    if (soundSetting_)
        music_->SwitchOn();
    else
        music_->SwitchOff();
    Invalidate();
}

void TViewForm::DoHide() {
    TForm::DoHide();
    music_->Halt();
    // An unavailable player says nothing about the child's wish; the stored one stays then.
    if (!music_->Available())
        return;
    try {
        plat::TRegIniFile ini(kProductKey);
        WriteSoundSetting(ini, music_->On());
    } catch (const plat::Exception&) {
    }
}

void TViewForm::ShowSoundState() {
    const TMusicState state = music_->State();
    Sound->SetState(static_cast<int>(state));
    Sound->SetPressState(state == TMusicState::Unavailable ? 1 : static_cast<int>(state) + 1);
    const std::string hint = SoundHint(state);
    Sound->SetHint(hint);
    Sound->SetShowHint(!hint.empty());
    Sound->SetCursor(state == TMusicState::Unavailable ? plat::crDefault : crHand);
}

void TViewForm::Paint(plat::Canvas& canvas) {
    if (!fon_.Empty())
        canvas.Draw(0, 0, fon_);
}

void TViewForm::PostRefresh() {
    if (refreshPosted_)
        return;
    refreshPosted_ = true;
    plat::PostMessage(this, plat::WM_USER);
}

void TViewForm::HandleMessage(const plat::TMessage& message) {
    if (message.Msg == plat::WM_USER) {
        refreshPosted_ = false;
        Refresh();
        return;
    }
    // The doll / pattern-panel exchange (WM_USER + 1 ... + 6) is sequenced by the coordinator.
    if (message.Msg > plat::WM_USER && message.Msg <= plat::WM_USER + 6)
        screenWardrobe_->Exchange.HandleMessage(static_cast<int>(message.Msg - plat::WM_USER));
}

void TViewForm::Refresh() {
    BitmapButtons1->Invalidate();
    BitmapButtons2->Invalidate();
    if (wardrobe_)
        wardrobe_->Refresh();
}

void TViewForm::ShowRack(int index) {
    if (index < 0 || index >= kClothingRackCount)
        return;
    visibleRack_ = index;
    if (wardrobe_)
        wardrobe_->ShowRack(index);
}

void TViewForm::MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) {
    TForm::MouseDown(button, shift, x, y);
    if (wardrobe_)
        wardrobe_->Trigger(x, y);
}

void TViewForm::WithHintsOff(const std::function<void()>& action) {
    SetHintsEnabled(false);
    try {
        action();
    } catch (...) {
        SetHintsEnabled(true);
        throw;
    }
    SetHintsEnabled(true);
}

bool TViewForm::PrinterInstalled() const {
    return !plat::CurrentPrinterProvider().Printers().empty();
}

void TViewForm::bShowModelClick() {
    if (faseWindow_.Empty()) {
        TBusyScope busy;
        LoadPicture(faseWindow_, DataFile("Resource\\FsWindow.bmp"));
    }
    screenWardrobe_->Surprises.Stop();
    plat::PostMessage(this, plat::WM_USER + 1);
}

void TViewForm::RestoreClick() {
    Load(/*silent=*/false);
    screenWardrobe_->ModelShow->LoadDescription();
}

void TViewForm::HelpClick() {
    WithHintsOff([this] { windows_->ShowHelp(*this, "main"); });
    PostRefresh();
}

void TViewForm::PrintClick() {
    if (!PrinterInstalled()) {
        plat::ShowMessage(plat::Ru("Ни один принтер не установлен в системе"));
        return;
    }
    if ((!wardrobe_ || !wardrobe_->AnythingWorn()) && !screenWardrobe_->Exchange.Shown()) {
        Fly(*FlyBitmapV, nullptr);
        return;
    }
    WithHintsOff([this] { windows_->ShowPatternPrint(*this); });
    screenWardrobe_->ModelShow->LoadDescription();
}

void TViewForm::bPrintDollClick() {
    if (!PrinterInstalled()) {
        plat::ShowMessage(plat::Ru("Ни один принтер не установлен в системе"));
        return;
    }
    if (!wardrobe_ || !wardrobe_->DollVisible()) {
        Fly(*FlyBitmapD, nullptr);
        return;
    }
    WithHintsOff([this] { windows_->ShowDollPrint(*this); });
}

void TViewForm::SoundClick() {
    music_->Toggle();
}

void TViewForm::bMinimizeClick() {
    plat::MinimizeApplication();
}

void TViewForm::bCloseClick() {
    Close();
}

void TViewForm::CloseQuery(bool& canClose) {
    TForm::CloseQuery(canClose);
    if (canClose && Modified)
        canClose = Save();
}

void TViewForm::Fly(TFlyBitmap& message, TMinWindow* target) {
    // Out of the target to the whole picture, and back into it.
    if (&message == FlyBitmapOk)
        FlyBitmapOk->MinWindow1 = target;
    message.BringToFront();
    message.SetEnabled(true);
}
