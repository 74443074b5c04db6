// The garment description panes: a rich-text view whose size words ("!X4.5", "!y12") are scaled
// to the child's doll when a description is loaded.
#pragma once

#include "designer/richtext/Rtfview.h"

#include <string>

// A view whose numbers follow the doll; no behaviour of its own beyond its class.
class TRtfViewScale : public TrtfView {
public:
    using TrtfView::TrtfView;
};

// The doll's scale factors: back width / 6.5 for "X" and "x", height / 30.0 for "Y" and "y".
struct TDollFactors {
    double Width = 1.0;
    double Height = 1.0;
};

// The text a size word shows; words that are no size words come back unchanged.
std::string ScaleSizeWord(const std::string& word, const TDollFactors& factors);

// Loads the description `baseName` (resolved through DataFile, + ".rtf"/".rtc"; the fallback
// "resource\describe" when it is missing or loading raises an error), puts every font in
// `fontName`, shows its contents, rewrites its size words and sets the left and right print
// margins to `marginMm`. With the fallback missing too, the previous document stays.
void LoadDescriptionFile(TrtfView& view, const std::string& baseName, const std::string& fontName,
                         int marginMm, const TDollFactors& factors);
