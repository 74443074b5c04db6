#include "designer/printing/PatternPrint.h"

#include "designer/richtext/RtfScale.h"
#include "designer/shell/Settings.h"
#include "platform/print/Printer.h"
#include "platform/registry/Registry.h"

#include <exception>

namespace printing {

std::vector<const geom::TModel*> ChoosePatternModels(const IPatternSource& source) {
    std::vector<const geom::TModel*> models;
    if (source.PatternPanelVisible()) {
        if (const geom::TModel* current = source.CurrentModel())
            models.push_back(current);
        return models;
    }
    for (TLayer layer : kPatternOrder) {
        if (const geom::TModel* worn = source.Worn(layer))
            models.push_back(worn);
    }
    return models;
}

geom::TTestSquare TestSquareSetting() {
    try {
        plat::TRegIniFile ini(kProductKey);
        return ini.ReadBool("", "TestSquare", true) ? geom::TTestSquare::On : geom::TTestSquare::Off;
    } catch (const std::exception&) {
        // An unreadable registry keeps the check on: it costs a square of paper at most.
        return geom::TTestSquare::On;
    }
}

void PrintPatternJob(const geom::TModel& model, plat::Printer& printer, const TPrintFactors& factors,
                     const TPatternJobOptions& options, const geom::TStatus& status) {
    // A fresh pane per job: a model without a description must not print the previous model's.
    TRtfViewScale describe;
    geom::TDescribe printDescription;
    if (options.Description == TDescription::Printed) {
        LoadDescriptionFile(describe, model.ModelPath, kPrintFace, kDescribeMarginMm,
                            TDollFactors{factors.Width, factors.Height});
        printDescription = [&](plat::Canvas&, int y) {
            const int bottom = describe.PrintAt(printer, y);
            // A line's box is shorter than its letters' cell, so the last line's descenders hang
            // below the answered bottom: the pieces keep clear of them.
            return bottom > y ? bottom + geom::MmToPixels(kDescribeGapMm, printer.PixelsPerInchY()) : bottom;
        };
    }
    geom::PrintModel(model, printer, printDescription, status, factors.Height, factors.Width,
                     options.TestSquare);
}

TPrintOutcome PrintPatterns(const std::vector<const geom::TModel*>& models, plat::Printer& printer,
                            const TPrintFactors& factors, const TPatternJobOptions& options,
                            const geom::TStatus& status) {
    TPrintOutcome outcome;
    outcome.Requested = static_cast<int>(models.size());
    for (const geom::TModel* model : models) {
        try {
            PrintPatternJob(*model, printer, factors, options, status);
            ++outcome.Jobs;
        } catch (const std::exception& e) {
            outcome.Error = e.what();
            break;
        }
    }
    return outcome;
}

} // namespace printing
