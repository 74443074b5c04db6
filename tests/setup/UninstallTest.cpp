// vtuninst against a real installation: a scratch CD installed unattended into a scratch prefix,
// then removed in-process; checked file by file and key by key, with shared use counts, files the
// log does not list, the "no" answer, a damaged or missing log and a run that cannot finish.
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/shell/ShellLink.h"
#include "platform/text/Cp1251.h"
#include "setup/script/Macros.h"
#include "setup/script/ScriptFile.h"
#include "setup/SetupCommand.h"
#include "setup/uninstall/UninstallCommand.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/Scratch.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

using namespace setup;

namespace {

const std::string kHd = "C:\\Program Files\\Velmora";
const std::string kLog = kHd + "\\Velmora.isu";
const std::string kUninstallKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora";
const std::string kSharedKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

using setup_test::Captured;
using setup_test::ReadStream;

Captured RunVtuninst(const std::vector<std::string>& args, const std::string& input = "") {
    std::FILE* in = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Captured result;
    result.Status = RunUninstallCommand(args, in, out, err);
    std::fclose(in);
    result.Out = ReadStream(out);
    result.Err = ReadStream(err);
    return result;
}

bool KeyExists(plat::RootKey root, const std::string& path) {
    return plat::TRegistry(root).KeyExists(path);
}

using setup_test::SharedCount;

class Uninstall : public ::testing::Test {
protected:
    void SetUp() override {
        setup_test::FreshPrefix();
        cd = setup_test::MakeFolder("cd");
        cd.Put("readme.txt", "read me");
        cd.Put("velmora.exe", "program");
        cd.Put("data/a.dat", "a");
        cd.Put("data/sub/deep/c.dat", "c");
        cd.Put("shared.dll", "shared");
        cd.Put("own.dll", "own");
        cd.Put("vtuninst.exe", "uninstaller placeholder");

        SetupParams main;
        main.SetText("ProductName", "Velmora");
        main.SetText("InternalName", "Velmora");
        main.SetFlag("AutoUninstall", true);
        main.SetLines("Memo10", {"Remove %PRODUCTNAME%?"});
        main.SetLines("ListFiles",
                      {"readme.txt=%HDPATH%", "velmora.exe=%HDPATH%", "data\\*.dat==%HDPATH%\\data\\",
                       "shared.dll=%SYSTEM%", "own.dll=%SYSTEM%"});
        main.SetLines("ListIcons", {"Velmora=%HDPATH%\\velmora.exe", "Help\\Read me=%HDPATH%\\readme.txt"});
        main.SetLines("RegList",
                      {"[HKEY_CURRENT_USER\\Software\\%FIRMNAME%\\Velmora\\Options]", "\"On\"=\"1\"",
                       "[HKEY_LOCAL_MACHINE\\Software\\%FIRMNAME%\\Extras]", "\"On\"=\"1\"",
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]",
                       "\"Velmora\"=\"x\""});
        SaveScript(main, cd.Win + "\\setup.inf");

        shared = plat::SystemDirectory() + "\\shared.dll";
        own = plat::SystemDirectory() + "\\own.dll";
        programs = GetProgramsDir(plat::WindowsDirectory()) + "\\Velmora";
        // Another product already uses shared.dll.
        plat::TRegistry reg(plat::RootKey::LocalMachine);
        ASSERT_TRUE(reg.OpenKey(kSharedKey, true));
        reg.WriteInteger(shared, 1);
        reg.CloseKey();

        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        ASSERT_EQ(RunSetupCommand({"/SILENT"}, cd.Win + "\\", out, err), 0) << ReadStream(err);
        std::fclose(out);
        ASSERT_TRUE(plat::FileExists(kLog));
        ASSERT_EQ(SharedCount(shared), 2);
        ASSERT_TRUE(plat::FileExists(programs + "\\Help\\Read me.lnk"));
        logBefore = plat::ReadFileBytes(kLog);
    }

    // Everything the installation made, untouched.
    void ExpectInstalled() {
        EXPECT_EQ(plat::ReadFileBytes(kLog), logBefore);
        EXPECT_TRUE(plat::FileExists(kHd + "\\readme.txt"));
        EXPECT_TRUE(plat::FileExists(kHd + "\\data\\sub\\deep\\c.dat"));
        EXPECT_TRUE(plat::FileExists(programs + "\\Velmora.lnk"));
        EXPECT_TRUE(std::filesystem::exists(plat::DesktopEntryPath(programs + "\\Velmora.lnk")));
        EXPECT_TRUE(plat::FileExists(own));
        EXPECT_EQ(SharedCount(shared), 2);
        EXPECT_EQ(SharedCount(own), 1);
        EXPECT_TRUE(KeyExists(plat::RootKey::CurrentUser, "\\Software\\Vertalis\\Velmora\\Options"));
        EXPECT_TRUE(KeyExists(plat::RootKey::LocalMachine, "\\Software\\Vertalis\\Extras"));
        EXPECT_TRUE(KeyExists(plat::RootKey::LocalMachine, kUninstallKey + "\\Info"));
    }

    setup_test::ScratchFolder cd;
    std::string shared, own, programs, logBefore;
};

TEST_F(Uninstall, RemovesWhatTheLogListsAndNothingElse) {
    plat::TRegistry run(plat::RootKey::LocalMachine);
    ASSERT_TRUE(run.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", false));
    run.WriteString("Other", "another program");
    run.CloseKey();

    Captured result = RunVtuninst({"Velmora", "--yes"});
    EXPECT_EQ(result.Status, 0) << result.Out << result.Err;
    EXPECT_EQ(result.Err, "");

    plat::RegistryReset(); // what was saved, not just what is in memory
    for (const char* gone :
         {"\\readme.txt", "\\velmora.exe", "\\data\\a.dat", "\\data\\sub\\deep\\c.dat", "\\Velmora.isu"})
        EXPECT_FALSE(plat::FileExists(kHd + gone)) << gone;
    EXPECT_FALSE(plat::DirectoryExists(kHd));
    EXPECT_TRUE(plat::DirectoryExists("C:\\Program Files"));
    EXPECT_FALSE(plat::DirectoryExists(programs));
    EXPECT_TRUE(plat::DirectoryExists(GetProgramsDir(plat::WindowsDirectory())));
    EXPECT_FALSE(std::filesystem::exists(plat::DesktopEntryPath(programs + "\\Velmora.lnk")));
    EXPECT_FALSE(std::filesystem::exists(plat::DesktopEntryPath(programs + "\\Help\\Read me.lnk")));

    // Shared files: one use less; the last use takes the file and its count along.
    EXPECT_EQ(SharedCount(shared), 1);
    EXPECT_TRUE(plat::FileExists(shared));
    EXPECT_EQ(SharedCount(own), std::nullopt);
    EXPECT_FALSE(plat::FileExists(own));
    EXPECT_TRUE(plat::DirectoryExists(plat::SystemDirectory()));
    EXPECT_TRUE(plat::FileExists(plat::WindowsDirectory() + "\\vtuninst.exe"));

    // Keys: the product's go, the shared Run key stays with every value.
    EXPECT_FALSE(KeyExists(plat::RootKey::CurrentUser, "\\Software\\Vertalis\\Velmora\\Options"));
    EXPECT_FALSE(KeyExists(plat::RootKey::CurrentUser, "\\Software\\Vertalis\\Velmora"));
    EXPECT_FALSE(KeyExists(plat::RootKey::LocalMachine, "\\Software\\Vertalis\\Extras"));
    EXPECT_FALSE(KeyExists(plat::RootKey::LocalMachine, kUninstallKey));
    plat::TRegistry machine(plat::RootKey::LocalMachine);
    ASSERT_TRUE(machine.OpenKeyReadOnly("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"));
    EXPECT_EQ(machine.ReadString("Other"), "another program");
    EXPECT_NE(result.Out.find("Run"), std::string::npos) << result.Out;
}

TEST_F(Uninstall, KeepsWhatOthersPutThere) {
    testing_support::WriteHostFile(plat::HostPath(kHd + "\\data\\sub\\notes.txt"), "mine");
    // The designer's saved outfits under the product key, and a same-named key in another root.
    plat::TRegIniFile("\\Software\\Vertalis\\Velmora").WriteString("States1", "Name", "outfit");
    plat::TRegistry(plat::RootKey::LocalMachine).OpenKey("\\Software\\Vertalis\\Velmora\\Options", true);

    Captured result = RunVtuninst({"Velmora", "--yes"});
    EXPECT_EQ(result.Status, 0) << result.Out << result.Err;
    plat::RegistryReset();
    EXPECT_EQ(plat::ReadFileBytes(kHd + "\\data\\sub\\notes.txt"), "mine");
    EXPECT_FALSE(plat::DirectoryExists(kHd + "\\data\\sub\\deep"));
    EXPECT_FALSE(plat::FileExists(kHd + "\\readme.txt"));
    EXPECT_FALSE(plat::FileExists(kLog));

    plat::TRegistry user(plat::RootKey::CurrentUser);
    ASSERT_TRUE(user.OpenKeyReadOnly("\\Software\\Vertalis\\Velmora"));
    for (const char* name : {"Version", "CDPath", "HDPath"})
        EXPECT_FALSE(user.ValueExists(name)) << name;
    EXPECT_TRUE(user.KeyExists("\\Software\\Vertalis\\Velmora\\States1"));
    EXPECT_TRUE(user.KeyExists("\\Software\\Vertalis\\Velmora\\Options")); // ambiguous root: left
    EXPECT_TRUE(KeyExists(plat::RootKey::LocalMachine, "\\Software\\Vertalis\\Velmora\\Options"));
    EXPECT_FALSE(KeyExists(plat::RootKey::LocalMachine, kUninstallKey));
}

TEST_F(Uninstall, AsksFirstAndNoChangesNothing) {
    Captured result = RunVtuninst({"Velmora"}, "maybe\nNo\n");
    EXPECT_EQ(result.Status, 2) << result.Err;
    EXPECT_NE(result.Out.find("Uninstall\n\nRemove Velmora?\n"), std::string::npos) << result.Out;
    EXPECT_NE(result.Out.find("Yes / No? "), std::string::npos);
    ExpectInstalled();

    EXPECT_EQ(RunVtuninst({"Velmora"}, "").Status, 2); // end of input is no
    ExpectInstalled();
    EXPECT_EQ(RunVtuninst({"Velmora"}, "y\r\n").Status, 0);
    EXPECT_FALSE(plat::DirectoryExists(kHd));
}

TEST_F(Uninstall, RefusesWithoutKeyOrSoundLog) {
    Captured none = RunVtuninst({"Other", "--yes"});
    EXPECT_EQ(none.Status, 1);
    EXPECT_NE(none.Err.find("Other"), std::string::npos) << none.Err;
    EXPECT_EQ(RunVtuninst({"--yes"}).Status, 1);
    EXPECT_EQ(RunVtuninst({"Velmora", "Extra", "--yes"}).Status, 1);
    ExpectInstalled();

    struct Case {
        const char* Name;
        std::string Log;
    };
    const std::string good = logBefore;
    const std::vector<Case> cases = {
        {"cut short", good.substr(0, good.find(kLog))},
        {"relative path", kHd + "\\dummy\r\n..\\..\\x.txt\r\n" + kLog + "\r\n"},
        {"no dummy", kHd + "\\readme.txt\r\n" + kLog + "\r\n"},
        {"empty key", kHd + "\\dummy\r\nKey: \r\n" + kLog + "\r\n"},
        {"control byte", kHd + "\\dummy\r\n" + kHd + "\\read\tme.txt\r\n" + kLog + "\r\n"},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        plat::WriteFileBytes(kLog, c.Log);
        Captured result = RunVtuninst({"Velmora", "--yes"});
        EXPECT_EQ(result.Status, 1);
        EXPECT_NE(result.Err.find(plat::Cp1251ToUtf8(kLog)), std::string::npos) << result.Err;
        plat::WriteFileBytes(kLog, good);
        ExpectInstalled();
    }

    ASSERT_TRUE(plat::DeleteFile(kLog));
    Captured missing = RunVtuninst({"Velmora", "--yes"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find(plat::Cp1251ToUtf8(kLog)), std::string::npos) << missing.Err;
    EXPECT_TRUE(plat::FileExists(kHd + "\\readme.txt"));
    EXPECT_TRUE(KeyExists(plat::RootKey::LocalMachine, kUninstallKey));
}

TEST_F(Uninstall, WhatCannotBeRemovedStaysListedForTheNextRun) {
    // A folder where a listed file was cannot be deleted as that file.
    ASSERT_TRUE(plat::DeleteFile(kHd + "\\readme.txt"));
    ASSERT_TRUE(plat::ForceDirectories(kHd + "\\readme.txt"));
    Captured first = RunVtuninst({"Velmora", "--yes"});
    EXPECT_EQ(first.Status, 1);
    EXPECT_NE(first.Err.find("readme.txt"), std::string::npos) << first.Err;
    EXPECT_EQ(plat::ReadFileBytes(kLog), kHd + "\\dummy\r\n" + kHd + "\\readme.txt\r\n" + kLog + "\r\n");
    EXPECT_TRUE(KeyExists(plat::RootKey::LocalMachine, kUninstallKey + "\\Info"));
    EXPECT_EQ(SharedCount(shared), 1);
    EXPECT_FALSE(plat::FileExists(kHd + "\\velmora.exe"));

    ASSERT_TRUE(plat::RemoveDir(kHd + "\\readme.txt"));
    Captured second = RunVtuninst({"Velmora", "--yes"});
    EXPECT_EQ(second.Status, 0) << second.Err;
    EXPECT_EQ(SharedCount(shared), 1); // not counted down twice
    EXPECT_FALSE(plat::DirectoryExists(kHd));
    EXPECT_FALSE(KeyExists(plat::RootKey::LocalMachine, kUninstallKey));
}

} // namespace
