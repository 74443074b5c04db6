// The CD image as a user gets it: its script loads and names only files the CD holds, and an
// unattended installation from it into a scratch prefix puts the files in place and writes the
// product key the designer reads its folders from, and registers the uninstaller.
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "setup/script/ListParsers.h"
#include "setup/script/ScriptFile.h"
#include "setup/SetupCommand.h"
#include "setup/script/SetupParams.h"
#include "tests/setup/SetupTestSupport.h"
#include "platform/text/Cp1251.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string kCdHost = VELMORA_CD_DIR;

std::string CdWin() { return plat::WinPathOf(kCdHost); }

bool IsMask(const std::string& source) { return source.find_first_of("*?") != std::string::npos; }

TEST(CdImage, ScriptNamesOnlyFilesOnTheCd) {
    setup::SetupParams params;
    setup::LoadScript(params, CdWin() + "\\setup.inf");
    EXPECT_EQ(params.Text("FirmName"), "Vertalis");
    EXPECT_EQ(params.Text("InternalName"), "Velmora");
    ASSERT_FALSE(params.Lines("ListFiles").empty());
    for (const std::string& line : params.Lines("ListFiles")) {
        auto parsed = setup::ParseFileLine(line);
        if (!parsed)
            continue;
        SCOPED_TRACE(line);
        const std::string source = CdWin() + "\\" + parsed->Source;
        if (IsMask(source)) {
            EXPECT_FALSE(plat::FindFiles(source, 0).empty());
        } else {
            EXPECT_TRUE(plat::FileExists(source));
        }
    }
}

TEST(CdImage, UnattendedInstallWritesFilesAndProductKey) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = setup::RunSetupCommand({"/SILENT"}, CdWin() + "\\", out, err);
    const std::string outText = setup_test::ReadStream(out), errText = setup_test::ReadStream(err);
    ASSERT_EQ(status, 0) << outText << errText;
    EXPECT_EQ(errText, "");

    plat::RegistryReset(); // read back what the run saved, not what it holds in memory
    plat::TRegistry product(plat::RootKey::CurrentUser);
    ASSERT_TRUE(product.OpenKey("\\Software\\Vertalis\\Velmora", false));
    EXPECT_TRUE(plat::SameText(product.ReadString("CDPath"), CdWin()));
    const std::string hd = product.ReadString("HDPath");
    ASSERT_FALSE(hd.empty());
    EXPECT_EQ(product.ReadString("Version"), "1.0");

    EXPECT_TRUE(plat::FileExists(hd + "\\Velmora.isu")) << "the uninstall log";
    for (const char* intro : {"logo.avi", "title.avi", "title.jpg"})
        EXPECT_EQ(plat::FileSize(hd + "\\Resource\\" + intro),
                  plat::FileSize(CdWin() + "\\Resource\\" + intro))
            << intro;
    plat::TRegistry machine(plat::RootKey::LocalMachine);
    ASSERT_TRUE(machine.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora", false));
    EXPECT_EQ(machine.ReadString("UninstallString"), plat::WindowsDirectory() + "\\vtuninst.exe Velmora");
    EXPECT_TRUE(plat::FileExists(plat::WindowsDirectory() + "\\vtuninst.exe"));
    if (std::filesystem::exists(kCdHost + "/velmora"))
        EXPECT_TRUE(plat::FileExists(hd + "\\velmora"));
}

} // namespace
