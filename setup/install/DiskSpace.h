// The space check made when the destination is confirmed, shared by the wizard and the silent run.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace setup {

// The script's message with "%d" replaced by the number.
std::string FormatNumber(const std::string& pattern, int64_t number);

// Nullopt when the destination's drive has at least `requiredKb` free (equal passes); otherwise
// the `pattern` message (ErrorDiskSpace) with the required KB. A destination that is not of the
// form "X:\..." or names a drive with no mapping has no free space: it never reaches the run.
// `diskFree` answers the free bytes of a drive root (-1 for none); the real drives by default.
using DiskFreeFunction = std::function<int64_t(const std::string& driveRoot)>;
std::optional<std::string> DiskSpaceError(const std::string& destination, int64_t requiredKb,
                                          const std::string& pattern, const DiskFreeFunction& diskFree = {});

} // namespace setup
