#include "designer/shell/HelpForm.h"

#include "designer/controls/FormFont.h"
#include "designer/controls/ProgramCursors.h"
#include "designer/layout/SkinLayout.h"
#include "designer/richtext/RtfPaintScrollBar.h"
#include "designer/shell/Busy.h"
#include "designer/shell/Settings.h"
#include "platform/core/Numeric.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/Printer.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Screen.h"

#include <exception>

namespace {

namespace hl = layout::help;

constexpr int kCaptionFontSize = 11; // 15 pixels on a 96 dpi screen
constexpr int kFormFontSize = 10;    // 14 pixels

void Place(plat::TControl& control, const layout::Rect& r) {
    control.SetBounds(r.x, r.y, r.width, r.height);
}

TBitmapButton& MakeButton(THelpForm& form, const layout::SkinButton& b, const char* hint) {
    auto& button = form.Make<TBitmapButton>();
    Place(button, b.place);
    button.SetHint(plat::Ru(hint));
    button.SetShowHint(true);
    button.SetCursor(crHand);
    TBitmapButtonLook look = button.Look();
    look.ShadowPos = TShadowPosition::spRightBottom;
    look.ShadowColor = plat::clBlack;
    button.SetLook(look);
    return button;
}

// The hint flags of a window and everything on it, to put back after help was shown.
void CollectHints(plat::TControl& control, std::vector<std::pair<plat::TControl*, bool>>& hints) {
    hints.emplace_back(&control, control.ShowHint());
    for (const auto& child : control.Controls())
        CollectHints(*child, hints);
}

} // namespace

THelpForm::THelpForm() {
    FormCreate();
}

void THelpForm::FormCreate() {
    SetCaption("Velmora");
    SetClientSize(hl::kWindow.size.width, hl::kWindow.size.height);
    SetShowHint(true);
    KeyPreview = true;
    plat::TFont font;
    font.Name = "MS Sans Serif";
    font.Bold = true;
    font.Size = kFormFontSize;
    SetFont(font);

    lCaption = &Make<TCaptionBarPlus>();
    Place(*lCaption, hl::kCaption.place);
    lCaption->Caption = plat::Ru("Помощь");
    lCaption->XBkActiv = lCaption->XBkPassiv = hl::kCaption.active.x;
    lCaption->YBkActiv = lCaption->YBkPassiv = hl::kCaption.active.y;
    lCaption->ShowNameActiv = lCaption->ShowNamePassiv = true;
    plat::TFont captionFont;
    captionFont.Name = "MS Sans Serif";
    captionFont.Size = kCaptionFontSize;
    captionFont.Color = plat::clBlack;
    lCaption->SetFont(captionFont);

    bExit = &MakeButton(*this, hl::kExit, "Выход");
    RtfView = &Make<TrtfViewControl>();
    Place(*RtfView, hl::kRtfView);
    RtfView->SetCursor(plat::crDefault);
    RtfView->HotCursor = crHand;
    TrtfView& view = RtfView->View();
    view.Color = plat::clWhite;
    view.HotColor = 0x008000;
    view.ClearIfNone = false;
    ScrollBar = &Make<TPaintScrollBar>();
    Place(*ScrollBar, hl::kScrollBar);
    ScrollBar->SetMax(0);
    RtfView->SetScrollBar(std::make_unique<TRtfPaintScrollBar>(*ScrollBar));

    bMainTopic = &MakeButton(*this, hl::kMainTopic, "Предыдущий раздел");
    bPrint = &MakeButton(*this, hl::kPrint, "Печатать помощь");
    bAbout = &MakeButton(*this, hl::kAbout, "О программе");
    bExit2 = &MakeButton(*this, hl::kExit2, "Выход");
    bExit->OnClick = [this](plat::TControl&) { ExitClick(); };
    bExit2->OnClick = [this](plat::TControl&) { ExitClick(); };
    bMainTopic->OnClick = [this](plat::TControl&) { MainTopicClick(); };
    bPrint->OnClick = [this](plat::TControl&) { PrintClick(); };
    bAbout->OnClick = [this](plat::TControl&) { AboutClick(); };

    view.OnJumped = [this](const std::string&) { RtfViewJumped(); };
    view.OnBackground = [this](plat::Canvas& canvas) { RtfViewBackground(canvas); };
    view.OnPrint = [&view](int&, int&) { view.ReplaceFontName("", kHelpPrintFace); };
    view.OnPrinted = [&view](int&, int&) { view.ReplaceFontName("", kScreenFace); };

    SetFormFontName(*this, kScreenFace);
    LoadHelp();
    RtfViewJumped();
}

void THelpForm::LoadHelp() {
    TBusyScope busy;
    try {
        TrtfView& view = RtfView->View();
        const std::string base = DataFile("Resource\\Help\\help");
        view.LoadFile(base + ".rtf", base + ".rtc");
        view.ReplaceFontName("", kScreenFace);
        view.ShowContents();
    } catch (const std::exception&) {
        // Without its document the window shows nothing until a topic can be shown.
    }
}

void THelpForm::SetSkin(const plat::Bitmap* skin, plat::TPoint origin) {
    skin_ = skin;
    origin_ = origin;
    Invalidate();
}

void THelpForm::FormShow() {
    for (TBitmapButton* b : {bExit, bMainTopic, bPrint, bAbout, bExit2}) {
        const layout::SkinButton* place = b == bExit        ? &hl::kExit
                                          : b == bMainTopic ? &hl::kMainTopic
                                          : b == bPrint     ? &hl::kPrint
                                          : b == bAbout     ? &hl::kAbout
                                                            : &hl::kExit2;
        b->SetResImage(skin_, place->frames.x, place->frames.y);
    }
    lCaption->BkActiv = lCaption->BkPassiv = skin_;
    lCaption->Invalidate();
    RtfView->Invalidate();
}

void THelpForm::ShowHelpTopic(const std::string& key) {
    key_ = key;
    RtfView->View().ShowTopic(key);
}

void THelpForm::Execute(const std::string& key) {
    ShowHelpTopic(key);
    FormShow();
    SetBounds(plat::DivTrunc(plat::ScreenWidth() - Width(), 2),
              plat::DivTrunc(plat::ScreenHeight() - Height(), 2), Width(), Height());
    ShowModal();
}

void THelpForm::Paint(plat::Canvas& canvas) {
    if (!skin_)
        return;
    canvas.CopyRect({0, 0, Width(), Height()}, *skin_,
                    {origin_.X, origin_.Y, origin_.X + Width(), origin_.Y + Height()},
                    plat::RasterOp::SrcCopy);
}

void THelpForm::RtfViewBackground(plat::Canvas& canvas) {
    if (!skin_)
        return;
    const int x = origin_.X + RtfView->Left(), y = origin_.Y + RtfView->Top();
    canvas.CopyRect({0, 0, RtfView->Width(), RtfView->Height()}, *skin_,
                    {x, y, x + RtfView->Width(), y + RtfView->Height()}, plat::RasterOp::SrcCopy);
}

void THelpForm::RtfViewJumped() {
    const TrtfView& view = RtfView->View();
    ScrollBar->SetVisible(view.OverflowsView());
    bMainTopic->SetVisible(view.CanGoBack());
}

void THelpForm::KeyDown(plat::TKey& key, plat::TShiftState shift) {
    TForm::KeyDown(key, shift);
    if (key == plat::VK_ESCAPE) {
        ExitClick();
        key = 0;
    }
}

void THelpForm::ExitClick() {
    Close();
}

void THelpForm::MainTopicClick() {
    RtfView->View().GoBack();
}

void THelpForm::CopyClick() {
    RtfView->CopyToClipboard();
}

void THelpForm::ShowScreenFace() {
    TrtfView& view = RtfView->View();
    view.ReplaceFontName("", kScreenFace);
    view.MeasureAll(view.ViewCanvas());
    view.LayoutLines(view.ViewCanvas(), view.Width());
    view.UpdateScrollBar();
    RtfViewJumped();
    RtfView->Invalidate();
}

void THelpForm::PrintClick() {
    plat::Printer& printer = plat::GlobalPrinter();
    if (!plat::ExecPrintDialog(printer))
        return;
    try {
        TBusyScope busy;
        RtfView->View().Print(printer);
    } catch (const std::exception& e) {
        // The view went back to the screen with the print face still set: put the screen face back.
        ShowScreenFace();
        plat::ShowError(e.what());
    }
}

void THelpForm::AboutClick() {
    if (!ShowAbout)
        return;
    const plat::TPoint corner = ClientToScreen({0, 0});
    ShowAbout({corner.X, corner.Y, corner.X + Width(), corner.Y + Height()});
}

void OpenHelp(plat::TForm& caller, THelpForm& help, const std::string& key) {
    std::vector<std::pair<plat::TControl*, bool>> hints;
    CollectHints(caller, hints);
    for (auto& [control, shown] : hints)
        control->SetShowHint(false);
    help.Execute(key);
    for (auto& [control, shown] : hints)
        control->SetShowHint(shown);
}
