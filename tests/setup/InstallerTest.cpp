// Rules of the installation run, each on a small scratch CD: shared files and their versions, run
// steps, missing sources, masks, the abort question, the product key, and the Finish actions.
#include "setup/install/Installer.h"

#include "platform/core/Platform.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/shell/ShellOpen.h"
#include "setup/script/ScriptFile.h"
#include "tests/platform/shell/PeBuilder.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace setup;

namespace {

class InstallerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setup_test::FreshPrefix();
        cd = setup_test::MakeFolder("cd");
    }
    // Writes setup.inf with the file list and discovers it.
    void Prepare(const std::vector<std::string>& files, const std::vector<std::string>& regList = {}) {
        SetupParams params;
        params.SetText("ProductName", "Prod");
        params.SetLines("ListFiles", files);
        params.SetLines("RegList", regList);
        SaveScript(params, cd.Win + "\\setup.inf");
        context.Discover({}, cd.Win + "\\");
    }

    setup_test::ScratchFolder cd;
    SetupContext context;
    setup_test::RecordingUI ui;
};

TEST_F(InstallerTest, SharedFilesCompareVersionsAsTextAndCountEveryTime) {
    plat::WriteFileBytes(cd.Win + "\\lib.dll", testing_support::MakePeWithVersion(10, 0, 0, 0));
    Prepare({"lib.dll=%SYSTEM%"});
    ASSERT_TRUE(plat::ForceDirectories(context.SystemDir));
    std::string installed = context.SystemDir + "\\lib.dll";
    plat::WriteFileBytes(installed, testing_support::MakePeWithVersion(9, 0, 0, 0));

    Installer installer(context, ui);
    installer.Install();
    // "10.0.0.0" sorts below "9.0.0.0", so the newer file is not copied, but it is counted and logged.
    EXPECT_EQ(FileVersionText(installed), "9.0.0.0");
    EXPECT_EQ(setup_test::SharedCount(installed), 1);
    EXPECT_EQ(installer.Log()[1], installed);

    plat::WriteFileBytes(cd.Win + "\\lib.dll", testing_support::MakePeWithVersion(9, 1, 0, 0));
    installer.Install();
    EXPECT_EQ(FileVersionText(installed), "9.1.0.0");
    EXPECT_EQ(setup_test::SharedCount(installed), 2);
    EXPECT_EQ(FileVersionText(cd.Win + "\\nothing"), " ");
    EXPECT_EQ(FileVersionText(cd.Win + "\\setup.inf"), "0");
}

TEST_F(InstallerTest, MissingSourcesAreReportedAndSkipped) {
    Prepare({"missing.txt=%HDPATH%", "DIR=%HDPATH%\\made\\", "nomatch\\*.x=%HDPATH%\\m\\"});
    Installer installer(context, ui);
    installer.Install();
    // The plain entry and the uninstaller; DIR entries and empty masks say nothing.
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0], "Source file missing: " + cd.Win + "\\missing.txt");
    EXPECT_EQ(ui.Messages[1], "Source file missing: " + cd.Win + "\\vtuninst.exe");
    EXPECT_TRUE(plat::DirectoryExists(context.Destination + "\\made"));
    EXPECT_EQ(installer.Log().size(), 3u); // dummy, the product key, the log itself
}

TEST_F(InstallerTest, ReadOnlyTargetsAreReplacedAndTakeTheSourcesAttribute) {
    plat::WriteFileBytes(cd.Win + "\\new.txt", "new");
    plat::WriteFileBytes(cd.Win + "\\locked.txt", "locked source");
    ASSERT_TRUE(plat::FileSetAttr(cd.Win + "\\locked.txt", plat::faReadOnly));
    Prepare({"new.txt=%HDPATH%", "locked.txt=%HDPATH%"});
    Installer installer(context, ui);
    installer.Install();
    const std::string target = context.Destination + "\\new.txt";
    const std::string locked = context.Destination + "\\locked.txt";
    EXPECT_EQ(plat::FileGetAttr(locked) & plat::faReadOnly, 0) << "copies are left writable";

    // A second run over targets made read-only still replaces them.
    ASSERT_TRUE(plat::FileSetAttr(target, plat::faReadOnly));
    ASSERT_TRUE(plat::FileSetAttr(locked, plat::faReadOnly));
    plat::WriteFileBytes(cd.Win + "\\new.txt", "newer");
    installer.Install();
    EXPECT_EQ(plat::ReadFileBytes(target), "newer");
    EXPECT_EQ(plat::ReadFileBytes(locked), "locked source");
    EXPECT_EQ(plat::FileGetAttr(target) & plat::faReadOnly, 0);
    EXPECT_EQ(ui.Messages.size(), 2u) << "only the missing uninstaller, once a run";
}

TEST_F(InstallerTest, MaskTreesReplaceTargetsInAnyCaseAndInstallReadOnlyDiscFilesWritable) {
    plat::ForceDirectories(cd.Win + "\\data\\Sub");
    plat::WriteFileBytes(cd.Win + "\\data\\readme.txt", "new readme");
    plat::WriteFileBytes(cd.Win + "\\data\\Sub\\Pic.BMP", "picture");
    plat::WriteFileBytes(cd.Win + "\\data\\conf.ini", "path=%HDPATH%");
    for (const char* file : {"\\data\\readme.txt", "\\data\\Sub\\Pic.BMP"})
        ASSERT_TRUE(plat::FileSetAttr(cd.Win + file, plat::faReadOnly));
    Prepare({"data\\*.*==%HDPATH%\\data\\"});
    // A read-only file from an earlier installation, its name in another case.
    const std::string old = context.Destination + "\\DATA\\README.TXT";
    plat::ForceDirectories(context.Destination + "\\DATA");
    plat::WriteFileBytes(old, "old readme");
    ASSERT_TRUE(plat::FileSetAttr(old, plat::faReadOnly));

    Installer installer(context, ui);
    installer.Install();
    EXPECT_EQ(plat::ReadFileBytes(old), "new readme");
    EXPECT_EQ(plat::FindFiles(context.Destination + "\\data\\*.*", plat::faAnyFile).size(), 3u)
        << "README.TXT, conf.ini and Sub: nothing beside the old name";
    for (const char* file : {"\\data\\readme.txt", "\\data\\Sub\\Pic.BMP"})
        EXPECT_EQ(plat::FileGetAttr(context.Destination + file) & plat::faReadOnly, 0) << file;
    EXPECT_EQ(plat::ReadFileBytes(context.Destination + "\\data\\conf.ini"),
              "path=" + context.Destination + "\r\n");
    const std::vector<std::string>& log = installer.Log();
    for (const char* file : {"\\data\\conf.ini", "\\data\\readme.txt", "\\data\\Sub\\Pic.BMP"})
        EXPECT_NE(std::find(log.begin(), log.end(), context.Destination + file), log.end()) << file;
}

TEST_F(InstallerTest, CancelAsksAndYesStopsWithTheLogWritten) {
    for (int i = 0; i < 3; ++i)
        plat::WriteFileBytes(cd.Win + "\\f" + std::to_string(i) + ".txt", "x");
    Prepare({"f0.txt=%HDPATH%", "f1.txt=%HDPATH%", "f2.txt=%HDPATH%"});
    Installer installer(context, ui);
    int calls = 0;
    ui.OnProcessMessages = [&] {
        if (++calls == 2)
            installer.RequestCancel();
    };
    ui.AnswerYes = false;
    installer.Install(); // No: the run goes on
    EXPECT_EQ(ui.Questions, 1);
    EXPECT_TRUE(plat::FileExists(context.Destination + "\\f2.txt"));

    calls = 0;
    ui.AnswerYes = true;
    try {
        installer.Install();
        FAIL() << "no abort";
    } catch (const InstallError& error) {
        EXPECT_STREQ(error.what(), "Setup aborted");
    }
    EXPECT_EQ(ui.Events.back(), "ask Abort Setup ? | Setup not completed");
    std::string log = plat::ReadFileBytes(installer.LogPath());
    EXPECT_EQ(log, context.Destination + "\\dummy\r\n" + context.Destination + "\\f0.txt\r\n" +
                       context.Destination + "\\f1.txt\r\n" + installer.LogPath() + "\r\n");
}

TEST_F(InstallerTest, RunUnderTheWindowsFolderTakesTheSharedPath) {
    Prepare({"RUN=%WINDOWS%\\tool.exe"});
    Installer installer(context, ui);
    installer.Install();
    std::string command = context.WindowsDir + "\\tool.exe";
    EXPECT_EQ(setup_test::SharedCount(command), 1);
    EXPECT_EQ(installer.Log()[1], command);
}

TEST_F(InstallerTest, ProductKeyAndRegistryListsWithoutPackages) {
    Prepare({}, {"\"Top\"=\"first\"", "[HKEY_CURRENT_USER\\Software\\%FIRMNAME%\\K]", "\"D\"=dword:1",
                 "\"S\"=\"%PRODUCTNAME%\"", "[HKEY_LOCAL_MACHINE\\Software\\M]", "\"B\"=hex:$0a,0b"});
    Installer installer(context, ui);
    installer.Install();
    plat::RegistryReset(); // read back what was saved
    plat::TRegistry reg(plat::RootKey::CurrentUser);
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Vertalis\\Product"));
    EXPECT_EQ(reg.ReadString("Version"), "alfa");
    EXPECT_EQ(reg.ReadString("CDPath"), context.CdPath);
    EXPECT_EQ(reg.ReadString("HDPath"), context.Destination);
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Vertalis"));
    EXPECT_EQ(reg.ReadString("Top"), "first");
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Vertalis\\K"));
    EXPECT_EQ(reg.ReadString("S"), "Prod");
    EXPECT_FALSE(reg.ValueExists("D"));
    plat::TRegistry machine(plat::RootKey::LocalMachine);
    ASSERT_TRUE(machine.OpenKeyReadOnly("\\Software\\M"));
    char bytes[4] = {};
    EXPECT_EQ(machine.ReadBinaryData("B", bytes, 4), 2);
    EXPECT_EQ(bytes[0], 0x0a);
    std::vector<std::string> keys(installer.Log().begin() + 1, installer.Log().end() - 1);
    EXPECT_EQ(keys, (std::vector<std::string>{"Key: SOFTWARE\\Vertalis\\Product",
                                              "Key: \\Software\\Vertalis\\K", "Key: \\Software\\M"}));
}

class RecordingPlatform : public plat::Platform {
  public:
    int Reboots = 0;
    bool RequestReboot() override {
        ++Reboots;
        return true;
    }
};

TEST_F(InstallerTest, FinishRunsAfterRunOpensTheFolderAndRestarts) {
    auto out = setup_test::MakeFolder("out");
    std::string script = cd.Host + "/after.sh";
    testing_support::WriteHostFile(script, "#!/bin/sh\necho \"$1\" >> \"" + out.Host + "/after.txt\"\n");
    SetupParams params;
    params.SetText("AfterRun", ";" + cd.Win + "\\after.sh one;;" + cd.Win + "\\after.sh two;");
    SaveScript(params, cd.Win + "\\setup.inf");
    context.Discover({}, cd.Win + "\\");

    RecordingPlatform platform;
    plat::PlatformGuard guard(platform);
    std::vector<std::string> opened;
    plat::FolderOpener previous = plat::SetFolderOpener([&](const std::string& host) {
        opened.push_back(host);
        return true;
    });
    Installer installer(context, ui);
    installer.Finish({"/nogroup"}, Installer::FolderAction::OpenUnlessNoGroup, /*restart=*/false);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(platform.Reboots, 0);
    installer.Finish({}, Installer::FolderAction::OpenUnlessNoGroup, /*restart=*/true);
    plat::SetFolderOpener(previous);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], plat::HostPath(installer.ProgramFolder()));
    EXPECT_EQ(platform.Reboots, 1);
    EXPECT_EQ(testing_support::ReadHostFile(out.Host + "/after.txt"), "one\ntwo\none\ntwo\n");
}

} // namespace
