#include "designer/printing/PCForm.h"

#include "designer/printing/DollPrint.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"

#include <exception>

namespace printing {

namespace {
namespace dp = layout::dollprint;
}

TPCForm::TPCForm(const IDollSource* doll) : TPrintFormBase(dp::kWindow, layout::skin::kFlyDollPrinted) {
    Doll = doll;
    SetCaption(plat::Ru("Печать куклы"));
    lCaption->SetBounds(dp::kCaption.place.x, dp::kCaption.place.y, dp::kCaption.place.width,
                        dp::kCaption.place.height);
    lCaption->Caption = plat::Ru("Печать куклы");
    lCaption->XBkActiv = lCaption->XBkPassiv = dp::kCaption.active.x;
    lCaption->YBkActiv = lCaption->YBkPassiv = dp::kCaption.active.y;
    Label11 = &MakeLabel(dp::kPrinterLabel, plat::Ru("Принтер"));
    NamePrinter = &MakeLabel(dp::kPrinterName, "");
    bSetupPrint = &MakeButton(dp::kSetupPrint, "Установки принтера");
    bPrint = &MakeButton(dp::kPrint, "Печатать");
    bExit2 = &MakeButton(dp::kExit2, "Выход");
    bHelp = &MakeButton(dp::kHelp, "Помощь");
    bExit = &MakeButton(dp::kExit, "Выход");
    FlyBitmap->SetBounds(dp::kFlyBitmap.x, dp::kFlyBitmap.y, dp::kFlyBitmap.width, dp::kFlyBitmap.height);
    MinWindow->SetBounds(dp::kMinWindow.x, dp::kMinWindow.y, dp::kMinWindow.width, dp::kMinWindow.height);
    BindCommonButtons();
}

void TPCForm::PrintClick() {
    if (!CheckPrinter() || !Doll)
        return;
    try {
        PrintDoll(*Doll, CurrentPrinter());
    } catch (const std::exception& e) {
        plat::ShowError(e.what());
        return;
    }
    PlayPrinted();
}

} // namespace printing
