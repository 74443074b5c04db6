// The larger help pictures: the main screen with numbered places, dressing and turning the doll,
// a rack, the drum, the pattern panel, a pattern piece with its lines, measuring a doll, the two
// print windows, the outfit slots and the cover of the contents.
#pragma once

#include <filesystem>

namespace art::help {

// Paints every scene into `dir` under the names the help text refers to.
void MakeHelpScenes(const std::filesystem::path& dir);

} // namespace art::help
