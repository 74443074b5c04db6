// The file, shortcut and registry list line parsers.
#include "setup/script/ListParsers.h"

#include <gtest/gtest.h>

using namespace setup;

namespace {

TEST(ListParsers, FileLines) {
    struct Case {
        const char* Line;
        bool Parsed;
        const char* Source;
        bool Recursive;
        const char* Dest;
    };
    const Case cases[] = {
        {"", false, "", false, ""},
        {";a=b", false, "", false, ""},
        {"no separator", false, "", false, ""},
        {"readme.txt=%HDPATH%", true, "readme.txt", false, "%HDPATH%"},
        {"data\\*.*==%HDPATH%\\data\\", true, "data\\*.*", true, "%HDPATH%\\data\\"},
        {"a===b", true, "a", true, "=b"},
        {"=x", true, "", false, "x"},
        {"RUN=%CDPATH%\\tools\\prepare.exe", true, "RUN", false, "%CDPATH%\\tools\\prepare.exe"},
    };
    for (const Case& c : cases) {
        auto parsed = ParseFileLine(c.Line);
        ASSERT_EQ(parsed.has_value(), c.Parsed) << c.Line;
        if (!parsed)
            continue;
        EXPECT_EQ(parsed->Source, c.Source) << c.Line;
        EXPECT_EQ(parsed->Recursive, c.Recursive) << c.Line;
        EXPECT_EQ(parsed->Destination, c.Dest) << c.Line;
    }
    EXPECT_EQ(ParseFileLine("a=" + std::string(400, 'd'))->Destination.size(), kMaxListField);
}

TEST(ListParsers, ShortcutLinesAndFields) {
    auto line = ParseShortcutLine("Sub\\Prog=%HDPATH%\\p.exe,,/x");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->LinkName, "Sub\\Prog");
    EXPECT_EQ(line->Rest, "%HDPATH%\\p.exe,,/x");
    EXPECT_FALSE(ParseShortcutLine(";x=y"));
    ShortcutFields f = SplitShortcutFields("t,,a");
    EXPECT_EQ(f.Target, "t");
    EXPECT_EQ(f.WorkingDir, "");
    EXPECT_EQ(f.Arguments, "a");
    EXPECT_EQ(f.IconFile, "");
    f = SplitShortcutFields("t,w,a,i,extra");
    EXPECT_EQ(f.IconFile, "i");
}

TEST(ListParsers, RegistryLines) {
    struct Case {
        const char* Line;
        RegLineKind Kind;
        const char* Name; // or key path for sections
        std::string Data; // text or bytes
    };
    const Case cases[] = {
        {"", RegLineKind::Skip, "", ""},
        {" \"a\"=\"b\"", RegLineKind::Skip, "", ""},
        {"; c", RegLineKind::Skip, "", ""},
        {"[hkey_local_machine\\Software\\X]", RegLineKind::Section, "\\Software\\X", ""},
        {"[HKEY_NOWHERE\\Software\\X]", RegLineKind::Section, "\\Software\\X", ""},
        {"[no backslash]", RegLineKind::Skip, "", ""},
        {"\"Path\"=\"C:\\\\x\"", RegLineKind::StringValue, "Path", "C:\\\\x"},
        {"\"@\"=\"at\"", RegLineKind::StringValue, "@", "at"},
        {"\"Open=\"x", RegLineKind::StringValue, "Open", "x"},
        {"\"D\"=dword:00000001", RegLineKind::Ignored, "D", ""},
        {"\"B\"=hex:01,$ff,,zz,100,", RegLineKind::BinaryValue, "B", std::string("\x01\xff\x00\x00", 4)},
        {"\"E\"=hex", RegLineKind::BinaryValue, "E", ""},
        {"NoEquals", RegLineKind::Ignored, "NoEquals", ""},
    };
    for (const Case& c : cases) {
        RegLine r = ParseRegLine(c.Line);
        EXPECT_EQ(r.Kind, c.Kind) << c.Line;
        if (c.Kind == RegLineKind::Section)
            EXPECT_EQ(r.KeyPath, c.Name) << c.Line;
        if (c.Kind == RegLineKind::StringValue || c.Kind == RegLineKind::BinaryValue ||
            c.Kind == RegLineKind::Ignored)
            EXPECT_EQ(r.Name, c.Name) << c.Line;
        if (c.Kind == RegLineKind::StringValue)
            EXPECT_EQ(r.Text, c.Data) << c.Line;
        if (c.Kind == RegLineKind::BinaryValue)
            EXPECT_EQ(r.Bytes, c.Data) << c.Line;
    }
    EXPECT_EQ(ParseRegLine("[hkey_local_machine\\S]").Root, plat::RootKey::LocalMachine);
    EXPECT_FALSE(ParseRegLine("[HKEY_NOWHERE\\S]").Root);
    std::string many = "\"M\"=hex:";
    for (int i = 0; i < 3000; ++i)
        many += "7,";
    EXPECT_EQ(ParseRegLine(many).Bytes.size(), kMaxRegBinary);
}

TEST(ListParsers, CommandsDropEmptyWords) {
    EXPECT_EQ(SplitCommands(";a;;b c;"), (std::vector<std::string>{"a", "b c"}));
    EXPECT_TRUE(SplitCommands("").empty());
}

} // namespace
