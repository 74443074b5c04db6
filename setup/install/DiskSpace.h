// The disk-space check made when the destination is confirmed, one for the console and the
// wizard: the drive holding the destination must have at least the required KB free.
#pragma once

#include "setup/script/SetupParams.h"

#include <cstdint>
#include <string>

namespace setup {

// `pattern` with its first "%d" replaced by `number`, as the script's messages are written
// ("Disk space required: %d kb. ...").
std::string FormatNumberMessage(const std::string& pattern, int64_t number);

// Empty when the drive of `destination` has `requiredKb` free (equal amounts pass); otherwise the
// main script's ErrorDiskSpace with the required KB. A drive with no mapping, or a destination
// that names no drive, has no free space.
std::string DiskSpaceProblem(const SetupParams& main, const std::string& destination, int64_t requiredKb);

} // namespace setup
