// Conversion of a UTF-8 rich-text source into the reader's form (see RtfSource.h).
#include "data/texts/help/RtfSource.h"

#include "platform/text/Cp1251.h"
#include "platform/text/Utf8.h"

#include <cstdio>

namespace helptext {
namespace {

// Bytes beside which a dropped line break cannot join two tokens into one.
bool IsBreakSafe(char c) {
    return c == ' ' || c == '{' || c == '}' || c == '\\' || c == '\n' || c == '\r';
}

} // namespace

std::string RtfSourceToReaderForm(std::string_view source) {
    std::string out;
    int line = 1;
    for (size_t i = 0; i < source.size();) {
        const char c = source[i];
        if (c == '\r') {
            ++i;
            continue;
        }
        if (c == '\n') {
            const char before = out.empty() ? ' ' : out.back();
            const char after = i + 1 < source.size() ? source[i + 1] : ' ';
            if (!IsBreakSafe(before) && !IsBreakSafe(after))
                throw RtfSourceError(line, "a line break between two characters of text would join them");
            out += "\r\n";
            ++line;
            ++i;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x80) {
            out += c;
            ++i;
            continue;
        }
        const size_t start = i;
        char32_t cp = 0;
        if (!plat::DecodeUtf8(source, i, cp))
            throw RtfSourceError(line, "malformed UTF-8");
        const std::string byte = plat::Utf8ToCp1251(source.substr(start, i - start));
        if (byte.size() != 1 || byte == "?")
            throw RtfSourceError(line, "a character that Windows Cyrillic cannot hold");
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\'%02x", static_cast<unsigned char>(byte[0]));
        out += escape;
    }
    return out;
}

} // namespace helptext
