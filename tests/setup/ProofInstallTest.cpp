// The whole installation as a user gets it: a scratch CD with files, a mask tree, an ".INI" file
// with macros, a run step, a shared file, shortcuts, registry lists and one package, installed
// unattended into a scratch prefix and checked file by file, value by value and log line by line;
// then installed again, which replaces the log and raises the use counts.
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/shell/ShellLink.h"
#include "setup/script/Macros.h"
#include "setup/script/ScriptFile.h"
#include "setup/SetupCommand.h"
#include "setup/install/DiskSpace.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/Scratch.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

using namespace setup;

namespace {

using setup_test::Captured;
using setup_test::ReadStream;

Captured RunSilent(const std::vector<std::string>& args, const std::string& ownDir) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Captured result;
    result.Status = RunSetupCommand(args, ownDir, out, err);
    result.Out = ReadStream(out);
    result.Err = ReadStream(err);
    return result;
}

class ProofInstall : public ::testing::Test {
  protected:
    void SetUp() override {
        setup_test::FreshPrefix();
        cd = setup_test::MakeFolder("cd");
        cd.Put("readme.txt", "read me");
        cd.Put("velmora.exe", std::string(3000, 'v'));
        cd.Put("data/a.dat", "a");
        cd.Put("data/skip.txt", "not matched");
        cd.Put("data/sub/b.dat", std::string(2048, 'b'));
        cd.Put("data/sub/deep/c.dat", "c");
        cd.Put("config.ini", "[Paths]\r\nHD=%HDPATH%\r\nCD=%cdpath%\r\nOther=%nope% 100%\r\n");
        cd.Put("tools/prepare.exe", "#!/bin/sh\necho ran >> \"$1\"\n");
        std::filesystem::permissions(cd.Host + "/tools/prepare.exe", std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
        cd.Put("shared.dll", "not a library");
        cd.Put("vtuninst.exe", "uninstaller");
        cd.Put("pkg.txt", "package");

        SetupParams main;
        main.SetText("ProductName", "Velmora");
        main.SetText("InternalName", "Velmora");
        main.SetText("ProductVersion", "1.0");
        main.SetFlag("AutoUninstall", true);
        main.SetLines("Memo10", {"Remove %PRODUCTNAME%?", "From %HDPATH%"});
        main.SetLines("ListFiles", {
                                       "; files",
                                       "readme.txt=%HDPATH%",
                                       "velmora.exe=%HDPATH%",
                                       "missing.txt=%HDPATH%",
                                       "data\\*.dat==%HDPATH%\\data\\",
                                       "config.ini=%HDPATH%\\cfg\\settings.ini",
                                       "RUN=\"%CDPATH%\\tools\\prepare.exe\" \"%HDPATH%\\ran.txt\"",
                                       "shared.dll=%SYSTEM%",
                                   });
        main.SetLines("ListIcons", {"Velmora=%HDPATH%\\velmora.exe,,/x,%HDPATH%\\velmora.exe",
                                    "Help\\Read me=%HDPATH%\\readme.txt,%HDPATH%\\data"});
        main.SetLines("RegList", {
                                     "[HKEY_CURRENT_USER\\Software\\%FIRMNAME%\\Velmora\\Options]",
                                     "\"HD\"=\"%HDPATH%\"",
                                     "\"@\"=\"at sign\"",
                                     "\"Doubled\"=\"a\\\\b\"",
                                     "\"Bytes\"=hex:01,$ff,,zz",
                                     "\"Count\"=dword:00000001",
                                     "; a comment",
                                     " \"Indented\"=\"skipped\"",
                                 });
        SaveScript(main, cd.Win + "\\setup.inf");

        SetupParams package;
        package.SetText("ProductName", "Extras");
        package.SetLines("ListFiles", {"pkg.txt=%HDPATH%\\pkg\\"});
        package.SetLines("RegList", {"[HKEY_LOCAL_MACHINE\\Software\\%FIRMNAME%\\Extras]", "\"On\"=\"yes\""});
        SaveScript(package, cd.Win + "\\setup0.inf");
    }

    std::string Prefixed(const std::string& win) { return plat::HostPath(win); }

    setup_test::ScratchFolder cd;
};

TEST_F(ProofInstall, SilentInstallTwice) {
    const std::string hd = "C:\\Program Files\\Velmora";
    const std::string programs = GetProgramsDir(plat::WindowsDirectory()) + "\\Velmora";
    const std::string logPath = hd + "\\Velmora.isu";
    const std::string sharedPath = plat::SystemDirectory() + "\\shared.dll";

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        plat::RegistryReset();
        Captured result = RunSilent({"/SILENT"}, cd.Win + "\\");
        ASSERT_EQ(result.Status, 0) << result.Out << result.Err;
        EXPECT_NE(result.Out.find("[1/4] Copying files"), std::string::npos) << result.Out;
        EXPECT_NE(result.Out.find("[4/4] Updating system information"), std::string::npos);
        EXPECT_EQ(result.Err, "Product Setup: Source file missing: " + cd.Win + "\\missing.txt\n");

        // Files.
        EXPECT_EQ(plat::ReadFileBytes(hd + "\\readme.txt"), "read me");
        EXPECT_EQ(plat::FileSize(hd + "\\velmora.exe"), 3000);
        EXPECT_EQ(plat::ReadFileBytes(hd + "\\data\\a.dat"), "a");
        EXPECT_EQ(plat::FileSize(hd + "\\data\\sub\\b.dat"), 2048);
        EXPECT_EQ(plat::ReadFileBytes(hd + "\\data\\sub\\deep\\c.dat"), "c");
        EXPECT_FALSE(plat::FileExists(hd + "\\data\\skip.txt"));
        EXPECT_FALSE(plat::FileExists(hd + "\\missing.txt"));
        EXPECT_EQ(plat::ReadFileBytes(hd + "\\cfg\\settings.ini"),
                  "[Paths]\r\nHD=" + hd + "\r\nCD=" + cd.Win + "\r\nOther=%NOPE% 100%\r\n");
        EXPECT_EQ(testing_support::ReadHostFile(Prefixed(hd + "\\ran.txt")),
                  run == 1 ? "ran\n" : "ran\nran\n");
        EXPECT_EQ(plat::ReadFileBytes(sharedPath), "not a library");
        EXPECT_EQ(plat::ReadFileBytes(plat::WindowsDirectory() + "\\vtuninst.exe"), "uninstaller");
        EXPECT_EQ(plat::ReadFileBytes(hd + "\\pkg\\pkg.txt"), "package");

        // Shortcuts and their desktop entries.
        auto link = plat::LoadShellLink(programs + "\\Velmora.lnk");
        ASSERT_TRUE(link);
        EXPECT_EQ(link->Target, hd + "\\velmora.exe");
        EXPECT_EQ(link->WorkingDirectory, hd);
        EXPECT_EQ(link->Arguments, "/x");
        EXPECT_EQ(link->IconFile, hd + "\\velmora.exe");
        auto readme = plat::LoadShellLink(programs + "\\Help\\Read me.lnk");
        ASSERT_TRUE(readme);
        EXPECT_EQ(readme->WorkingDirectory, hd + "\\data");
        std::string desktop =
            testing_support::ReadHostFile(plat::DesktopEntryPath(programs + "\\Velmora.lnk"));
        EXPECT_NE(desktop.find("Exec=\"" + Prefixed(hd + "\\velmora.exe") + "\" /x\n"), std::string::npos)
            << desktop;
        EXPECT_NE(desktop.find("Name=Velmora\n"), std::string::npos);
        EXPECT_NE(desktop.find("Path=" + Prefixed(hd) + "\n"), std::string::npos);
        std::string helpEntry = plat::DesktopEntryPath(programs + "\\Help\\Read me.lnk");
        EXPECT_EQ(std::filesystem::path(helpEntry).filename(), "vertalis-Help-Read-me.desktop");
        EXPECT_TRUE(std::filesystem::exists(helpEntry));

        // Registry, as saved on disk.
        plat::RegistryReset();
        plat::TRegistry user(plat::RootKey::CurrentUser);
        EXPECT_FALSE(user.KeyExists("\\SOFTWARE\\Vertalis\\Velmora\\Version")); // packages: no product key
        ASSERT_TRUE(user.OpenKeyReadOnly("\\Software\\Vertalis\\Velmora"));
        EXPECT_FALSE(user.ValueExists("Version"));
        ASSERT_TRUE(user.OpenKeyReadOnly("\\Software\\Vertalis\\Velmora\\Options"));
        EXPECT_EQ(user.ReadString("HD"), hd);
        EXPECT_EQ(user.ReadString("@"), "at sign");
        EXPECT_EQ(user.ReadString("Doubled"), "a\\\\b");
        EXPECT_FALSE(user.ValueExists("Count"));
        EXPECT_FALSE(user.ValueExists("Indented"));
        char bytes[8] = {};
        ASSERT_EQ(user.ReadBinaryData("Bytes", bytes, 8), 3);
        EXPECT_EQ(std::string(bytes, 3), std::string("\x01\xff\x00", 3));
        plat::TRegistry machine(plat::RootKey::LocalMachine);
        ASSERT_TRUE(machine.OpenKeyReadOnly("\\Software\\Vertalis\\Extras"));
        EXPECT_EQ(machine.ReadString("On"), "yes");
        ASSERT_TRUE(
            machine.OpenKeyReadOnly("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora"));
        EXPECT_EQ(machine.ReadString("DisplayName"), "Velmora");
        EXPECT_EQ(machine.ReadString("UninstallString"), plat::WindowsDirectory() + "\\vtuninst.exe Velmora");
        ASSERT_TRUE(machine.OpenKeyReadOnly(
            "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora\\Info"));
        EXPECT_EQ(machine.ReadString("Text"), "Remove Velmora?\r\nFrom " + hd);
        EXPECT_EQ(machine.ReadString("TextYes"), "Yes");
        EXPECT_EQ(machine.ReadString("TextNo"), "No");
        EXPECT_EQ(machine.ReadString("TextCaption"), "Uninstall");
        EXPECT_EQ(machine.ReadString("UninstallString"), logPath);
        EXPECT_EQ(setup_test::SharedCount(sharedPath), run);

        // The uninstall log, line by line.
        std::vector<std::string> expected = {
            hd + "\\dummy",
            hd + "\\readme.txt",
            hd + "\\velmora.exe",
            hd + "\\data\\a.dat",
            hd + "\\data\\sub\\b.dat",
            hd + "\\data\\sub\\deep\\c.dat",
            hd + "\\cfg\\settings.ini",
            sharedPath,
            hd + "\\pkg\\pkg.txt",
            programs + "\\Velmora.lnk",
            programs + "\\Help\\Read me.lnk",
            "Key: \\Software\\Vertalis\\Velmora\\Options",
            "Value: HD",
            "Value: @",
            "Value: Doubled",
            "Value: Bytes",
            "Key: \\Software\\Vertalis\\Extras",
            "Value: On",
            logPath,
        };
        std::string log;
        for (const std::string& line : expected)
            log += line + "\r\n";
        EXPECT_EQ(plat::ReadFileBytes(logPath), log);
    }
}

TEST_F(ProofInstall, ADestinationOnADriveWithNoMappingHasNoRoom) {
    SetupParams main;
    LoadScript(main, cd.Win + "\\setup.inf");
    main.SetText("DefaultDir", "Q:\\Velmora");
    SaveScript(main, cd.Win + "\\setup.inf");
    Captured result = RunSilent({"/SILENT"}, cd.Win + "\\");
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Err.find("Disk space required: "), std::string::npos) << result.Err;
    EXPECT_EQ(result.Err.find("%d"), std::string::npos) << result.Err;

    // The check itself, as the wizard makes it too.
    const std::string pattern = main.Text("ErrorDiskSpace");
    EXPECT_EQ(DiskSpaceError("C:\\Program Files\\Velmora", 1, pattern), std::nullopt);
    EXPECT_EQ(DiskSpaceError("Q:\\Velmora", 0, pattern), "Disk space required: 0 kb. Please choose another disk");
    EXPECT_EQ(DiskSpaceError("C:\\Program Files\\Velmora", INT64_MAX / 2, pattern),
              "Disk space required: " + std::to_string(INT64_MAX / 2) + " kb. Please choose another disk");
    EXPECT_EQ(FormatNumber("%d of %d", 7), "7 of %d");
}

TEST_F(ProofInstall, UnreadableScriptStopsWithStatusAndMessage) {
    plat::WriteFileBytes(cd.Win + "\\setup1.inf", "TPF0\x05TForm");
    Captured result = RunSilent({"--silent"}, cd.Win + "\\");
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Err.find("setup1.inf: offset 10: stream cut short in component name"), std::string::npos)
        << result.Err;
    EXPECT_FALSE(plat::DirectoryExists("C:\\Program Files\\Velmora"));
}

TEST_F(ProofInstall, DumpAndCompileGiveTheSameScript) {
    auto out = setup_test::MakeFolder("dump");
    std::FILE* text = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ASSERT_EQ(RunSetupCommand({"--dump", plat::HostPath(cd.Win + "\\setup.inf")}, cd.Win, text, err), 0);
    std::string dump = ReadStream(text);
    std::fclose(err);
    EXPECT_NE(dump.find("      object ListFiles: TMemo\n        Lines.Strings = (\n          '; files'"),
              std::string::npos)
        << dump;
    out.Put("setup.txt", dump);
    ASSERT_EQ(RunSetupCommand({"--compile", out.Host + "/setup.txt", out.Host + "/setup.inf"}, cd.Win, stdout,
                              stderr),
              0);
    EXPECT_EQ(testing_support::ReadHostFile(out.Host + "/setup.inf"),
              testing_support::ReadHostFile(plat::HostPath(cd.Win + "\\setup.inf")));
}

} // namespace
