// The main window's sub-windows made real: the help window, the pattern-print window and the
// doll-print window behind the TSubWindows interface. Start-up creates one, hands it the main
// window's answers about the wardrobe and the doll, and gives it to the main window.
#pragma once

#include "designer/printing/PCForm.h"
#include "designer/printing/SForm.h"
#include "designer/shell/HelpForm.h"
#include "designer/shell/SubWindows.h"

#include <memory>

class TPrintSubWindows : public TSubWindows {
public:
    // Makes the three windows. The sources may be given later with SetSources; they are not owned.
    TPrintSubWindows(const printing::IPatternSource* patterns = nullptr,
                     const printing::IDollSource* doll = nullptr);
    // Takes windows made elsewhere (start-up makes them one by one while the intro plays).
    TPrintSubWindows(std::unique_ptr<printing::TSForm> patterns, std::unique_ptr<THelpForm> help,
                     std::unique_ptr<printing::TPCForm> doll);

    void SetSources(const printing::IPatternSource* patterns, const printing::IDollSource* doll);

    void ShowHelp(plat::TForm& caller, const std::string& topic) override;
    void ShowPatternPrint(plat::TForm& caller) override;
    void ShowDollPrint(plat::TForm& caller) override;
    void SetSkin(const plat::Bitmap* skin) override;
    void SetCaption(const std::string& caption) override;
    TMeasureTexts MeasureTexts() override;
    void SetMeasureTexts(const TMeasureTexts& texts) override;
    TMeasureTexts StandardMeasureTexts() override;

private:
    std::unique_ptr<THelpForm> help_;
    std::unique_ptr<printing::TSForm> patterns_;
    std::unique_ptr<printing::TPCForm> doll_;

public:
    THelpForm& Help;
    printing::TSForm& Patterns;
    printing::TPCForm& Doll;
};
