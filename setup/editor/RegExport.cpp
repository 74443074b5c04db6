#include "setup/editor/RegExport.h"

#include "platform/text/Cp1251.h"
#include "setup/script/SetupParams.h"

#include <algorithm>
#include <cstdint>

namespace setup {

namespace {

void AppendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD (which cp1251 then shows as '?').
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    auto unit = [&](size_t i) -> uint32_t {
        const auto hi = static_cast<uint8_t>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<uint8_t>(bytes[bigEndian ? i + 1 : i]);
        return (static_cast<uint32_t>(hi) << 8) | lo;
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                c = 0xFFFD;
            }
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// Valid UTF-8 with at least one sequence beyond ASCII.
bool LooksLikeUtf8(std::string_view bytes) {
    bool multibyte = false;
    for (size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<uint8_t>(bytes[i]);
        size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<uint8_t>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        multibyte = multibyte || length > 1;
        i += length;
    }
    return multibyte;
}

} // namespace

std::string DecodeRegExport(std::string_view bytes) {
    std::string text;
    if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xFE)
        text = plat::Utf8ToCp1251(Utf16ToUtf8(bytes.substr(2), false));
    else if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFE && static_cast<uint8_t>(bytes[1]) == 0xFF)
        text = plat::Utf8ToCp1251(Utf16ToUtf8(bytes.substr(2), true));
    else if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        text = plat::Utf8ToCp1251(bytes.substr(3));
    else if (LooksLikeUtf8(bytes))
        text = plat::Utf8ToCp1251(bytes);
    else
        text = std::string(bytes);
    std::erase(text, '\0');
    return text;
}

std::vector<std::string> RegExportLines(std::string_view bytes) {
    std::vector<std::string> lines = SplitLines(DecodeRegExport(bytes));
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(2, lines.size())));
    return lines;
}

} // namespace setup
