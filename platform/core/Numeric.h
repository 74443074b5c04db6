// Numbers as the system computes and writes them: one rounding rule (to nearest, halves to even),
// one truncating division, and the runtime's integer conversions with their error message.
// Every conversion here ignores the C library's locale: a program on a Russian desktop has a comma
// as its decimal separator once the toolkit has called setlocale, and the system's files and
// texts must read and write the same either way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Saturates at the int range.
int Round(double value);

// Integer division truncating toward zero; division by zero is a programming error.
int DivTrunc(int numerator, int denominator);

// numerator / denominator rounded to nearest, halves to even, computed exactly in integers (a
// quotient of doubles lands some halves a hair below or above). `denominator` must be positive.
int64_t DivRound(int64_t numerator, int64_t denominator);

std::string IntToStr(int64_t value);

// Decimal with an optional sign, or hexadecimal after "$" or "0x"/"0X"; leading blanks allowed.
// Anything else, or a value outside 32 bits, raises EConvertError
// "'<text>' is not a valid integer value".
int StrToInt(std::string_view text);

// As StrToInt, but gives `fallback` instead of raising.
int StrToIntDef(std::string_view text, int fallback);

// Parses like StrToInt; false when the text is not an integer.
bool TryStrToInt(std::string_view text, int& value);

// Decimal only, with an optional sign and nothing else (no blanks, no "$" or "0x"); the same
// EConvertError as StrToInt otherwise. For formats whose numbers are plain decimal integers.
int StrToIntDecimal(std::string_view text);

// `value` with exactly `decimals` digits after a point (never a comma), rounded to nearest as
// printf's "%.*f" does in the C locale: FormatFixed(6.66, 1) is "6.7".
std::string FormatFixed(double value, int decimals);

// A decimal real with a point ("6.5", "-3", "1e3"); false for anything else, including a comma.
bool TryStrToFloat(std::string_view text, double& value);

} // namespace plat
