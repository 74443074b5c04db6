// TPCForm, the doll-print window: the printer and the print button that puts the dressed doll,
// front and back, on paper with the names of what it wears.
#pragma once

#include "designer/printing/PatternSource.h"
#include "designer/printing/PrintFormBase.h"

namespace printing {

class TPCForm : public TPrintFormBase {
public:
    // FormCreate. `doll` is the main window's doll (not owned; may be set later).
    explicit TPCForm(const IDollSource* doll = nullptr);

    const IDollSource* Doll = nullptr;

    void PrintClick() override;

private:
    const char* HelpKey() const override { return "key_print_d"; }
};

} // namespace printing
