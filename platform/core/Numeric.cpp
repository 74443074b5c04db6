#include "platform/core/Numeric.h"

#include "platform/core/Exceptions.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>

namespace plat {

int Round(double value) {
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

int DivTrunc(int numerator, int denominator) {
    assert(denominator != 0 && "DivTrunc: division by zero");
    if (denominator == -1)
        return numerator == std::numeric_limits<int>::min() ? numerator : -numerator;
    return numerator / denominator; // C++ integer division already truncates toward zero
}

int64_t DivRound(int64_t numerator, int64_t denominator) {
    assert(denominator > 0 && "DivRound: the denominator must be positive");
    int64_t q = numerator / denominator;
    const int64_t r = numerator % denominator; // has the numerator's sign
    // 2|r| against the denominator, written so that it cannot overflow (|r| < denominator).
    const int64_t rest = r < 0 ? -r : r;
    const bool beyondHalf = rest > denominator - rest;
    const bool half = rest == denominator - rest;
    if (beyondHalf || (half && (q & 1) != 0))
        q += r < 0 ? -1 : 1;
    return q;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

namespace {

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

} // namespace

bool TryStrToInt(std::string_view text, int& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return false;
    // Hexadecimal texts may fill all 32 bits (0xFFFFFFFF is -1), decimal ones must fit a signed int.
    const int64_t limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 2147483648LL : 2147483647LL);
    int64_t acc = 0;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i], base);
        if (d < 0)
            return false;
        acc = acc * base + d;
        if (acc > limit)
            return false;
    }
    if (negative)
        acc = -acc;
    value = static_cast<int>(static_cast<uint32_t>(static_cast<int64_t>(acc) & 0xFFFFFFFFLL));
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(FormatMessage("'%s' is not a valid integer value", std::string(text)));
    return value;
}

namespace {

// The digits after one optional sign, or nullptr when no digit (or a point, for reals) follows it.
// from_chars takes a leading minus but not a plus, and no blank or "inf" is a number here.
const char* AfterPlusSign(std::string_view text, bool pointStarts) {
    const char* first = text.data();
    const char* last = first + text.size();
    const char* digit = first;
    if (first != last && *first == '+')
        digit = ++first;
    else if (first != last && *first == '-')
        digit = first + 1;
    if (digit == last || !((*digit >= '0' && *digit <= '9') || (pointStarts && *digit == '.')))
        return nullptr;
    return first;
}

} // namespace

int StrToIntDecimal(std::string_view text) {
    const char* first = AfterPlusSign(text, /*pointStarts=*/false);
    const char* last = text.data() + text.size();
    int value = 0;
    if (first == nullptr)
        throw EConvertError(FormatMessage("'%s' is not a valid integer value", std::string(text)));
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        throw EConvertError(FormatMessage("'%s' is not a valid integer value", std::string(text)));
    return value;
}

std::string FormatFixed(double value, int decimals) {
    // Enough for any double in fixed notation (309 integer digits) and the asked decimals.
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    assert(error == std::errc() && "FormatFixed: buffer too small");
    return std::string(buffer, end);
}

bool TryStrToFloat(std::string_view text, double& value) {
    const char* first = AfterPlusSign(text, /*pointStarts=*/true);
    const char* last = text.data() + text.size();
    if (first == nullptr)
        return false;
    double parsed = 0;
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (error != std::errc() || end != last)
        return false;
    value = parsed;
    return true;
}

int StrToIntDef(std::string_view text, int fallback) {
    int value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

} // namespace plat
