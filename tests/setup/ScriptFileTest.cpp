// Scripts on disk: defaults, saving and loading, the resets before a load, colours, and scripts
// that cannot be read.
#include "setup/script/ScriptFile.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "tests/setup/SetupTestSupport.h"

#include <gtest/gtest.h>

using namespace setup;
using setup_test::MakeFolder;

namespace {

std::string Short(std::string_view text) {
    return std::string(1, static_cast<char>(text.size())) + std::string(text);
}

TEST(SetupParams, DefaultsAreTheDocumentedOnes) {
    SetupParams params;
    EXPECT_EQ(params.Text("SetupText"), "Product Setup");
    EXPECT_EQ(params.Text("ProductVersion"), "alfa");
    EXPECT_EQ(params.Text("DefaultDir"), "%ProgramFiles%\\%ProductName%");
    EXPECT_EQ(params.Text("Edit2"), " Word Version");
    EXPECT_EQ(params.Text("ErrorDiskSpace"), "Disk space required: %d kb. Please choose another disk");
    EXPECT_EQ(params.Color("TopColor"), 16711680u);
    EXPECT_EQ(params.Color("BottomColor"), 0u);
    EXPECT_FALSE(params.Flag("Restart"));
    EXPECT_TRUE(params.Lines("ListFiles").empty());
}

TEST(ScriptFile, SaveThenLoadGivesTheSameParameters) {
    auto folder = MakeFolder("script");
    SetupParams saved;
    saved.SetText("ProductName", "\xc2\xe5\xeb\xec\xee\xf0\xe0"); // cp1251
    saved.SetText("NameBrowse", "");
    saved.SetText("FlagText1", "Full");
    saved.SetLines("ListFiles", {"readme.txt=%HDPATH%", "", std::string(300, 'x')});
    saved.SetLines("RegList", {"[HKEY_CURRENT_USER\\Software\\X]"});
    saved.SetFlag("Restart", true);
    saved.SetColorText("TopColor", "255");
    std::string path = folder.Win + "\\setup.inf";
    SaveScript(saved, path);

    SetupParams loaded;
    LoadScript(loaded, path);
    SetupParams expected = saved;
    expected.SetText("NameBrowse", "Browse..."); // an empty text is not stored
    EXPECT_TRUE(loaded == expected);
    EXPECT_EQ(loaded.Lines("ListFiles")[2].size(), 300u);
    EXPECT_EQ(loaded.Color("TopColor"), 255u);
}

TEST(ScriptFile, LoadResetsFlagsListsOptionsAndColoursOnly) {
    auto folder = MakeFolder("script");
    SetupParams first;
    first.SetFlag("Restart", true);
    first.SetFlag("AutoUninstall", true);
    first.SetText("Flag2", "two");
    first.SetLines("ListIcons", {"a=b"});
    first.SetLines("RegList", {"kept"});
    first.SetText("ProductName", "Kept");
    first.SetColorText("BottomColor", "77");
    SaveScript(SetupParams(), folder.Win + "\\empty.inf");

    SetupParams params = first;
    LoadScript(params, folder.Win + "\\empty.inf");
    EXPECT_FALSE(params.Flag("Restart"));
    EXPECT_FALSE(params.Flag("AutoUninstall"));
    EXPECT_EQ(params.Text("Flag2"), "");
    EXPECT_TRUE(params.Lines("ListIcons").empty());
    EXPECT_EQ(params.Lines("RegList"), std::vector<std::string>{"kept"});
    EXPECT_EQ(params.Text("ProductName"), "Product"); // the empty script stores the default
    EXPECT_EQ(params.ColorText("BottomColor"), "0");

    SetupParams untouched = first;
    LoadScript(untouched, folder.Win + "\\missing.inf");
    EXPECT_TRUE(untouched == first);
}

TEST(ScriptFile, ReaderMatchesComponentsByNameAtAnyDepthAndSkipsTheRest) {
    auto folder = MakeFolder("script");
    std::string s = "TPF0" + Short("TParamsForm") + Short("ParamsForm");
    s += Short("Left") + "\x02\x05" + Short("OnClick") + "\x07" + Short("Handler") + std::string(1, '\0');
    s += Short("TPageControl") + Short("Pages") + std::string(1, '\0');
    s += Short("TTabSheet") + Short("Sheet") + std::string(1, '\0');
    s += Short("TCheckBox") + Short("restart") + Short("State") + "\x07" + Short("cbChecked") +
         std::string(1, '\0') + std::string(1, '\0');
    s += Short("TButton") + Short("TopColor") + Short("Hint") + "\x06" + Short("blue?") +
         std::string(1, '\0') + std::string(1, '\0');
    s += Short("TEdit") + Short("Unknown") + Short("Text") + "\x06" + Short("x") + std::string(1, '\0') +
         std::string(1, '\0');
    s += Short("TMemo") + Short("ListFiles") + Short("Picture.Data") + "\x0a" + std::string(4, '\0') +
         Short("Lines.Strings") + "\x01\x06" + Short("a=b") + "\x0c" + std::string("\x03\0\0\0", 4) + "c=d" +
         "\x02\x07" + std::string(1, '\0') + Short("Text") + "\x06" + Short("ignored") +
         std::string(1, '\0') + std::string(1, '\0');
    s += std::string(3, '\0'); // end of Sheet, Pages, root children
    plat::WriteFileBytes(folder.Win + "\\setup.inf", s);

    SetupParams params;
    LoadScript(params, folder.Win + "\\setup.inf");
    EXPECT_TRUE(params.Flag("Restart"));
    EXPECT_EQ(params.Color("TopColor"), 16711680u); // not a number: the fallback
    EXPECT_EQ(params.ColorText("TopColor"), "16711680");
    EXPECT_EQ(params.Lines("ListFiles"), (std::vector<std::string>{"a=b", "c=d"}));
}

TEST(ScriptFile, AScriptThatCannotBeReadChangesNothing) {
    auto folder = MakeFolder("script");
    SetupParams full;
    full.SetLines("ListFiles", {"a=b"});
    full.SetText("ProductName", "New");
    std::string bytes = WriteObjectStream(BuildStream(full));
    plat::WriteFileBytes(folder.Win + "\\cut.inf", bytes.substr(0, bytes.size() - 5));

    SetupParams params;
    params.SetFlag("Restart", true);
    SetupParams before = params;
    EXPECT_THROW(LoadScript(params, folder.Win + "\\cut.inf"), plat::Exception);
    EXPECT_TRUE(params == before);
}

} // namespace
