// The parameter editor offscreen: load, save and load again give the same parameters; colours in
// the buttons' hints; registry exports imported; the Exit question.
#include "platform/files/Files.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/ChooserDialogs.h"
#include "setup/editor/ParamsForm.h"
#include "setup/editor/RegExport.h"
#include "setup/script/ScriptFile.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/setup/WizardTestSupport.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

using setup_test::Boxes;
using setup_test::Find;
using setup_test::Press;

// Answers file dialogs from a list, recording what they asked.
struct Files {
    Files() {
        plat::SetFileDialogHandler([this](bool save, const plat::FileDialogOptions& options) {
            Asked.push_back((save ? "save " : "open ") + options.Title);
            if (Paths.empty())
                return std::optional<std::string>();
            std::string path = Paths.front();
            Paths.erase(Paths.begin());
            return std::optional<std::string>(path);
        });
    }
    ~Files() { plat::SetFileDialogHandler({}); }
    std::vector<std::string> Paths;
    std::vector<std::string> Asked;
};

std::string Utf16Le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

class ParamsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        setup_test::FreshPrefix();
        dir = setup_test::MakeFolder("scripts");
        script.SetText("SetupText", plat::Ru("Установка"));
        script.SetText("GroupName", "Velmora");
        script.SetLines("ListFiles", {"readme.txt=%HDPATH%", "data\\*.*==%HDPATH%\\data"});
        script.SetLines("RegList", {"[HKEY_CURRENT_USER\\Software\\X]", "\"A\"=\"1\""});
        script.SetLines("Memo1", {plat::Ru("Здравствуйте!"), "", "second"});
        script.SetFlag("AutoUninstall", true);
        script.SetFlag("Restart", true);
        script.SetColorText("TopColor", "255");
        script.SetText("FlagText2", "Two");
        SaveScript(script, dir.Win + "\\setup.inf");
    }
    setup_test::ScratchFolder dir;
    SetupParams script;
};

TEST_F(ParamsFormTest, LoadSaveLoadGivesTheSameParameters) {
    Files files;
    files.Paths = {dir.Win + "\\setup.inf"};
    TParamsForm editor;
    Press(editor, "LoadBtn");
    EXPECT_EQ(files.Asked, std::vector<std::string>{"open Open .inf from"});
    EXPECT_EQ(editor.Caption(), dir.Win + "\\setup.inf");
    const SetupParams loaded = editor.Collect();
    SetupParams expected;
    LoadScript(expected, dir.Win + "\\setup.inf");
    EXPECT_TRUE(loaded == expected);
    EXPECT_EQ(Find<plat::TButton>(editor, "TopColor").Hint(), "255");
    EXPECT_EQ(Find<plat::TButton>(editor, "BottomColor").Hint(), "0");

    files.Paths = {dir.Win + "\\copy.inf"};
    Press(editor, "SaveBtn");
    EXPECT_FALSE(plat::FileExists(dir.Win + "\\copy.inf.tmp"));
    SetupParams again;
    LoadScript(again, dir.Win + "\\copy.inf");
    EXPECT_TRUE(again == expected);
    TParamsForm second;
    ASSERT_TRUE(second.Load(dir.Win + "\\copy.inf"));
    EXPECT_TRUE(second.Collect() == expected);
}

TEST_F(ParamsFormTest, AChosenColourGoesIntoTheHintAndTheScript) {
    TParamsForm editor;
    EXPECT_EQ(Find<plat::TButton>(editor, "TopColor").Hint(), "16711680") << "the default";
    plat::SetColorChooserHandler([](plat::TColor) { return std::optional<plat::TColor>(plat::RGB(1, 2, 3)); });
    Press(editor, "TopColor");
    plat::SetColorChooserHandler({});
    EXPECT_EQ(Find<plat::TButton>(editor, "TopColor").Hint(), std::to_string(plat::RGB(1, 2, 3)));
    ASSERT_TRUE(editor.SaveTo(dir.Win + "\\colour.inf"));
    SetupParams saved;
    LoadScript(saved, dir.Win + "\\colour.inf");
    EXPECT_EQ(saved.Color("TopColor"), plat::RGB(1, 2, 3));
}

TEST_F(ParamsFormTest, ImportAppendsAUtf16ExportAfterTheListTwiceWhenImportedTwice) {
    Files files;
    const std::string export16 = Utf16Le(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                         u"[HKEY_CURRENT_USER\\Software\\Вертали]\r\n"
                                         u"\"Имя\"=\"значение\"\r\n");
    dir.Put("export.reg", export16);
    TParamsForm editor;
    ASSERT_TRUE(editor.Load(dir.Win + "\\setup.inf"));
    files.Paths = {dir.Win + "\\export.reg", dir.Win + "\\export.reg"};
    Press(editor, "Import");
    Press(editor, "Import");
    const std::vector<std::string> lines = editor.Collect().Lines("RegList");
    const std::vector<std::string> expected = {"[HKEY_CURRENT_USER\\Software\\X]", "\"A\"=\"1\"",
                                               plat::Ru("[HKEY_CURRENT_USER\\Software\\Вертали]"),
                                               plat::Ru("\"Имя\"=\"значение\""),
                                               plat::Ru("[HKEY_CURRENT_USER\\Software\\Вертали]"),
                                               plat::Ru("\"Имя\"=\"значение\"")};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(files.Asked.front(), "open Registry file import");
}

TEST(RegExportTest, EveryEncodingDecodesToCp1251WithoutNuls) {
    const std::string cp1251 = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + plat::Ru("Ключ") + "]\r\n";
    EXPECT_EQ(RegExportLines(cp1251), std::vector<std::string>{"[HKEY_CURRENT_USER\\" + plat::Ru("Ключ") + "]"});
    const std::string utf8 = "\xEF\xBB\xBFREGEDIT4\n\n\"a\"=\"" + std::string("Ключ") + "\"\n";
    EXPECT_EQ(RegExportLines(utf8), std::vector<std::string>{"\"a\"=\"" + plat::Ru("Ключ") + "\""});
    EXPECT_EQ(RegExportLines(std::string("h\n\nx\0y", 7)), std::vector<std::string>{"xy"});
    EXPECT_EQ(RegExportLines(Utf16Le(u"h\r\n\r\n\xD800z")), std::vector<std::string>{"?z"});
    EXPECT_TRUE(RegExportLines("only a header").empty());
}

TEST_F(ParamsFormTest, ExitAsksYesSavesNoLeavesCancelStaysAndAFailedSaveKeepsTheWindow) {
    Files files;
    Boxes boxes;
    {
        TParamsForm editor;
        editor.Show();
        boxes.Answers = {plat::TModalResult::Cancel};
        Press(editor, "ExitBtn");
        EXPECT_FALSE(editor.Closed());
        EXPECT_EQ(boxes.Texts.back(), "Save setup parameters to setup.inf ?");

        // Yes, but the file cannot be written: the error is shown and nothing is lost.
        boxes.Answers = {plat::TModalResult::Yes, plat::TModalResult::Ok};
        files.Paths = {dir.Win + "\\no such folder\\setup.inf"};
        Press(editor, "ExitBtn");
        EXPECT_FALSE(editor.Closed());
        EXPECT_EQ(boxes.Texts.size(), 3u);

        boxes.Answers = {plat::TModalResult::Yes};
        files.Paths = {dir.Win + "\\saved.inf"};
        Press(editor, "ExitBtn");
        EXPECT_TRUE(editor.Closed());
        EXPECT_TRUE(plat::FileExists(dir.Win + "\\saved.inf"));
    }
    TParamsForm editor;
    editor.Show();
    boxes.Answers = {plat::TModalResult::No};
    files.Asked.clear();
    Press(editor, "ExitBtn");
    EXPECT_TRUE(editor.Closed());
    EXPECT_TRUE(files.Asked.empty()) << "No writes nothing";
}

} // namespace
} // namespace setup
