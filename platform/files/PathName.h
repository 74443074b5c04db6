// Windows path names as text, before they meet the host: splitting a cp1251 path into its drive
// and components with Windows' normalisation rules, and the checks that make a name refusable.
// Internal to platform_files; WinPath.h gives the rules to the rest of the system.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plat::detail {

// Longest name of one path component, in cp1251 bytes (Windows' MAX_COMPONENT_LENGTH).
inline constexpr size_t kMaxNameLength = 255;

// A Windows path reduced to its drive letter and its components.
struct WinPathParts {
    char drive = 0;                      // 'A'..'Z'
    std::vector<std::string> components; // never empty, ".", ".." or ending in a dot or blank
    // "C:\" for the root, else "C:\a\b": the spelling the path cache is keyed by.
    std::string Normalized() const;
};

// Splits and normalises `path` (cp1251): "\" and "/" separate; empty components and "." are
// dropped; ".." removes the previous component and stops at the root; trailing dots and blanks of
// a component are removed (a component of only dots and blanks disappears). "C:name" counts as
// "C:\name": the platform keeps no current folder per drive.
// Raises EFileError naming the path for a UNC name, a name without a drive letter, a character
// Windows refuses in names (<>:"|?* and controls) and a component over kMaxNameLength bytes.
WinPathParts ParseWinPath(std::string_view path);

// True for the characters Windows refuses in a file name other than the separators.
bool IsForbiddenNameChar(char c);

// Splits a search mask "C:\dir\*.txt" into its folder ("C:\dir") and name mask ("*.txt").
// The folder part is not checked here (ParseWinPath does that); false when the mask part holds a
// character no name or mask may hold, or there is no folder part at all.
bool SplitMask(std::string_view winMask, std::string& folder, std::string& mask);

// The message of an EFileError about `path`: `Invalid path "<path>": <reason>`, with a very long
// path shortened so the message stays readable.
std::string InvalidPathMessage(std::string_view path, std::string_view reason);

// Quotes a path for a message, shortening a very long one.
std::string QuotePath(std::string_view path);

} // namespace plat::detail
