// Writing a Bitmap as a PNG file on the host, for tools that show what the program draws.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <string>

namespace plat {

// Writes `bitmap` to the host path as PNG; false when the file could not be written or the
// bitmap is empty.
bool SavePng(const Bitmap& bitmap, const std::string& hostPath);

} // namespace plat
