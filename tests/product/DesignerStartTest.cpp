// The designer as a user starts it: installed from the CD image without questions, through the
// command of the menu entry the installation made; it finds its data through what the installer
// wrote, shows its main window and ends normally.
#include "platform/files/WinPath.h"
#include "setup/SetupCommand.h"
#include "tests/setup/SetupTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::string kCdHost = VELMORA_CD_DIR;

// The Exec line of the menu entry whose command runs "velmora"; empty when there is none.
std::string DesignerEntryCommand() {
    const std::filesystem::path entries =
        std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "applications" / "vertalis";
    if (!std::filesystem::exists(entries))
        return {};
    for (const auto& file : std::filesystem::directory_iterator(entries)) {
        std::ifstream in(file.path());
        std::string line;
        while (std::getline(in, line))
            if (line.rfind("Exec=", 0) == 0 && line.find("/velmora") != std::string::npos)
                return line.substr(5);
    }
    return {};
}

TEST(DesignerStart, InstalledFromTheCdItStartsThroughItsMenuEntry) {
    if (!std::filesystem::exists(kCdHost + "/velmora"))
        GTEST_SKIP() << "this build makes no designer";
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ASSERT_EQ(setup::RunSetupCommand({"/SILENT"}, plat::WinPathOf(kCdHost) + "\\", out, err), 0)
        << setup_test::ReadStream(out) << setup_test::ReadStream(err);

    const std::string command = DesignerEntryCommand();
    ASSERT_FALSE(command.empty()) << "the installation made no menu entry for the designer";
    EXPECT_EQ(command.find(kCdHost), std::string::npos)
        << "the entry starts the installed copy, not the CD's";
    // No display: Qt's offscreen platform; the program reports its first frame and ends (a box
    // it showed would wait for a click no one gives, hence the time limit).
    const std::string run = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 60 " +
                            command + " --no-intro --startup-report 2>&1";
    std::FILE* designer = popen(run.c_str(), "r");
    ASSERT_NE(designer, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, designer))
        output += buffer;
    const int status = pclose(designer);
    EXPECT_EQ(WEXITSTATUS(status), 0) << output;
    EXPECT_NE(output.find("first frame of the main window"), std::string::npos) << output;
    EXPECT_EQ(output.find("Программа не установлена"), std::string::npos) << output;
}

} // namespace
