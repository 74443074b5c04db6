// The fixed file version of a PE file's version resource (RT_VERSION, VS_FIXEDFILEINFO). Files
// that are not PE files, or carry no version resource, have no version.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace plat {

// Files above this size are not searched for a version (no library is that large).
constexpr int64_t kMaxVersionedFileBytes = 256ll << 20;

// The four parts: high and low word of the most significant half, then of the least significant.
using FileVersion = std::array<uint16_t, 4>;

// Parses the bytes of a PE file; nullopt for anything without a well-formed version resource.
std::optional<FileVersion> ReadFileVersion(std::string_view bytes);
// Reads the file at a Windows path; nullopt when it is missing, unreadable or has no version.
std::optional<FileVersion> FileVersionOf(std::string_view winPath);

} // namespace plat
