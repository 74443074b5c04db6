// The unattended run's progress lines: one every 10 %, never past the end, even when the run
// copies more than the space estimate counted (the uninstaller).
#include "setup/install/ConsoleUI.h"
#include "tests/setup/SetupTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ConsoleUI, ProgressLinesStepByTenAndStopAtTheEnd) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::string phases[4] = {"a", "b", "c", "d"};
    setup::ConsoleUI ui(out, err, phases);
    ui.SetProgressMax(200);
    for (int64_t kb : {0, 10, 19, 20, 150, 260, 300})
        ui.SetProgress(kb);
    EXPECT_EQ(setup_test::ReadStream(out), "        0 % (0 of 200 KB)\n"
                                           "       10 % (20 of 200 KB)\n"
                                           "       70 % (150 of 200 KB)\n"
                                           "      100 % (200 of 200 KB)\n");
    EXPECT_EQ(setup_test::ReadStream(err), "");
}

} // namespace
