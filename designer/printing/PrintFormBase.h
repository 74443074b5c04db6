// What the pattern-print and doll-print windows share: the skinned background at the window's
// origin in the shared skin, the caption bar, the printer line with its set-up button, the print,
// exit and help buttons, the check for an installed printer and the "printed" flying message.
#pragma once

#include "designer/controls/BitmapButton.h"
#include "designer/controls/DrawPanel.h"
#include "designer/controls/FlyBitmap.h"
#include "designer/layout/SkinLayout.h"
#include "platform/ui/Control.h"
#include "platform/ui/Label.h"

#include <functional>
#include <string>

namespace plat {
class Printer;
}

namespace printing {

class TPrintFormBase : public plat::TForm {
public:
    // The window's size, its origin in the skin and the flying message's picture in the skin.
    TPrintFormBase(const layout::SkinWindow& window, const layout::SkinPicture& printedMessage);

    TCaptionBarPlus* lCaption = nullptr;
    plat::TLabel* Label11 = nullptr;
    plat::TLabel* NamePrinter = nullptr;
    TBitmapButton* bSetupPrint = nullptr;
    TBitmapButton* bPrint = nullptr;
    TBitmapButton* bExit = nullptr;
    TBitmapButton* bExit2 = nullptr;
    TBitmapButton* bHelp = nullptr;
    TFlyBitmap* FlyBitmap = nullptr;
    TMinWindow* MinWindow = nullptr;

    // The window the form centres over when shown (not owned); the screen when none.
    plat::TControl* MainForm = nullptr;
    // Opens the help window modally on a topic (the main window binds it).
    std::function<void(const std::string& key)> OpenHelp;

    // The shared skin (not owned); the window keeps its own origin in it.
    void SetSkin(const plat::Bitmap* skin);
    // FormShow: centres the window, shows the current printer and hands the skin to the controls.
    virtual void FormShow();
    // Shows the window modally (FormShow first).
    int Execute();

    void SetupPrintClick();
    void ExitClick() { Close(); }
    void bHelpClick();

    void Paint(plat::Canvas& canvas) override;
    // Escape closes the window, whichever field has the focus.
    void KeyDown(plat::TKey& key, plat::TShiftState shift) override;

protected:
    TBitmapButton& MakeButton(const layout::SkinButton& button, const char* hint);
    plat::TLabel& MakeLabel(const layout::Rect& place, const std::string& caption);
    void BindCommonButtons();
    // Shows "Ни один принтер не установлен в системе" and answers false when no printer is installed.
    bool CheckPrinter();
    // The "printed" message flies out of the print button's corner.
    void PlayPrinted();
    plat::Printer& CurrentPrinter();

    virtual void PrintClick() = 0;
    virtual const char* HelpKey() const = 0;

    layout::SkinWindow window_;
    const plat::Bitmap* skin_ = nullptr;
    std::vector<std::pair<TBitmapButton*, layout::SkinButton>> skinned_;
};

// The text a printing window shows when the system has no printer (cp1251).
std::string NoPrinterMessage();

} // namespace printing
