// Small text helpers the rich-text document code shares.
#pragma once

#include <string>
#include <string_view>

namespace rtftext {

// The text without leading and trailing blanks.
inline std::string Trim(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    return std::string(text.substr(b, e - b));
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace rtftext
