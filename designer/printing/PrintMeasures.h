// The doll's four measurements as the pattern-print window holds them: texts read as the longest
// number at their start, the widths kept in the standard proportions when one of them is changed,
// and the check that refuses measurements no doll can have before any job starts.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace printing {

// The measurement fields in the window's order: sH, sW1, sW2, sW3.
enum class TMeasure { Height, BackWidth, WaistGirth, HipGirth };
inline constexpr int kMeasureCount = 4;

// The standard doll, as the window's labels show it.
inline constexpr std::array<const char*, kMeasureCount> kStandardTexts = {"30.0", "6.5", "7.7", "13.8"};
inline constexpr std::array<double, kMeasureCount> kStandardValues = {30.0, 6.5, 7.7, 13.8};
// A measurement above this many times the standard is a typing slip, not a doll.
inline constexpr double kMaxTimesStandard = 10.0;

// The value of a measurement text: the longest number at its start, with "." or "," as the decimal
// separator (leading blanks skipped); 0 when there is none.
double ReadMeasure(std::string_view text);
// One decimal, "." as the separator, the shortest such form: 15.4, 30.0.
std::string FormatMeasure(double value);

using TMeasureTexts = std::array<std::string, kMeasureCount>;

// Leaving a width field: the two other widths follow it in the standard proportions (target :=
// source x target's standard / source's standard). Leaving the height changes nothing.
void FollowWidths(TMeasureTexts& texts, TMeasure left);

// What scales the pieces: height / 30.0 and back width / 6.5.
struct TPrintFactors {
    double Height = 1.0;
    double Width = 1.0;
};

// The factors of the texts, or the message (cp1251) naming the first field whose value is 0,
// negative, not a number or above ten times the standard.
struct TMeasureCheck {
    TPrintFactors Factors;
    std::optional<std::string> Error;
};
TMeasureCheck CheckMeasures(const TMeasureTexts& texts);

// The field's caption as the window labels it (cp1251).
std::string MeasureCaption(TMeasure measure);

} // namespace printing
