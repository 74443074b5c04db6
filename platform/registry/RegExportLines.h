// Registry-export text as line-by-line importers read it. Export tools write a long binary value
// over several lines, each but the last ending in a backslash:
//   "Data"=hex:01,02,\
//     03,04
// An importer that takes one line at a time would lose the rest and read the backslash as a byte,
// so the lines are joined first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plat {

// True when `line` is a value line whose data begins with "hex" (any case, also "hex(7):"): the
// data after the value name's "=" and any blanks. A name in double quotes may hold "=".
bool IsHexValueLine(std::string_view line);

// The lines with every hex value line that ends in "\" joined to the lines that continue it: the
// backslash is dropped and the next line follows without its leading blanks and tabs, as long as
// each ends in "\". Other lines stay as they are, also one that merely ends in a backslash.
std::vector<std::string> JoinContinuedHexLines(const std::vector<std::string>& lines);

} // namespace plat
