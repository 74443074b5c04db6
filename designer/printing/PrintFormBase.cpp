#include "designer/printing/PrintFormBase.h"

#include "designer/controls/FormFont.h"
#include "designer/controls/ProgramCursors.h"
#include "designer/shell/Settings.h"
#include "platform/core/Numeric.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/Printer.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Screen.h"
#include "platform/ui/StdControl.h"

namespace printing {

namespace {

constexpr int kFlyTicksOut = 4;
constexpr int kFlyTicksStay = 10;
constexpr int kFlyTicksBack = 4;
constexpr int kFlyInterval = 50;
constexpr int kCaptionFontSize = 11;

void Place(plat::TControl& control, const layout::Rect& r) {
    control.SetBounds(r.x, r.y, r.width, r.height);
}

} // namespace

std::string NoPrinterMessage() {
    return plat::Ru("Ни один принтер не установлен в системе");
}

TPrintFormBase::TPrintFormBase(const layout::SkinWindow& window, const layout::SkinPicture& printedMessage)
    : window_(window) {
    SetClientSize(window.size.width, window.size.height);
    SetShowHint(true);
    KeyPreview = true;
    lCaption = &Make<TCaptionBarPlus>();
    plat::SetName(*lCaption, "lCaption");
    lCaption->ShowNameActiv = lCaption->ShowNamePassiv = true;
    plat::TFont captionFont;
    captionFont.Size = kCaptionFontSize;
    captionFont.Color = plat::clBlack;
    lCaption->SetFont(captionFont);

    FlyBitmap = &Make<TFlyBitmap>();
    plat::SetName(*FlyBitmap, "FlyBitmap");
    FlyBitmap->SetVisible(false);
    FlyBitmap->OrgX = printedMessage.rect.x;
    FlyBitmap->OrgY = printedMessage.rect.y;
    FlyBitmap->OrgWidth = printedMessage.rect.width;
    FlyBitmap->OrgHeight = printedMessage.rect.height;
    FlyBitmap->SetStates(kFlyTicksOut, kFlyTicksStay, kFlyTicksBack);
    FlyBitmap->SetInterval(kFlyInterval);
    FlyBitmap->MainForm = this;
    MinWindow = &FlyBitmap->Make<TMinWindow>();
    FlyBitmap->MinWindow1 = MinWindow;
}

TBitmapButton& TPrintFormBase::MakeButton(const layout::SkinButton& b, const char* hint) {
    auto& button = Make<TBitmapButton>();
    Place(button, b.place);
    button.SetHint(plat::Ru(hint));
    button.SetShowHint(true);
    button.SetCursor(crHand);
    skinned_.emplace_back(&button, b);
    return button;
}

plat::TLabel& TPrintFormBase::MakeLabel(const layout::Rect& place, const std::string& caption) {
    auto& label = Make<plat::TLabel>(caption);
    Place(label, place);
    return label;
}

void TPrintFormBase::BindCommonButtons() {
    bSetupPrint->OnClick = [this](plat::TControl&) { SetupPrintClick(); };
    bPrint->OnClick = [this](plat::TControl&) { PrintClick(); };
    bExit->OnClick = [this](plat::TControl&) { ExitClick(); };
    bExit2->OnClick = [this](plat::TControl&) { ExitClick(); };
    bHelp->OnClick = [this](plat::TControl&) { bHelpClick(); };
    for (const auto& [control, name] :
         std::initializer_list<std::pair<plat::TControl*, const char*>>{{bSetupPrint, "bSetupPrint"},
                                                                        {bPrint, "bPrint"},
                                                                        {bExit, "bExit"},
                                                                        {bExit2, "bExit2"},
                                                                        {bHelp, "bHelp"},
                                                                        {Label11, "Label11"},
                                                                        {NamePrinter, "NamePrinter"}})
        plat::SetName(*control, name);
    // The flying message passes over everything else on the window.
    FlyBitmap->BringToFront();
    SetFormFontName(*this, Settings().ScreenFontName.empty() ? "Sans" : Settings().ScreenFontName);
}

plat::Printer& TPrintFormBase::CurrentPrinter() {
    return plat::GlobalPrinter();
}

void TPrintFormBase::SetSkin(const plat::Bitmap* skin) {
    skin_ = skin;
    Invalidate();
}

void TPrintFormBase::FormShow() {
    const plat::TRect over =
        MainForm ? MainForm->BoundsRect() : plat::TRect{0, 0, plat::ScreenWidth(), plat::ScreenHeight()};
    SetBounds(over.Left + plat::DivTrunc(over.Width() - Width(), 2),
              over.Top + plat::DivTrunc(over.Height() - Height(), 2), Width(), Height());
    NamePrinter->SetCaption(CurrentPrinter().PrinterName());
    for (auto& [button, b] : skinned_)
        button->SetResImage(skin_, b.frames.x, b.frames.y);
    lCaption->BkActiv = lCaption->BkPassiv = skin_;
    FlyBitmap->OrgImage = skin_;
    Invalidate();
}

int TPrintFormBase::Execute() {
    FormShow();
    return ShowModal();
}

bool TPrintFormBase::CheckPrinter() {
    if (!CurrentPrinter().Printers().empty())
        return true;
    plat::ShowError(NoPrinterMessage());
    return false;
}

void TPrintFormBase::SetupPrintClick() {
    if (!CheckPrinter())
        return;
    if (plat::ExecPrinterSetupDialog(CurrentPrinter()))
        NamePrinter->SetCaption(CurrentPrinter().PrinterName());
}

void TPrintFormBase::bHelpClick() {
    if (OpenHelp)
        OpenHelp(HelpKey());
}

void TPrintFormBase::PlayPrinted() {
    FlyBitmap->SetEnabled(true);
}

void TPrintFormBase::Paint(plat::Canvas& canvas) {
    if (!skin_)
        return;
    const layout::Rect r = window_.Background();
    canvas.CopyRect({0, 0, Width(), Height()}, *skin_, {r.x, r.y, r.x + Width(), r.y + Height()},
                    plat::RasterOp::SrcCopy);
}

void TPrintFormBase::KeyDown(plat::TKey& key, plat::TShiftState shift) {
    TForm::KeyDown(key, shift);
    if (key == plat::VK_ESCAPE) {
        ExitClick();
        key = 0;
    }
}

} // namespace printing
