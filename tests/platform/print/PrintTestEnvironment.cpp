// Printing draws and measures text through Qt, which the printing library starts on first use.
// Tests run without a screen whatever machine they are on, so the screen-less platform is chosen
// before anything starts.
#include <cstdlib>

namespace {

const bool g_offscreen = [] { return setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/1) == 0; }();

} // namespace
