// The uninstall log as the uninstaller reads it: one entry a line (CR LF or LF), the first the
// destination folder's "dummy", the last the log's own path, every other a full path (a folder's
// ends in "\"), "Key: <key path>", "Value: <name>" after a key line, or "Counted: <full path>"
// (see setup/install/LogEntries.h). A log that breaks any of this is refused whole, naming the line.
#pragma once

#include "setup/install/LogEntries.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace setup {


struct UninstallLogProblem {
    size_t Line = 0; // 1-based; 0 when the fault is not on one line
    std::string Text;
};

// The entries of the log `text` found at `logPath`, or why it is not a log of ours.
std::variant<std::vector<std::string>, UninstallLogProblem> ParseUninstallLog(std::string_view text,
                                                                            std::string_view logPath);

// True for "X:\..." paths.
bool IsAbsoluteWinPath(std::string_view path);

} // namespace setup
