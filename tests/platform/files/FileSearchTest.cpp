// Searching: Windows mask rules, and FindFiles with its attribute filter, order and records.
#include "platform/files/Files.h"

#include "platform/text/Cp1251.h"
#include "tests/platform/files/PrefixFixture.h"

using namespace plat;
using files_test::PrefixTest;
namespace fs = std::filesystem;

namespace {

struct MaskCase {
    std::string name;
    std::string mask;
    bool matches;
};

TEST(MatchesMask, FollowsWindowsRules) {
    const MaskCase cases[] = {
        // "*" and "*.*" take every name, with or without a dot.
        {"readme.txt", "*.*", true},
        {"readme", "*.*", true},
        {".bashrc", "*.*", true},
        {"readme", "*", true},
        {"abc", "***", true},
        // Extensions.
        {"a.txt", "*.txt", true},
        {"A.TXT", "*.txt", true},
        {"a.b.txt", "*.txt", true},
        {"a.txt.bak", "*.txt", false},
        {"txt", "*.txt", false},
        {"x.y.z", "*.y.*", true},
        // A mask ending in "." takes names without an extension.
        {"readme", "*.", true},
        {"a.b", "*.", false},
        {"readme", "readme.", true},
        // "?" is one character, or none at the end or before the dot; never the dot itself.
        {"a.txt", "?.txt", true},
        {"ab.txt", "?.txt", false},
        {"a", "a?", true},
        {"ab", "a?", true},
        {"abc", "a?", false},
        {"a.txt", "a?.txt", true},
        {"ab.txt", "a?.txt", true},
        {"abc.txt", "a?.txt", false},
        {"a.b", "a?b", false},
        {"PROGRA~1", "progra~?", true},
        // ".*" lets the extension be missing.
        {"a", "a.*", true},
        {"a.b", "a.*", true},
        {"ab", "a.*", false},
        {"abc", "a*.*", true},
        // Plain names and the cases of cp1251.
        {"pl01.mdl", "pl*.mdl", true},
        {"PL01.MDL", "pl*.mdl", true},
        {"wn01.mdl", "pl*.mdl", false},
        {"abc", "ABC", true},
        {"abcd", "abc", false},
        {Ru("Платье.bmp"), Ru("пл*.BMP"), true},
        {Ru("Ёлка"), Ru("ё*"), true},
        {"abc", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << "'" << c.name << "' with '" << c.mask << "'";
}

TEST(MatchesMask, LongInputsStayCheap) {
    const std::string name(5000, 'a');
    EXPECT_FALSE(MatchesMask(name, std::string(2000, '*') + "b"));
    EXPECT_TRUE(MatchesMask(name, "*" + std::string(100, '?') + "*"));
}

class FindFilesTest : public PrefixTest {
protected:
    void SetUp() override {
        PrefixTest::SetUp();
        MakeFile("find/a.txt", "aaa");
        MakeFile("find/B.TXT", "b");
        MakeFile("find/readme", "");
        MakeFile("find/.hidden");
        MakeFile("find/Long File Name.text", "long");
        MakeFile("find/ro.txt");
        fs::permissions(OnC("find/ro.txt"),
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        MakeDir("find/sub");
        MakeDir("find/.git");
    }

    static std::vector<std::string> NamesOf(const std::vector<SearchRec>& found) {
        std::vector<std::string> names;
        for (const SearchRec& rec : found)
            names.push_back(rec.Name);
        return names;
    }
};

using NameList = std::vector<std::string>;

TEST_F(FindFilesTest, FilterAddsHiddenAndFolders) {
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\*.*", 0)),
              (NameList{"B.TXT", "Long File Name.text", "a.txt", "readme", "ro.txt"}));
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\*.*", faReadOnly | faArchive)),
              (NameList{"B.TXT", "Long File Name.text", "a.txt", "readme", "ro.txt"}));
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\*", faDirectory)),
              (NameList{"B.TXT", "Long File Name.text", "a.txt", "readme", "ro.txt", "sub"}));
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\*", faHidden)),
              (NameList{".hidden", "B.TXT", "Long File Name.text", "a.txt", "readme", "ro.txt"}));
    EXPECT_EQ(
        NamesOf(FindFiles("C:\\FIND\\*", faAnyFile)),
        (NameList{".git", ".hidden", "B.TXT", "Long File Name.text", "a.txt", "readme", "ro.txt", "sub"}));
}

TEST_F(FindFilesTest, MasksMatchLongOrShortNames) {
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\*.txt", faAnyFile)), (NameList{"B.TXT", "a.txt", "ro.txt"}));
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\*.", faDirectory)), (NameList{"readme", "sub"}));
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\LONGFI~1.*", 0)), (NameList{"Long File Name.text"}));
    // As on Windows, "*.tex" meets the short name LONGFI~1.TEX.
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\*.tex", 0)), (NameList{"Long File Name.text"}));
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\?.txt", 0)), (NameList{"B.TXT", "a.txt"}));
    EXPECT_EQ(NamesOf(FindFiles("C:\\find\\README", 0)), (NameList{"readme"}));
}

TEST_F(FindFilesTest, RecordsCarryTheFileFacts) {
    ASSERT_TRUE(FileSetDate("C:\\find\\a.txt", 0x285D645C));
    const auto found = FindFiles("C:\\find\\*", faAnyFile);
    ASSERT_EQ(found.size(), 8u);
    const SearchRec& a = found[4];
    EXPECT_EQ(a.Name, "a.txt");
    EXPECT_EQ(a.ShortName, "");
    EXPECT_EQ(a.Size, 3);
    EXPECT_EQ(a.Attr, faArchive);
    EXPECT_EQ(a.Time, DateTimeToFileDate(FileDateToDateTime(0x285D645C)));
    const SearchRec& longName = found[3];
    EXPECT_EQ(longName.ShortName, "LONGFI~1.TEX");
    EXPECT_EQ(longName.Size, 4);
    EXPECT_EQ(found[6].Attr, faArchive | faReadOnly);
    EXPECT_EQ(found[7].Attr, faDirectory);
    EXPECT_EQ(found[7].Size, 0);
    EXPECT_EQ(found[0].Attr, faDirectory | faHidden);
}

TEST_F(FindFilesTest, NamesComeInCp1251AndInByteOrder) {
    MakeFile("ru/Юбка.bmp");
    MakeFile("ru/Платье.bmp");
    MakeFile("ru/zebra.bmp");
    EXPECT_EQ(NamesOf(FindFiles(Ru("C:\\ru\\*.BMP"), 0)),
              (NameList{"zebra.bmp", Ru("Платье.bmp"), Ru("Юбка.bmp")}));
    EXPECT_EQ(NamesOf(FindFiles(Ru("C:\\RU\\п*"), 0)), (NameList{Ru("Платье.bmp")}));
}

TEST_F(FindFilesTest, NothingWhereNothingCanBe) {
    EXPECT_TRUE(FindFiles("C:\\missing\\*", faAnyFile).empty());
    EXPECT_TRUE(FindFiles("C:\\find\\a.txt\\*", faAnyFile).empty());
    EXPECT_TRUE(FindFiles("C:\\find\\", faAnyFile).empty());
    EXPECT_TRUE(FindFiles("C:\\fi|nd\\*", faAnyFile).empty());
    EXPECT_TRUE(FindFiles("Q:\\*", faAnyFile).empty());
    EXPECT_TRUE(FindFiles("\\\\server\\share\\*", faAnyFile).empty());
    EXPECT_TRUE(FindFiles("*.*", faAnyFile).empty());
    EXPECT_TRUE(FindFiles("C:\\find\\nothing*.zzz", faAnyFile).empty());
}

TEST_F(FindFilesTest, FoldersFoundThroughShortNames) {
    MakeFile("Program Files/Velmora/models/pl01.mdl");
    EXPECT_EQ(NamesOf(FindFiles("C:\\PROGRA~1\\VELMORA\\MODELS\\PL*.MDL", 0)), (NameList{"pl01.mdl"}));
    EXPECT_EQ(NamesOf(FindFiles("C:\\*", faDirectory)), (NameList{"Program Files", "find", "windows"}));
}

} // namespace
