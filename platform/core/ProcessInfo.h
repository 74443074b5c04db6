// What the running program knows about itself as a process: how long ago it started and how much
// memory it holds, for its start-up report.
#pragma once

#include <cstdint>

namespace plat {

// Milliseconds since the process started (from the system's record of its start); -1 if unknown.
int64_t MsSinceProcessStart();
// Resident memory in kilobytes; -1 if unknown.
int64_t ResidentMemoryKb();

} // namespace plat
