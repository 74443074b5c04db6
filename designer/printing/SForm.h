// TSForm, the pattern-print window: the doll's four measurements beside the standard ones, the
// printer, and the print button that runs the pattern-print flow for the models the main window
// offers, showing the page being prepared and printed.
#pragma once

#include "designer/printing/PatternPrint.h"
#include "designer/printing/PrintFormBase.h"
#include "platform/ui/Edit.h"

#include <array>

namespace printing {

class TSForm : public TPrintFormBase {
public:
    // FormCreate. `source` is the main window's side (not owned; may be set later).
    explicit TSForm(const IPatternSource* source = nullptr);

    const IPatternSource* Source = nullptr;

    plat::TEdit* sH = nullptr;
    plat::TEdit* sW1 = nullptr;
    plat::TEdit* sW2 = nullptr;
    plat::TEdit* sW3 = nullptr;
    std::array<plat::TLabel*, kMeasureCount> bStandard{}; // bH, bW1, bW2, bW3
    plat::TLabel* Info = nullptr;
    TBitmapButton* bStdSize = nullptr;

    // The four texts in the order sH, sW1, sW2, sW3.
    TMeasureTexts Texts() const;
    void SetTexts(const TMeasureTexts& texts);

    void FormShow() override;
    void SetStandardClick();
    void sW1Exit() { WidthExit(TMeasure::BackWidth); }
    void sW2Exit() { WidthExit(TMeasure::WaistGirth); }
    void sW3Exit() { WidthExit(TMeasure::HipGirth); }
    void PrintClick() override;

private:
    const char* HelpKey() const override { return "key_print_v"; }
    void WidthExit(TMeasure left);
    void SetInfo(const std::string& text);
    std::array<plat::TEdit*, kMeasureCount> Edits() const { return {sH, sW1, sW2, sW3}; }
};

} // namespace printing
