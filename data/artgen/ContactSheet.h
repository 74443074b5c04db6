// The developer's contact sheet: every picture of the CD image (BMP and JPEG in the image's root
// and in Resource/) laid out on one labelled PNG, to look at the whole product at a glance.
#pragma once

#include <filesystem>

namespace art {

// Lays the pictures out in name order, each with its name and size; throws std::runtime_error
// when the PNG cannot be written.
void WriteContactSheet(const std::filesystem::path& cdDir, const std::filesystem::path& png);

} // namespace art
