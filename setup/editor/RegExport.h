// Registry export files as the parameter editor imports them into the registry list: the text
// decoded to the system's code page (UTF-16 with its byte-order mark, UTF-8, or already cp1251),
// split into lines, the header line and the blank line after it left out.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

// Larger files are refused: an export of that size is no list a script should carry.
inline constexpr size_t kMaxRegExportBytes = 16u << 20;

// The export's text in cp1251: UTF-16 (little or big endian, by its mark) and UTF-8 (by its mark,
// or when the bytes are valid UTF-8 beyond ASCII) are converted; other bytes are taken as cp1251.
// NUL characters are dropped, so none reaches a script.
std::string DecodeRegExport(std::string_view bytes);

// The lines to append: every line after the first two.
std::vector<std::string> RegExportLines(std::string_view bytes);

} // namespace setup
