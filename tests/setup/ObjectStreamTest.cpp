// The object stream reader, writer and text form: every tag, round trips, and hostile input.
#include "setup/script/ObjectStream.h"

#include "platform/core/Exceptions.h"
#include "setup/script/ObjectText.h"
#include "tests/support/Scratch.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace setup;

namespace {

std::string Short(std::string_view text) {
    return std::string(1, static_cast<char>(text.size())) + std::string(text);
}

// A stream with one of every tag: root "TParamsForm"/"ParamsForm" with the properties, one child.
std::string EveryTagStream() {
    std::string s = "TPF0" + Short("TParamsForm") + Short("ParamsForm");
    s += Short("L") + "\x01" + "\x06" + Short("a") + "\x0c" + std::string("\x02\0\0\0", 4) + "bc" +
         std::string(1, '\0');
    s += Short("I8") + "\x02\xfe";
    s += Short("I16") + std::string("\x03\x34\x12", 3);
    s += Short("I32") + std::string("\x04\x78\x56\x34\x12", 5);
    s += Short("Ext") + "\x05" + std::string("\x00\x00\x00\x00\x00\x00\x00\x80\xff\x3f", 10);
    s += Short("Id") + "\x07" + Short("clRed");
    s += Short("F") + "\x08";
    s += Short("T") + "\x09";
    s += Short("Bin") + "\x0a" + std::string("\x03\0\0\0", 4) + std::string("\x00\x01\xff", 3);
    s += Short("Set") + "\x0b" + Short("fsBold") + Short("fsItalic") + std::string(1, '\0');
    s += Short("Nil") + "\x0d";
    s += Short("Coll") + "\x0e" + "\x02\x05" + "\x01" + Short("W") + "\x02\x07" + std::string(1, '\0') +
         "\x01" + std::string(2, '\0');
    s += Short("Sng") + "\x0f" + std::string("\x00\x00\x80\x3f", 4);
    s += Short("Cur") + "\x10" + std::string(8, '\x01');
    s += Short("Dat") + "\x11" + std::string(8, '\x02');
    s += Short("WS") + "\x12" + std::string("\x02\0\0\0", 4) + std::string("\x41\x04\x42\x00", 4);
    s += Short("I64") + "\x13" + std::string("\x00\x00\x00\x00\x01\x00\x00\x00", 8);
    s += Short("U8") + "\x14" + std::string("\x02\0\0\0", 4) + "\xd0\x96";
    s += Short("Dbl") + "\x15" + std::string(8, '\x03');
    s += std::string(1, '\0');
    s += Short("TEdit") + Short("SetupText") + Short("Text") + "\x06" + Short("x") + std::string(2, '\0');
    s += std::string(1, '\0');
    return s;
}

TEST(ObjectStream, ReadsEveryTagAndWritesTheSameBytes) {
    std::string bytes = EveryTagStream();
    StreamComponent root = ReadObjectStream(bytes, "t.inf");
    EXPECT_EQ(root.ClassName, "TParamsForm");
    ASSERT_EQ(root.Properties.size(), 19u);
    EXPECT_EQ(root.Properties[0].Value.List.size(), 2u);
    EXPECT_EQ(root.Properties[0].Value.List[1].Tag, ValueTag::LString);
    EXPECT_EQ(root.Properties[1].Value.Int, -2);
    EXPECT_EQ(root.Properties[2].Value.Int, 0x1234);
    EXPECT_EQ(root.Properties[3].Value.Int, 0x12345678);
    EXPECT_EQ(root.Properties[9].Value.Set, (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_EQ(root.Properties[11].Value.Items.size(), 2u);
    EXPECT_EQ(root.Properties[15].Value.TextValue(), "\xf1"
                                                     "B");    // с from UTF-16
    EXPECT_EQ(root.Properties[17].Value.TextValue(), "\xc6"); // Ж from UTF-8
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Name, "SetupText");
    EXPECT_EQ(WriteObjectStream(root), bytes);

    std::string text = DumpObjectText(root);
    EXPECT_EQ(WriteObjectStream(ParseObjectText(text, "t.txt")), bytes) << text;
}

TEST(ObjectStream, EveryTruncationIsAnErrorNamingTheOffset) {
    std::string bytes = EveryTagStream();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        try {
            ReadObjectStream(bytes.substr(0, cut), "cut.inf");
            FAIL() << "no error at cut " << cut;
        } catch (const plat::Exception& error) {
            std::string message = error.what();
            EXPECT_NE(message.find("cut.inf: offset "), std::string::npos) << message;
        }
    }
}

struct BadStream {
    const char* Name;
    std::string Bytes;
    const char* Expected;
};

TEST(ObjectStream, RejectsHostileStreamsWithAClearMessage) {
    std::string head = "TPF0" + Short("TForm") + Short("F");
    std::string deep = head + std::string(1, '\0');
    for (int i = 0; i < 10000; ++i)
        deep += Short("TPanel") + Short("P") + std::string(1, '\0');
    std::string deepList = head + Short("L");
    deepList += std::string(10000, '\x01');
    const BadStream cases[] = {
        {"signature", "TPF1" + Short("T") + Short("F") + std::string(2, '\0'),
         "offset 0: not an object stream"},
        {"empty", "", "offset 0: not an object stream"},
        {"2 GB string", head + Short("S") + "\x0c" + std::string("\x00\x00\x00\x80", 4) + "abc",
         "offset 15: length 2147483648 of long string runs past the end"},
        {"2 GB binary", head + Short("S") + "\x0a" + std::string("\xff\xff\xff\xff", 4),
         "length 4294967295 of binary data runs past"},
        {"2 GB wide string", head + Short("S") + "\x12" + std::string("\x00\x00\x00\x40", 4) + "ab",
         "of wide string runs past"},
        {"tag 22", head + Short("S") + "\x16", "offset 14: unknown value tag 22"},
        {"tag 255", head + Short("S") + "\xff", "unknown value tag 255"},
        {"tag 0 as value", head + Short("S") + std::string(1, '\0'), "end-of-list tag 0 where a value"},
        {"deep children", deep, "components nested deeper than 200"},
        {"deep lists", deepList, "values nested deeper than 200"},
        {"trailing bytes", head + std::string(2, '\0') + "x", "unexpected bytes after the root"},
        {"collection item", head + Short("C") + "\x0e\x06", "collection item does not start with a list tag"},
    };
    for (const BadStream& bad : cases) {
        try {
            ReadObjectStream(bad.Bytes, "bad.inf");
            ADD_FAILURE() << bad.Name << ": no error";
        } catch (const plat::Exception& error) {
            EXPECT_NE(std::string(error.what()).find(bad.Expected), std::string::npos)
                << bad.Name << ": " << error.what();
        }
    }
}

TEST(ObjectText, ShowsTextAsUtf8AndKeepsTagChoices) {
    StreamComponent root;
    root.ClassName = "TParamsForm";
    root.Name = "ParamsForm";
    StreamValue lines;
    lines.Tag = ValueTag::List;
    StreamValue cyrillic;
    cyrillic.Tag = ValueTag::String;
    cyrillic.Bytes = "\xcf\xf0\xe8\xe2\xe5\xf2 'x'\r\n%HDPATH%\\a"; // Привет
    StreamValue forcedLong = cyrillic;
    forcedLong.Tag = ValueTag::LString;
    StreamValue wideInt;
    wideInt.Tag = ValueTag::Int32;
    wideInt.Int = 5;
    lines.List = {cyrillic, forcedLong, wideInt};
    root.Properties.push_back({"Lines.Strings", lines});
    std::string text = DumpObjectText(root);
    EXPECT_NE(text.find("'Привет ''x'''#13#10'%HDPATH%\\a'"), std::string::npos) << text;
    EXPECT_NE(text.find("L'Привет"), std::string::npos) << text;
    EXPECT_NE(text.find("i32:5"), std::string::npos) << text;
    EXPECT_EQ(WriteObjectStream(ParseObjectText(text, "x.txt")), WriteObjectStream(root));
}

TEST(ObjectText, ErrorsNameTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"object A: B\n  X = 'open\nend\n", "x.txt:2: string not closed"},
        {"object A: B\n  X 5\nend\n", "x.txt:2: expected '='"},
        {"object A: B\n  X = i8:300\nend\n", "x.txt:2: integer out of range"},
        {"object A: B\n  X = #999\nend\n", "x.txt:2: bad character code"},
        {"object A: B\n  X = ext:00\nend\n", "expected 10 bytes in hex"},
        {"object A: B\n", "x.txt:2: expected 'end'"},
        {"object A: B\nend\nend\n", "x.txt:3: unexpected text after"},
        {"thing A: B\nend\n", "x.txt:1: expected 'object'"},
    };
    for (const auto& [text, expected] : cases) {
        try {
            ParseObjectText(text, "x.txt");
            ADD_FAILURE() << text << ": no error";
        } catch (const plat::Exception& error) {
            EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
        }
    }
}

// Streams other people saved with other tools: each raw stream reads to its end, and its dump
// compiles back to the same bytes.
TEST(ObjectStream, RealWorldStreamsReadToTheEndAndRoundTrip) {
    std::string dir = testing_support::TestDataDir("dfm");
    if (dir.empty())
        GTEST_SKIP() << "shared test data (dfm) not present";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::string name = entry.path().filename().string();
        if (!name.starts_with("raw-"))
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        StreamComponent root = ReadObjectStream(bytes, name);
        EXPECT_EQ(WriteObjectStream(root), bytes) << name;
        EXPECT_EQ(WriteObjectStream(ParseObjectText(DumpObjectText(root), name)), bytes) << name;
        ++count;
    }
    EXPECT_GT(count, 0);
}

TEST(ObjectStream, ResourceHeaderIsSkipped) {
    std::string stream = "TPF0" + Short("TForm") + Short("F") + std::string(2, '\0');
    std::string withHeader = std::string("\xff\x0a\x00", 3) + "FORM1" + std::string(1, '\0') + "\x30\x10" +
                             std::string("\x10\0\0\0", 4) + stream;
    EXPECT_EQ(SkipResourceHeader(withHeader), withHeader.size() - stream.size());
    EXPECT_EQ(SkipResourceHeader(stream), 0u);
}

} // namespace

namespace {

// Inputs that once broke a reader, or that stand for a class of hostile input, kept with the
// error they must give.
TEST(MalformedInputs, EveryKeptInputIsAClearError) {
    const std::string root = std::string(VELMORA_SOURCE_DIR) + "/tests/data/";
    int count = 0;
    for (const char* format : {"setup_stream", "setup_text"}) {
        std::filesystem::path dir = root + format + "/malformed";
        ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            std::string bytes = testing_support::ReadHostFile(entry.path().string());
            std::string name = entry.path().filename().string();
            if (std::string(format) == "setup_stream")
                EXPECT_THROW(ReadObjectStream(bytes, name), plat::Exception) << name;
            else
                EXPECT_THROW(ParseObjectText(bytes, name), plat::Exception) << name;
            ++count;
        }
    }
    EXPECT_GE(count, 9);
}

} // namespace
