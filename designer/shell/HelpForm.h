// THelpForm, the help window: the program's rich-text help on the shared skin, with jumps between
// topics, a back button, printing in the print face and the about box. It is created once and
// keeps its document and its history; each opening shows the topic asked for on top of them.
#pragma once

#include "designer/controls/BitmapButton.h"
#include "designer/controls/DrawPanel.h"
#include "designer/controls/PaintScrollBar.h"
#include "designer/richtext/RtfviewControl.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Control.h"

#include <functional>
#include <string>

// The faces the help is shown and printed in.
inline constexpr const char* kScreenFace = "Vizo";
inline constexpr const char* kHelpPrintFace = "Derazuv";

class THelpForm : public plat::TForm {
public:
    // FormCreate: builds the window and opens Resource\Help\help.rtf (errors ignored).
    THelpForm();

    TCaptionBarPlus* lCaption = nullptr;
    TBitmapButton* bExit = nullptr;
    TrtfViewControl* RtfView = nullptr;
    TPaintScrollBar* ScrollBar = nullptr;
    TBitmapButton* bMainTopic = nullptr;
    TBitmapButton* bPrint = nullptr;
    TBitmapButton* bAbout = nullptr;
    TBitmapButton* bExit2 = nullptr;

    // Shows the about box modally, centred on `over` (the help window on the screen: left and top
    // plus half the difference of the sizes, toward zero); set by whoever owns the about box.
    std::function<void(const plat::TRect& over)> ShowAbout;

    // The shared skin (not owned) and the window's origin in it; the main window hands them over.
    void SetSkin(const plat::Bitmap* skin, plat::TPoint origin = {0, 0});
    // Remembers the key and shows its topic; a key that names no topic leaves the view as it is.
    void ShowHelpTopic(const std::string& key);
    const std::string& HelpKey() const { return key_; }
    // FormShow: hands the skin to the buttons and the caption bar.
    void FormShow();
    // Shows the window modally on `key` (FormShow first); returns when it is closed.
    void Execute(const std::string& key);

    void ExitClick();
    void MainTopicClick();
    void PrintClick();
    void AboutClick();
    void CopyClick();

    void Paint(plat::Canvas& canvas) override;
    // Escape closes the window, as its exit buttons do.
    void KeyDown(plat::TKey& key, plat::TShiftState shift) override;

private:
    void FormCreate();
    void LoadHelp();
    void RtfViewJumped();
    void RtfViewBackground(plat::Canvas& canvas);
    void ShowScreenFace();

    const plat::Bitmap* skin_ = nullptr;
    plat::TPoint origin_{0, 0};
    std::string key_;
};

// Opens `help` on `key` from `caller` the way every window does: the caller's hints off, the topic,
// the help window modally, the hints on again.
void OpenHelp(plat::TForm& caller, THelpForm& help, const std::string& key);
