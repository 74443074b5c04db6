#include "designer/printing/PrintMeasures.h"

#include "platform/core/Numeric.h"
#include "platform/text/Cp1251.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace printing {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view s, size_t pos) {
    while (pos < s.size() && IsDigit(s[pos]))
        ++pos;
    return pos;
}

// Length of the longest number at the start of `s`: sign, digits, a decimal separator with
// digits, an exponent only when digits follow it. The separator is a point or a comma: a child on
// a Russian desktop types "8,5", and reading that as 8 would print every piece at the wrong size.
size_t NumberLength(std::string_view s) {
    size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        ++pos;
    const size_t intStart = pos;
    pos = SkipDigits(s, pos);
    bool digits = pos > intStart;
    if (pos < s.size() && (s[pos] == '.' || s[pos] == ',')) {
        const size_t fracEnd = SkipDigits(s, pos + 1);
        if (fracEnd > pos + 1 || digits) {
            digits = digits || fracEnd > pos + 1;
            pos = fracEnd;
        }
    }
    if (!digits)
        return 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        size_t exp = pos + 1;
        if (exp < s.size() && (s[exp] == '+' || s[exp] == '-'))
            ++exp;
        const size_t expEnd = SkipDigits(s, exp);
        if (expEnd > exp)
            pos = expEnd;
    }
    return pos;
}

int Index(TMeasure m) {
    return static_cast<int>(m);
}

} // namespace

double ReadMeasure(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    std::string_view s = text.substr(start);
    const size_t length = NumberLength(s);
    if (length == 0)
        return 0;
    std::string number(s.substr(0, length));
    if (number[0] == '+')
        number.erase(0, 1);
    std::replace(number.begin(), number.end(), ',', '.');
    double value = 0;
    // from_chars ignores the locale: a Russian desktop's decimal comma does not change reading.
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        return number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    return error == std::errc() ? value : 0;
}

std::string FormatMeasure(double value) {
    std::string text = plat::FormatFixed(value, 1);
    return text == "-0.0" ? "0.0" : text;
}

void FollowWidths(TMeasureTexts& texts, TMeasure left) {
    if (left == TMeasure::Height)
        return;
    const int source = Index(left);
    const double value = ReadMeasure(texts[source]);
    for (int target = Index(TMeasure::BackWidth); target < kMeasureCount; ++target) {
        if (target != source)
            texts[target] = FormatMeasure(value * (kStandardValues[target] / kStandardValues[source]));
    }
}

std::string MeasureCaption(TMeasure measure) {
    static constexpr const char* kCaptions[kMeasureCount] = {"Рост", "Ширина спинки", "Объем талии",
                                                             "Объем бедер"};
    return plat::Ru(kCaptions[Index(measure)]);
}

TMeasureCheck CheckMeasures(const TMeasureTexts& texts) {
    TMeasureCheck check;
    for (TMeasure m : {TMeasure::Height, TMeasure::BackWidth}) {
        const double value = ReadMeasure(texts[Index(m)]);
        const double limit = kStandardValues[Index(m)] * kMaxTimesStandard;
        if (value > 0 && value <= limit)
            continue;
        check.Error = plat::Ru("Неверный размер «") + MeasureCaption(m) +
                      plat::Ru("»: введите число больше 0 и не больше ") + FormatMeasure(limit) +
                      plat::Ru(" см.");
        return check;
    }
    check.Factors.Height =
        ReadMeasure(texts[Index(TMeasure::Height)]) / kStandardValues[Index(TMeasure::Height)];
    check.Factors.Width =
        ReadMeasure(texts[Index(TMeasure::BackWidth)]) / kStandardValues[Index(TMeasure::BackWidth)];
    return check;
}

} // namespace printing
