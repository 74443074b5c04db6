// The start screen TMainForm: full screen, black, the background picture (or the script's
// gradient), the logo at the top right and the script's SetupText at the top left with a shadow.
// Its one-shot 10 ms timer shows the wizard over it.
#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/Timer.h"
#include "setup/script/SetupContext.h"

#include <functional>
#include <string>

namespace setup {

class TMainForm : public plat::TForm {
public:
    // `ownDir` is the program's folder (Windows path with trailing backslash).
    TMainForm(SetupContext& context, std::string ownDir);

    void Paint(plat::Canvas& canvas) override;
    // The start timer's tick: the label takes its text and the wizard is shown.
    void StartTimerTimer();
    std::function<void()> ShowWizard;

    static constexpr int kTextLeft = 16, kTextTop = 12;
    const plat::Bitmap& Background() const { return background_; }
    const plat::Bitmap& Logo() const { return logo_; }
    const std::string& BackgroundFile() const { return backgroundFile_; }
    const std::string& LabelText() const { return labelText_; }

private:
    void LoadPictures();
    // The background and logo at the window's size, made once: painting is one copy and the text.
    const plat::Bitmap& Composed();

    SetupContext& context_;
    std::string ownDir_;
    plat::Bitmap background_, logo_, composed_;
    std::string backgroundFile_;
    std::string labelText_;
    plat::TTimer startTimer_;
};

} // namespace setup
