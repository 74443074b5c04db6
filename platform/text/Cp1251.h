// Text inside the system is Windows Cyrillic (cp1251) bytes in std::string. UTF-8 appears only
// where text meets the host: Qt, file names, and Russian literals in our sources (through Ru()).
#pragma once

#include <string>
#include <string_view>

namespace plat {

// Every byte value converts, 0x98 (undefined in cp1251) to U+0098, so any byte string round-trips.
std::string Cp1251ToUtf8(std::string_view text);
// Characters outside cp1251 and malformed UTF-8 sequences become '?'.
std::string Utf8ToCp1251(std::string_view text);

// A Russian literal written in UTF-8 in our source, as the system's text: Ru("Выход").
std::string Ru(std::string_view utf8);

// Case mapping of cp1251 letters (Latin and Cyrillic, Ё/ё and the other Cyrillic extras).
char UpperChar(char c);
char LowerChar(char c);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
// Case-insensitive equality and ordering of cp1251 texts.
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);

} // namespace plat
