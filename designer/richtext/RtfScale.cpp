// Loading garment descriptions and rewriting their size words for the doll's measurements.
#include "designer/richtext/RtfScale.h"

#include "designer/shell/Busy.h"
#include "designer/shell/Settings.h"
#include "platform/core/Numeric.h"

#include <charconv>
#include <exception>

namespace {

// The garment's own description, or "resource\describe" when it cannot be loaded: when loading
// raises an error, and also when the file is missing, which would otherwise leave the previous
// garment's description on show under this one.
void LoadWithFallback(TrtfView& view, const std::string& baseName) {
    const std::string base = DataFile(baseName);
    try {
        if (view.LoadFile(base + ".rtf", base + ".rtc"))
            return;
    } catch (const std::exception&) {
        // Falls back below, as for a missing file.
    }
    const std::string fallback = DataFile("resource\\describe");
    view.LoadFile(fallback + ".rtf", fallback + ".rtc");
}

} // namespace

std::string ScaleSizeWord(const std::string& word, const TDollFactors& factors) {
    if (word.size() <= 2 || word[0] != '!')
        return word;
    const char axis = word[1];
    if (axis != 'X' && axis != 'x' && axis != 'Y' && axis != 'y')
        return word;
    const std::string rest = word.substr(2);
    const double factor = (axis == 'X' || axis == 'x') ? factors.Width : factors.Height;
    if (factor == 1.0)
        return rest;
    double number = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
    if (error != std::errc() || end != rest.data() + rest.size())
        return word; // not a number: the word stays as written
    const double addend = (axis == 'x' || axis == 'y') ? 1.0 : 0.0;
    std::string out = plat::FormatFixed(number * factor + addend, /*decimals=*/1);
    if (out.size() > 2 && out.ends_with(".0"))
        out.resize(out.size() - 2);
    return out;
}

void LoadDescriptionFile(TrtfView& view, const std::string& baseName, const std::string& fontName,
                         int marginMm, const TDollFactors& factors) {
    {
        TBusyScope busy;
        LoadWithFallback(view, baseName);
        view.ReplaceFontName("", fontName);
        view.ShowContents();
    }
    for (auto& e : view.Document.Elements) {
        if (IsTextElement(*e)) {
            auto& text = static_cast<TRTFText&>(*e);
            text.Text = ScaleSizeWord(text.Text, factors);
        }
    }
    view.PrintMarginLeft = marginMm;
    view.PrintMarginRight = marginMm;
    view.MeasureAll(view.ViewCanvas());
    view.LayoutLines(view.ViewCanvas(), view.Width());
}
