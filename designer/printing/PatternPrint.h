// The pattern-print flow behind the window's print button and `velmora-pattern print`: which
// models are printed, and one print job per model with its title, its description scaled to the
// doll, the test square and the pieces at true size. A job that fails is aborted (no partial PDF
// is left) and the remaining models are skipped; the caller plays the "printed" message only when
// every job of a non-empty run succeeded.
#pragma once

#include "designer/geometry/ModelPrint.h"
#include "designer/printing/PatternSource.h"
#include "designer/printing/PrintMeasures.h"

#include <string>
#include <vector>

namespace plat {
class Printer;
}

namespace printing {

// The face the descriptions print in, and their left and right margins.
inline constexpr const char* kPrintFace = "Derazuv";
inline constexpr int kDescribeMarginMm = 5;
// Room between the description and the first row of pieces.
inline constexpr int kDescribeGapMm = 4;

// With the pattern panel open only its model; otherwise every worn model in pattern order.
std::vector<const geom::TModel*> ChoosePatternModels(const IPatternSource& source);

// Whether the first page of a job carries the test square: on unless the product key's
// "TestSquare" value turns it off.
geom::TTestSquare TestSquareSetting();

enum class TDescription { Printed, Left };

struct TPatternJobOptions {
    TDescription Description = TDescription::Printed;
    geom::TTestSquare TestSquare = geom::TTestSquare::On;
};

struct TPrintOutcome {
    int Jobs = 0;      // jobs completed
    int Requested = 0; // models asked for
    std::string Error; // the failure that stopped the run (cp1251); empty when none
    // True when there was something to print and all of it printed.
    bool AllPrinted() const { return Error.empty() && Requested > 0 && Jobs == Requested; }
};

// Prints `models` one job each on the printer's current printer. Errors are caught here and
// returned; nothing is shown to the user.
TPrintOutcome PrintPatterns(const std::vector<const geom::TModel*>& models, plat::Printer& printer,
                            const TPrintFactors& factors, const TPatternJobOptions& options,
                            const geom::TStatus& status);

// One model's job (the description loaded from the model's path, in the print face).
void PrintPatternJob(const geom::TModel& model, plat::Printer& printer, const TPrintFactors& factors,
                     const TPatternJobOptions& options, const geom::TStatus& status);

} // namespace printing
