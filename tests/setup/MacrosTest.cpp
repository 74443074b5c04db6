// Macro expansion, shell folders and script discovery.
#include "setup/script/Macros.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "setup/script/ScriptFile.h"
#include "setup/script/SetupContext.h"
#include "tests/setup/SetupTestSupport.h"

#include <gtest/gtest.h>

using namespace setup;

namespace {

class MacrosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setup_test::FreshPrefix();
        context.WindowsDir = "C:\\windows";
        context.SystemDir = "C:\\windows\\system";
        context.CdPath = "D:";
        context.Destination = "C:\\Program Files\\Product";
    }
    SetupContext context;
};

TEST_F(MacrosTest, ExpandsKnownNamesInAnyCaseInOnePass) {
    context.Main().SetText("ProductName", "%WINDOWS%");
    context.Main().SetText("Flag2", "second");
    context.ChosenOption = 2;
    const std::pair<const char*, const char*> cases[] = {
        {"%windows%\\x", "C:\\windows\\x"},
        {"%Windows%\\x", "C:\\windows\\x"},
        {"100%", "100%"},
        {"%UNKNOWN% and %x", "%UNKNOWN% and %x"},
        {"%abc%", "%ABC%"},
        {"%%", "%%"},
        {"a%%b", "a%%b"},
        {"%PRODUCTNAME%", "%WINDOWS%"}, // not scanned again
        {"%CDPATH%\\%system%", "D:\\C:\\windows\\system"},
        {"%FLAG%", "second"},
        {"%VERSION%-%FIRMNAME%-%INTERNALNAME%", "alfa-Vertalis-Product"},
        {"%DESKTOP%|%PROGRAMMENU%|%STARTMENU%",
         "C:\\windows\\Desktop|C:\\windows\\Desktop|C:\\windows\\Startmen"},
        {"%PROGRAMFILES%|%COMMONFILES%", "C:\\Program Files|C:\\Program Files\\Common Files"},
        {"%FONTDIR%", "C:\\windows\\system"},
        {"%NOTEPAD%%WORDPAD%", ""},
        {"%WINWORDSTARTUP%|%WINWORDVERSION%|%WINWORDLANGUAGE%|%WINWORDFILEOPEN%|%WINWORD%",
         "C:\\Program Files\\Product|97|GER|FileOpen|"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(context.ExpandMacros(text), expected) << text;
}

TEST_F(MacrosTest, ShortDestinationAppearsOnceTheFolderExists) {
    context.Destination = "C:\\Program Files\\Long Product Name";
    EXPECT_EQ(context.ExpandMacros("%HD~1%"), "");
    ASSERT_TRUE(plat::ForceDirectories(context.Destination));
    EXPECT_EQ(context.ExpandMacros("%HD~1%"), plat::ShortPathName(context.Destination));
    EXPECT_EQ(context.ExpandMacros("%HD~1%").find(' '), std::string::npos);
}

TEST_F(MacrosTest, ShellFoldersComeFromTheRegistryWhenPresent) {
    {
        plat::TRegistry reg(plat::RootKey::CurrentUser);
        ASSERT_TRUE(
            reg.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", true));
        reg.WriteString("Desktop", "C:\\Users\\Desk");
        reg.WriteInteger("Fonts", 5); // unreadable as a string: the default
    }
    EXPECT_EQ(GetDesktopDir("C:\\windows"), "C:\\Users\\Desk");
    EXPECT_EQ(GetFontsDir("C:\\windows\\system"), "C:\\windows\\system");
    EXPECT_EQ(GetStartMenuDir("C:\\"), "C:\\Startmen");
    EXPECT_EQ(ReadRegString(plat::RootKey::CurrentUser, "\\No\\Such", "x", "fallback"), "fallback");
}

TEST(ScriptDiscovery, FindsScriptsPackagesAndFolders) {
    setup_test::FreshPrefix();
    auto cd = setup_test::MakeFolder("cd");
    auto other = setup_test::MakeFolder("other");
    SetupParams main;
    main.SetText("ProductName", "Main");
    SaveScript(main, cd.Win + "\\setup.inf");
    SetupParams package;
    package.SetText("ProductName", "Pkg");
    SaveScript(package, cd.Win + "\\setup3.inf");
    SaveScript(package, cd.Win + "\\setup0.inf");

    SetupContext context;
    context.Discover({"/autorun", "sipath=" + other.Win + "\\", "SETUPDIR=D:\\"}, cd.Win + "\\");
    EXPECT_EQ(context.ScriptDir, plat::IncludeTrailingBackslash(cd.Win)); // no setup.inf in `other`
    EXPECT_EQ(context.CdPath, "D:");
    ASSERT_EQ(context.Scripts().size(), 3u);
    EXPECT_EQ(plat::ExtractFileName(context.Scripts()[1].Path), "setup0.inf");
    EXPECT_EQ(plat::ExtractFileName(context.Scripts()[2].Path), "setup3.inf");
    EXPECT_EQ(context.Main().Text("ProductName"), "Main");
    EXPECT_EQ(context.Destination, "C:\\Program Files\\Main");
    EXPECT_EQ(context.WindowsDir, plat::WindowsDirectory());

    SaveScript(main, other.Win + "\\setup.inf");
    SetupContext fromSiPath;
    fromSiPath.Discover({"SIPATH=" + other.Win + "\\"}, cd.Win + "\\");
    EXPECT_EQ(fromSiPath.Scripts().size(), 1u);
    EXPECT_EQ(fromSiPath.CdPath.substr(1), cd.Win.substr(1)); // source stays the program's folder

    plat::WriteFileBytes(other.Win + "\\setup1.inf", "TPF0 broken");
    SetupContext broken;
    EXPECT_THROW(broken.Discover({"SIPATH=" + other.Win + "\\"}, cd.Win + "\\"), plat::Exception);
    EXPECT_TRUE(broken.CdPath.empty()); // nothing half-set
}

} // namespace
