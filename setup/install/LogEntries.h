// The kinds of line the installer writes into the uninstall log besides plain paths, which name
// files it copied (and the destination folder's "dummy" and the log itself):
//   "Key: <path>"      a registry key it opened or created;
//   "Value: <name>"    a value it wrote into the key of the last "Key: " line above;
//   "Counted: <path>"  a shared file whose use count it raised without copying the file.
// Logs written before "Value: " and "Counted: " existed hold only the other lines and read the same.
#pragma once

#include <string_view>

namespace setup {

inline constexpr std::string_view kLogKeyPrefix = "Key: ";
inline constexpr std::string_view kLogValuePrefix = "Value: ";
inline constexpr std::string_view kLogCountedPrefix = "Counted: ";

} // namespace setup
