// UTF-8 and UTF-16 at the byte level: the one encoder and decoder every reader and writer of host
// text uses (the cp1251 conversions, registry files, installer scripts in text form).
#pragma once

#include <string>
#include <string_view>

namespace plat {

// Appends the UTF-8 form of a code point (up to U+10FFFF).
void AppendUtf8(std::string& out, char32_t cp);

// Decodes the sequence at text[i] into cp and moves i past it. A malformed sequence (bad lead or
// continuation byte, cut off, overlong, a surrogate, beyond U+10FFFF) returns false and moves i
// past one byte only.
bool DecodeUtf8(std::string_view text, size_t& i, char32_t& cp);

// True when the text is well-formed UTF-8 (plain ASCII is).
bool IsValidUtf8(std::string_view text);
// True when any byte is 0x80 or above.
bool HasHighByte(std::string_view text);

// UTF-16 code units (an odd last byte is ignored) to UTF-8; unpaired surrogates become
// `replacement`.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian, char32_t replacement);

} // namespace plat
