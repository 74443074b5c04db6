#include "designer/shell/RegImport.h"
#include "designer/shell/Settings.h"
#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "tests/designer/shell/FreshPrefix.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

using plat::RootKey;
using plat::TRegistry;

namespace {

class RegImportTest : public ::testing::Test {
protected:
    void SetUp() override { UseFreshPrefix(); }
    void TearDown() override { plat::RegistryReset(); }

    static std::string Binary(RootKey root, const std::string& key, const std::string& name) {
        TRegistry reg(root);
        EXPECT_TRUE(reg.OpenKeyReadOnly(key)) << key;
        const auto value = reg.GetValue(name);
        EXPECT_TRUE(value.has_value()) << name;
        EXPECT_EQ(value->Type, static_cast<uint32_t>(plat::RegDataType::Binary));
        return value ? value->Data : std::string();
    }
};

} // namespace

TEST_F(RegImportTest, HexItemsTakeTwoCharactersEachAndCountOthersAsZero) {
    ImportRegText("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\T]\r\n"
                  "\"a\"=hex:7f,7,zz,FF,0a1\r\n"
                  "\"empty\"=hex:\r\n"
                  "\"spaced\"   =   hex:01, 02\r\n");
    EXPECT_EQ(Binary(RootKey::CurrentUser, "\\Software\\T", "a"), std::string("\x7F\x70\x00\xFF\x0A", 5));
    EXPECT_EQ(Binary(RootKey::CurrentUser, "\\Software\\T", "empty"), "");
    // The item " 02" starts with a blank, which counts as zero: exactly as the files were written.
    EXPECT_EQ(Binary(RootKey::CurrentUser, "\\Software\\T", "spaced"), std::string("\x01\x00", 2));
}

TEST_F(RegImportTest, HexValuesContinuedOverSeveralLinesAreWhole) {
    ImportRegText("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\T]\r\n"
                  "\"long\"=hex:01,02,\\\r\n"
                  "  03,04,\\\r\n"
                  "  05\r\n"
                  "\"after\"=hex:06\r\n");
    EXPECT_EQ(Binary(RootKey::CurrentUser, "\\Software\\T", "long"), "\x01\x02\x03\x04\x05");
    EXPECT_EQ(Binary(RootKey::CurrentUser, "\\Software\\T", "after"), "\x06");
}

TEST_F(RegImportTest, StringsAreStoredUnchangedAndOtherFormsIgnored) {
    ImportRegText("[HKEY_LOCAL_MACHINE\\Software\\T]\n"
                  "\"path\"=\"C:\\\\dir\\\"\n"
                  "\"open\"=\"no closing quote\n"
                  "\"n\"=dword:00000001\n"
                  "\"bad\" x=\"1\"\n"
                  "@=\"default\"\n"
                  "; comment\n");
    TRegistry reg(RootKey::LocalMachine);
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\T"));
    EXPECT_EQ(reg.ReadString("path"), "C:\\\\dir\\");
    EXPECT_EQ(reg.ReadString("open"), "no closing quote");
    EXPECT_FALSE(reg.ValueExists("n"));
    EXPECT_FALSE(reg.ValueExists("bad"));
    EXPECT_EQ(reg.GetValueNames().size(), 2u);
}

TEST_F(RegImportTest, RootNamesAreExactAndAnythingElseMeansTheCurrentUser) {
    ImportRegText("[hkey_local_machine\\Software\\Lower]\n\"v\"=\"1\"\n"
                  "[HKEY_CLASSES_ROOT\\.vlm]\n\"v\"=\"2\"\n"
                  "[Software\\Bare]\n\"v\"=\"3\"\n");
    TRegistry user(RootKey::CurrentUser);
    EXPECT_TRUE(user.KeyExists("\\Software\\Lower"));
    EXPECT_TRUE(user.KeyExists("\\Bare")); // the first word is taken as the root and dropped
    TRegistry classes(RootKey::ClassesRoot);
    EXPECT_TRUE(classes.KeyExists("\\.vlm"));
    TRegistry machine(RootKey::LocalMachine);
    EXPECT_FALSE(machine.KeyExists("\\Software\\Lower"));
}

TEST_F(RegImportTest, AValueBeforeAnyKeyIsARegistryErrorNamingIt) {
    try {
        ImportRegText("REGEDIT4\n\"Orphan\"=\"x\"\n");
        FAIL() << "the orphan value was accepted";
    } catch (const plat::ERegistryException& e) {
        EXPECT_NE(e.Message().find("'Orphan'"), std::string::npos) << e.Message();
    }
}

TEST_F(RegImportTest, AMissingFileIsAFileError) {
    EXPECT_THROW(ImportRegFile("C:\\no\\such\\velmora.reg"), plat::EFileError);
}

TEST_F(RegImportTest, FirstRunImportsTheDefaultsOnceDefaultSlotExists) {
    const std::string cd = testing_support::MakeScratchDir("cd");
    testing_support::WriteHostFile(cd + "/Resource/velmora.reg",
                                   "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Vertalis\\Velmora\\States1]\r\n"
                                   "\"pl03\"=hex:02,ff\r\n");
    ReadSettings(plat::WinPathOf(cd));
    EXPECT_TRUE(IsFirstRun());
    ImportDefaultsOnFirstRun();
    EXPECT_EQ(Binary(RootKey::CurrentUser, "\\Software\\Vertalis\\Velmora\\States1", "pl03"), "\x02\xFF");

    plat::TRegIniFile ini(kProductKey);
    ini.WriteInteger("", "DefaultSlot", -1);
    EXPECT_TRUE(IsFirstRun());
    ini.WriteInteger("", "DefaultSlot", 3);
    EXPECT_FALSE(IsFirstRun());
    ini.WriteString("States1", "pl03", "changed");
    ImportDefaultsOnFirstRun(); // not the first run any more: the child's data stays
    EXPECT_EQ(ini.ReadString("States1", "pl03", ""), "changed");
}

TEST_F(RegImportTest, ADefaultSlotStoredAsADWordIsNoFirstRun) {
    const std::string cd = testing_support::MakeScratchDir("cd");
    testing_support::WriteHostFile(cd + "/Resource/velmora.reg",
                                   "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Vertalis\\Velmora\\States1]\r\n"
                                   "\"pl03\"=hex:02,ff\r\n");
    ReadSettings(plat::WinPathOf(cd));
    {
        plat::TRegistry reg(RootKey::CurrentUser);
        ASSERT_TRUE(reg.OpenKey(std::string("\\") + kProductKey, /*canCreate=*/true));
        reg.WriteInteger("DefaultSlot", 2);
        reg.CloseKey();
    }
    plat::TRegIniFile ini(kProductKey);
    ini.WriteString("States1", "pl03", "child's");
    EXPECT_FALSE(IsFirstRun());
    ImportDefaultsOnFirstRun();
    EXPECT_EQ(ini.ReadString("States1", "pl03", ""), "child's");

    {
        plat::TRegistry reg(RootKey::CurrentUser);
        ASSERT_TRUE(reg.OpenKey(std::string("\\") + kProductKey, /*canCreate=*/false));
        reg.WriteInteger("DefaultSlot", -1);
        reg.CloseKey();
    }
    EXPECT_TRUE(IsFirstRun());
}

TEST_F(RegImportTest, ReadsRealExportFilesLineByLine) {
    const std::string dir = testing_support::TestDataDir("reg");
    if (dir.empty())
        GTEST_SKIP() << "shared test data is absent";
    const std::string debugOn = dir + "/ms-debugon-regedit4.reg";
    ImportRegFile(plat::WinPathOf(debugOn));
    const std::string text = testing_support::ReadHostFile(debugOn);
    const size_t open = text.find("[HKEY_CURRENT_USER");
    const std::string key = text.substr(open + 18, text.find(']', open) - open - 18);
    EXPECT_EQ(Binary(RootKey::CurrentUser, key, "ScriptDebugging"), "\x01");
    // A hex value continued over seven lines (18 + 5 x 25 + 1 items) is read whole: the
    // continuation's first items follow the first line's, and no "\" becomes a byte.
    ImportRegFile(plat::WinPathOf(dir + "/ms-L2SecExt-v5.reg"));
    const std::string permission =
        Binary(RootKey::ClassesRoot, "\\AppID\\{00102030-4050-6070-8090-A0B0C0D0E0F0}", "LaunchPermission");
    ASSERT_EQ(permission.size(), 144u);
    EXPECT_EQ(permission.substr(0, 4), std::string("\x01\x00\x04\x80", 4));
    EXPECT_EQ(permission.substr(16, 6), std::string("\x14\x00\x00\x00\x02\x00", 6));
    EXPECT_EQ(permission.substr(118, 8), std::string("\x00\x05\x20\x00\x00\x00\x20\x02", 8)); // the sixth line
    EXPECT_EQ(permission.back(), '\0');
}
