// Word detection over the prefix's registry and files, and the WINWORD values.
#include "setup/install/WordIntegration.h"

#include "platform/files/Files.h"
#include "platform/registry/Registry.h"
#include "setup/script/SetupContext.h"
#include "tests/setup/SetupTestSupport.h"

#include <gtest/gtest.h>

using namespace setup;

namespace {

void WriteKey(const std::string& key, const std::vector<std::pair<std::string, std::string>>& values) {
    plat::TRegistry reg(plat::RootKey::CurrentUser);
    ASSERT_TRUE(reg.OpenKey(key, true));
    for (const auto& [name, value] : values)
        reg.WriteString(name, value);
}

class WordTest : public ::testing::Test {
  protected:
    void SetUp() override { setup_test::FreshPrefix(); }
    std::function<std::string()> hd = [] { return std::string("C:\\Dest"); };
};

TEST_F(WordTest, NeedsWordLooksAtTheFirstMacroOfEachLine) {
    std::vector<ScriptEntry> scripts(2);
    scripts[0].Params.SetLines("ListFiles", {"%HDPATH%\\x=%WINWORDSTARTUP%\\x", ";%WINWORD%=x"});
    EXPECT_FALSE(WordIntegration().NeedsWord(scripts));
    scripts[1].Params.SetLines("ListFiles", {"t.dot=%winwordtemplates%"});
    WordIntegration word;
    EXPECT_TRUE(word.NeedsWord(scripts));
    EXPECT_TRUE(word.UsesWord());
    scripts[1].Selected = false;
    EXPECT_FALSE(word.NeedsWord(scripts));
}

TEST_F(WordTest, NothingInstalledGivesTheDestination) {
    WordIntegration word;
    word.DetectWordVersions("C:\\windows");
    EXPECT_EQ(word.VersionList(), std::vector<std::string>{"Ohne Integration in Word"});
    EXPECT_EQ(word.ChosenVersion(), 0);
    EXPECT_EQ(word.WordValue(WordKind::Startup, hd), "C:\\Dest");
    EXPECT_EQ(word.WordValue(WordKind::Language, hd), "GER");
    EXPECT_EQ(word.WordValue(WordKind::Version, hd), "97");
}

TEST_F(WordTest, OnlyInstalledProgramsCountAndEntriesStartEmpty) {
    WriteKey("\\Software\\Microsoft\\Office\\10.0\\Word\\Options", {{"PROGRAMDIR", "C:\\Office10\\"}});
    WriteKey("\\Software\\Microsoft\\Office\\10.0\\Common\\General", {{"UserTemplatess", "C:\\T10"}});
    WriteKey("\\Software\\Microsoft\\Office\\8.0\\Word\\Options",
             {{"PROGRAMDIR", "C:\\Office8"}, {"STARTUP-PATH", "C:\\Office8\\Startup"}});
    WriteKey("\\Software\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates", {{"", "C:\\T8"}});
    ASSERT_TRUE(plat::ForceDirectories("C:\\Office8"));
    plat::WriteFileBytes("C:\\Office8\\winword.exe", "x");

    WordIntegration word;
    word.DetectWordVersions("C:\\windows");
    EXPECT_EQ(word.VersionList(), (std::vector<std::string>{"Ohne Integration in Word", "Word 97"}));
    EXPECT_EQ(word.ChosenVersion(), 1);
    EXPECT_EQ(word.Entry(1).TemplatesDir, "C:\\T8");
    EXPECT_EQ(word.Entry(2).ProgramFile, "");

    word.ChooseLanguage(0);
    EXPECT_EQ(word.WordValue(WordKind::Startup, hd), "C:\\Office8\\Startup");
    EXPECT_TRUE(word.Frozen());
    word.ChooseLanguage(1); // too late: the choice is frozen
    EXPECT_EQ(word.WordValue(WordKind::Language, hd), "ENG");
    EXPECT_EQ(word.WordValue(WordKind::Version, hd), "97");
    EXPECT_EQ(word.WordValue(WordKind::Program, hd), "C:\\Office8\\winword.exe");
}

TEST_F(WordTest, Word6FromItsIniFile) {
    ASSERT_TRUE(plat::ForceDirectories("C:\\windows"));
    ASSERT_TRUE(plat::ForceDirectories("C:\\W6"));
    plat::WriteFileBytes("C:\\W6\\winword.exe", "x");
    plat::WriteFileBytes("C:\\windows\\winword6.ini",
                         "[Other]\r\nPROGRAMDIR=C:\\No\r\n[Microsoft Word]\r\nprogramdir=C:\\W6\r\n"
                         "STARTUP-PATH=C:\\W6\\S\r\nUSER-DOT-PATH=C:\\W6\\T\r\n");
    WordIntegration word;
    word.DetectWordVersions("C:\\windows");
    EXPECT_EQ(word.VersionList().back(), "Word 6.0");
    EXPECT_EQ(word.Entry(1).TemplatesDir, "C:\\W6\\T");
}

} // namespace
