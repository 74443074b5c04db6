// 8.3 short names: which names need one, how they are made and numbered, that the numbering
// depends only on the folder's names, and that every short name finds its file again.
#include "platform/files/ShortName.h"

#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "tests/platform/files/PrefixFixture.h"

#include <algorithm>
#include <map>

using namespace plat;
using namespace plat::detail;
using files_test::PrefixTest;
namespace fs = std::filesystem;

namespace {

TEST(ShortName, TellsValidEightDotThreeNames) {
    for (const char* name : {"README", "readme.txt", "A", "PROGRA~1", "a.b", "12345678.123", "x!#$%&'(.)-@",
                             "^_`{}~", "\xCF\xD0\xC8\xC2\xC5\xD2.txt"})
        EXPECT_TRUE(IsValidShortName(name)) << name;
    for (const char* name : {"", ".", "..", "Program Files", "toolongname", "name.text", "a.b.c", ".bashrc",
                             "name.", "a+b", "a,b", "a;b", "a=b", "a[b]", "with space.txt", "123456789.1"})
        EXPECT_FALSE(IsValidShortName(name)) << name;
}

// Short names of a folder holding exactly `names`, by name.
std::map<std::string, std::string> ShortNamesOf(const std::vector<std::string>& names) {
    const std::vector<std::string> shorts = AssignShortNames(names);
    std::map<std::string, std::string> out;
    for (size_t i = 0; i < names.size(); ++i)
        out[names[i]] = shorts[i];
    return out;
}

struct ShortCase {
    std::string name;
    std::string shortName;
};

TEST(ShortName, MakesTheBasisAsWindowsDoes) {
    const ShortCase cases[] = {
        {"Program Files", "PROGRA~1"},
        {"My Long Document.text", "MYLONG~1.TEX"},
        {"archive.tar.gz", "ARCHIV~1.GZ"},
        {".bashrc", "BASHRC~1"},
        {"a+b,c;d=e[f].txt", "A_B_C_~1.TXT"},
        {"name.", "NAME~1"},
        {"   ", "_~1"},
        {"x y", "XY~1"},
        {"what?.txt", "WHAT_~1.TXT"}, // a host name Windows cannot spell
        {Ru("Мои документы"), Ru("МОИДОК~1")},
        {"readme.txt", ""}, // valid 8.3 in any case: its own short name
    };
    for (const auto& c : cases)
        EXPECT_EQ(AssignShortNames({c.name})[0], c.shortName) << c.name;
}

TEST(ShortName, NumbersCollidingNamesInByteOrder) {
    auto shorts = ShortNamesOf({"Program Files", "Program Data", "PROGRAMS.TXT", "progress report"});
    EXPECT_EQ(shorts["Program Data"], "PROGRA~1");
    EXPECT_EQ(shorts["Program Files"], "PROGRA~2");
    EXPECT_EQ(shorts["progress report"], "PROGRE~1");
    EXPECT_EQ(shorts["PROGRAMS.TXT"], ""); // valid as it is

    // Past ~9 the base gets shorter to keep eight characters.
    std::vector<std::string> many;
    for (int i = 0; i < 12; ++i)
        many.push_back("Document number " + std::string(1, static_cast<char>('a' + i)));
    shorts = ShortNamesOf(many);
    EXPECT_EQ(shorts["Document number a"], "DOCUME~1");
    EXPECT_EQ(shorts["Document number i"], "DOCUME~9");
    EXPECT_EQ(shorts["Document number j"], "DOCUM~10");
    EXPECT_EQ(shorts["Document number l"], "DOCUM~12");
}

TEST(ShortName, NeverGivesANameThatIsTakenAlready) {
    auto shorts = ShortNamesOf({"Program Files", "PROGRA~1", "progra~2"});
    EXPECT_EQ(shorts["Program Files"], "PROGRA~3");
    // A basis cut to five characters does not meet another basis's names either.
    std::vector<std::string> names = {"PROGR~10"};
    for (int i = 0; i < 10; ++i)
        names.push_back("Program Files " + std::to_string(i));
    shorts = ShortNamesOf(names);
    EXPECT_EQ(shorts["Program Files 9"], "PROGR~11");
}

TEST(ShortName, DependsOnlyOnTheSetOfNames) {
    std::vector<std::string> names = {"Program Files",     "Program Data",      "Programs Old", "x",
                                      "Long Name One.txt", "Long Name Two.txt", "Long Name.txt"};
    const auto expected = ShortNamesOf(names);
    std::sort(names.begin(), names.end());
    do {
        EXPECT_EQ(ShortNamesOf(names), expected);
    } while (std::next_permutation(names.begin(), names.begin() + 4));
}

using ShortNameOnDisk = PrefixTest;

TEST_F(ShortNameOnDisk, ShortPathNameAndBack) {
    MakeFile("Program Files/Velmora/My Long Name.txt", "content");
    EXPECT_EQ(ShortPathName("C:\\Program Files\\Velmora\\My Long Name.txt"),
              "C:\\PROGRA~1\\Velmora\\MYLONG~1.TXT");
    EXPECT_EQ(ShortPathName("c:\\program files\\velmora"), "C:\\PROGRA~1\\Velmora");
    EXPECT_EQ(ShortPathName("C:\\"), "C:\\");
    EXPECT_EQ(ShortPathName("C:\\Program Files\\Missing File.txt"), "C:\\Program Files\\Missing File.txt");
    EXPECT_EQ(ShortPathName("\\\\server\\share"), "\\\\server\\share");

    EXPECT_EQ(HostPath("C:\\PROGRA~1\\Velmora\\MYLONG~1.TXT"), OnC("Program Files/Velmora/My Long Name.txt"));
    EXPECT_EQ(HostPath("c:\\progra~1\\velmora\\mylong~1.txt"), OnC("Program Files/Velmora/My Long Name.txt"));
    EXPECT_EQ(ReadFileBytes("C:\\PROGRA~1\\VELMORA\\MYLONG~1.TXT"), "content");
    EXPECT_TRUE(FileExists("C:\\Progra~1\\Velmora\\MyLong~1.txt"));
}

TEST_F(ShortNameOnDisk, EveryShortNameFindsItsOwnFile) {
    std::vector<std::string> names;
    for (int i = 0; i < 25; ++i)
        names.push_back("Outfit pattern " + std::to_string(i) + ".model");
    names.push_back("what?.txt");                    // '?' is not spelled on Windows
    names.push_back("back\\slash.txt");              // nor is a backslash
    names.push_back("\xE4\xB8\xAD\xE6\x96\x87.txt"); // nor characters outside cp1251
    names.push_back("trailing dot.");
    for (const std::string& name : names)
        MakeFile("many/" + name, name);

    const std::vector<SearchRec> found = FindFiles("C:\\many\\*", faAnyFile);
    ASSERT_EQ(found.size(), names.size());
    for (const SearchRec& rec : found) {
        ASSERT_FALSE(rec.ShortName.empty()) << rec.Name;
        const std::string host = HostPath("C:\\many\\" + rec.ShortName);
        EXPECT_EQ(ReadFileBytes("C:\\many\\" + rec.ShortName), fs::path(host).filename().string());
        EXPECT_EQ(Utf8ToCp1251(fs::path(host).filename().string()), rec.Name);
        EXPECT_EQ(ShortPathName("C:\\many\\" + rec.ShortName), "C:\\many\\" + rec.ShortName);
    }
}

TEST_F(ShortNameOnDisk, CreationOrderDoesNotMatter) {
    const std::vector<std::string> names = {"Zebra Stripes.bmp", "Zebra Spots.bmp", "Zebra Plain.bmp"};
    for (size_t i = 0; i < names.size(); ++i)
        MakeFile("first/" + names[i]);
    for (size_t i = names.size(); i-- > 0;)
        MakeFile("second/" + names[i]);
    for (const std::string& name : names)
        EXPECT_EQ(ExtractFileName(ShortPathName("C:\\first\\" + name)),
                  ExtractFileName(ShortPathName("C:\\second\\" + name)));
    EXPECT_EQ(ShortPathName("C:\\first\\Zebra Plain.bmp"), "C:\\first\\ZEBRAP~1.BMP");
    EXPECT_EQ(ShortPathName("C:\\first\\Zebra Spots.bmp"), "C:\\first\\ZEBRAS~1.BMP");
    EXPECT_EQ(ShortPathName("C:\\first\\Zebra Stripes.bmp"), "C:\\first\\ZEBRAS~2.BMP");
}

TEST_F(ShortNameOnDisk, LongNamesWinOverShortNames) {
    MakeFile("clash/Program Files/inside.txt");
    MakeFile("clash/PROGRA~1", "real");
    // The real PROGRA~1 keeps its name; the folder moves on to ~2.
    EXPECT_EQ(ReadFileBytes("C:\\clash\\progra~1"), "real");
    EXPECT_EQ(ShortPathName("C:\\clash\\Program Files"), "C:\\clash\\PROGRA~2");
    EXPECT_TRUE(FileExists("C:\\clash\\PROGRA~2\\inside.txt"));
}

} // namespace
