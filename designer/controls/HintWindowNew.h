// THintWindowNew, the program's hint window: a floating window that never takes the focus and
// paints, over what the screen showed where it appears, a blue elliptic glow with the hint text in
// its middle. InstallHintWindowNew makes it the window of every hint of the application.
#pragma once

#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Hints.h"

#include <string>

class THintWindowNew : public plat::TFloatingWindow, public plat::THintWindow {
public:
    // The hint sits this far below the pointer's hot spot, under the arrow's picture.
    static constexpr int kCursorHeightMargin = 20;

    THintWindowNew();

    // The size of the hint for `text`, as hints are usually measured: the text word-wrapped in
    // the hint font within `maxWidth`, with a margin of 6 pixels across and 2 down.
    plat::TRect CalcHintRect(int maxWidth, const std::string& text);
    // Shows `text` at `rect` (screen coordinates), moved to stay on the screen and out from under
    // the pointer.
    void ActivateHintAt(const plat::TRect& rect, const std::string& text);

    // The hint machinery's entry: the hint for the pointer at `pointer`.
    void ActivateHint(plat::TPoint pointer, const std::string& text) override;
    void ReleaseHint() override;

    const std::string& Caption() const { return caption_; }
    // The font the hint is measured in; the text is written at half its size.
    const plat::TFont& HintFont() const { return hintFont_; }
    void Paint(plat::Canvas& canvas) override;

private:
    plat::TFont hintFont_;
    std::string caption_;
    // What the screen showed under the window before it appeared.
    plat::Bitmap backdrop_;
};

// Makes THintWindowNew the class of the application's hint window.
void InstallHintWindowNew();
