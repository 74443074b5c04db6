// The registry-export reader and writer: every value form, the encodings, the faults a damaged
// file is reported with, real files from Windows, and round trips of what we write.
#include "platform/registry/RegistryFile.h"

#include "platform/text/Cp1251.h"
#include "tests/support/Scratch.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace plat;

namespace {

constexpr uint32_t kString = 1, kExpand = 2, kBinary = 3, kDWord = 4, kMulti = 7;

const RegValue* Find(const RegistryTree& tree, RootKey root, std::string_view path, std::string_view name) {
    const RegKeyNode* key = tree.Root(root).FindPath(path);
    return key ? key->FindValue(name) : nullptr;
}

RegistryTree Read(std::string_view text, RootSet allowed = RootSet::All()) {
    return ReadRegistryText(text, "test.reg", allowed);
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out += static_cast<char>(b);
    return out;
}

std::string Utf16Le(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

struct ValueCase {
    const char* label;
    const char* header;
    std::string line;
    uint32_t type;
    std::string data;
};

class ValueForms : public ::testing::TestWithParam<ValueCase> {};

} // namespace

TEST_P(ValueForms, ReadsTypeAndData) {
    const ValueCase& c = GetParam();
    const RegistryTree tree =
        Read(std::string(c.header) + "\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n" + c.line + "\r\n");
    const RegKeyNode* key = tree.Root(RootKey::CurrentUser).FindPath("K");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->Values().size(), 1u);
    EXPECT_EQ(key->Values()[0].Value.Type, c.type);
    EXPECT_EQ(key->Values()[0].Value.Data, c.data);
}

INSTANTIATE_TEST_SUITE_P(
    RegistryFile, ValueForms,
    ::testing::Values(
        ValueCase{"string", "REGEDIT4", "\"s\"=\"plain text\"", kString, "plain text"},
        ValueCase{"escapes", "REGEDIT4", R"("s"="C:\\dir \"q\" \n")", kString, R"(C:\dir "q" \n)"},
        ValueCase{"blanks around =", "REGEDIT4", "\"s\" \t= \"v\"", kString, "v"},
        ValueCase{"default value", "REGEDIT4", "@=\"def\"", kString, "def"},
        ValueCase{"dword 8 digits", "REGEDIT4", "\"d\"=dword:0000000a", kDWord, Bytes({10, 0, 0, 0})},
        ValueCase{"dword short", "REGEDIT4", "\"d\"=dword:1", kDWord, Bytes({1, 0, 0, 0})},
        ValueCase{"dword full", "REGEDIT4", "\"d\"=DWORD:FFFFFFFE", kDWord, Bytes({0xFE, 0xFF, 0xFF, 0xFF})},
        ValueCase{"binary", "REGEDIT4", "\"b\"=hex:01,ff,7A", kBinary, Bytes({1, 0xFF, 0x7A})},
        ValueCase{"empty binary", "REGEDIT4", "\"b\"=hex:", kBinary, ""},
        ValueCase{"continued binary", "REGEDIT4", "\"b\"=hex:01,02,\\\r\n  03 , 04", kBinary,
                  Bytes({1, 2, 3, 4})},
        ValueCase{"binary run with blanks", "REGEDIT4", "\"b\"=hex:01,02,03, 04 ,05,06,\\\n  07,08", kBinary,
                  Bytes({1, 2, 3, 4, 5, 6, 7, 8})},
        ValueCase{"expand string v4", "REGEDIT4", "\"e\"=hex(2):25,41,00", kExpand, "%A"},
        ValueCase{"expand string v5", "Windows Registry Editor Version 5.00",
                  "\"e\"=hex(2):25,00,1f,04,00,00", kExpand, "%\xCF"},
        ValueCase{"multi string v4", "REGEDIT4", "\"m\"=hex(7):61,00,62,00,00", kMulti,
                  std::string("a\0b\0\0", 5)},
        ValueCase{"multi string v5", "Windows Registry Editor Version 5.00", "\"m\"=hex(7):61,00,00,00,00,00",
                  kMulti, std::string("a\0\0", 3)},
        ValueCase{"odd UTF-16 kept as read", "Windows Registry Editor Version 5.00", "\"e\"=hex(2):41,00,42",
                  kExpand, std::string("A\0B", 3)},
        ValueCase{"other type", "REGEDIT4", "\"q\"=hex(b):01,02,03,04,05,06,07,08", 11,
                  Bytes({1, 2, 3, 4, 5, 6, 7, 8})},
        ValueCase{"big type number", "REGEDIT4", "\"q\"=hex(100000):00", 0x100000, std::string(1, '\0')}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.label))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

namespace {

struct FaultCase {
    const char* label;
    std::string text;
    int line;
    const char* fault; // a part of the message
};

class Faults : public ::testing::TestWithParam<FaultCase> {};

} // namespace

TEST_P(Faults, NameFileLineAndFault) {
    const FaultCase& c = GetParam();
    try {
        Read(c.text);
        FAIL() << "no error for " << c.label;
    } catch (const RegistryFileError& error) {
        EXPECT_EQ(error.Line(), c.line) << error.what();
        EXPECT_NE(error.Fault().find(c.fault), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("'test.reg'"), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    RegistryFile, Faults,
    ::testing::Values(
        FaultCase{"empty", "", 0, "empty"},
        FaultCase{"win31", "REGEDIT \r\nHKEY_CLASSES_ROOT\\x = y\r\n", 1, "old-style REGEDIT"},
        FaultCase{"not registry", "hello\n", 1, "not a registry export file"},
        FaultCase{"garbage line", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\nthis is garbage\n", 3,
                  "unexpected text"},
        FaultCase{"value first", "REGEDIT4\n\"a\"=\"b\"\n", 2, "before any key line"},
        FaultCase{"key unclosed", "REGEDIT4\n[HKEY_CURRENT_USER\\A\n", 2, "does not end with ']'"},
        FaultCase{"unknown root", "REGEDIT4\n[HKEY_NOWHERE\\A]\n", 2, "unknown root key 'HKEY_NOWHERE'"},
        FaultCase{"empty key name", "REGEDIT4\n[HKEY_CURRENT_USER\\A\\\\B]\n", 2, "empty key name"},
        FaultCase{"long key name", "REGEDIT4\n[HKEY_CURRENT_USER\\" + std::string(256, 'k') + "]\n", 2,
                  "longer than 255"},
        FaultCase{"cut string", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=\"abc", 3,
                  "string value has no closing quote"},
        FaultCase{"cut name", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"abc=1\n", 3,
                  "value name has no closing quote"},
        FaultCase{"no equals", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\" \"b\"\n", 3, "'=' expected"},
        FaultCase{"unknown type", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=foo:12\n", 3,
                  "unknown value type 'foo'"},
        FaultCase{"bare number", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=12\n", 3,
                  "neither a quoted string"},
        FaultCase{"text after string", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=\"b\" x\n", 3,
                  "after the closing"},
        FaultCase{"hex not hex", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,zz\n", 3,
                  "'zz' is not a two-digit"},
        FaultCase{"hex one digit", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,0\n", 3,
                  "'0' is not a two-digit"},
        FaultCase{"hex no comma", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01 02\n", 3, "',' expected"},
        // Faults after a run of well-formed items, which the reader decodes in bulk.
        FaultCase{"hex not hex in a run", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,02,03,0g,05\n", 3,
                  "'0g' is not a two-digit"},
        FaultCase{"hex three digits in a run", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,02,123,04\n",
                  3, "'123' is not a two-digit"},
        FaultCase{"hex no comma after a run", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,02,03 04\n", 3,
                  "',' expected"},
        FaultCase{"hex trailing comma", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,\n", 3,
                  "ends with ','"},
        FaultCase{"cut continuation", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,\\\n", 3,
                  "file ends inside"},
        FaultCase{"empty continuation", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,\\\n\n\"b\"=\"c\"\n",
                  4, "followed by an empty line"},
        FaultCase{"bad continuation line", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,\\\n  0g\n", 4,
                  "is not a two-digit"},
        FaultCase{"dword long", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=dword:123456789\n", 3, "1 to 8 hex"},
        FaultCase{"hex type bad", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex(zz):01\n", 3, "hex(<1 to 8"},
        FaultCase{"text after eof mark", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\x1A\n[HKEY_CURRENT_USER\\B]\n",
                  4, "after the end-of-file mark"},
        FaultCase{"utf16 cut", "\xFF\xFE" + Utf16Le(u"REGEDIT4") + "\x0A", 0, "middle of a character"}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.label))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(RegistryFile, RefusesRootsThatDoNotBelongAndTooDeepPaths) {
    try {
        Read("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software]\n", {RootKey::CurrentUser});
        FAIL();
    } catch (const RegistryFileError& error) {
        EXPECT_EQ(error.Line(), 3);
        EXPECT_NE(error.Fault().find("HKEY_LOCAL_MACHINE do not belong"), std::string::npos);
    }
    std::string deep = "REGEDIT4\n[HKEY_CURRENT_USER";
    for (size_t i = 0; i <= kMaxKeyDepth; ++i)
        deep += "\\k";
    EXPECT_THROW(Read(deep + "]\n"), RegistryFileError);
}

TEST(RegistryFile, KeysMergeCaseInsensitivelyAndDeletionsApply) {
    const RegistryTree tree = Read("REGEDIT4\n"
                                   "[HKEY_CURRENT_USER\\Soft\\A]\n\"x\"=\"1\"\n\"gone\"=\"g\"\n"
                                   "[hkey_current_user\\SOFT\\a]\n\"y\"=\"2\"\n\"X\"=\"3\"\n\"gone\"=-\n"
                                   "[HKEY_CURRENT_USER\\Soft\\B\\C]\n\"z\"=\"z\"\n"
                                   "[-HKEY_CURRENT_USER\\Soft\\B]\n\"ignored\"=\"after a deletion\"\n"
                                   "\x1A");
    const RegKeyNode* a = tree.Root(RootKey::CurrentUser).FindPath("soft\\a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Name(), "A");
    ASSERT_EQ(a->Values().size(), 2u);
    EXPECT_EQ(a->Values()[0].Name, "x");
    EXPECT_EQ(a->Values()[0].Value.Data, "3");
    EXPECT_EQ(a->Values()[1].Value.Data, "2");
    EXPECT_EQ(tree.Root(RootKey::CurrentUser).FindPath("Soft\\B"), nullptr);
}

TEST(RegistryFile, ReadsAnsiUtf8AndUtf16AlikeAsCp1251) {
    const std::string cp1251Text = "REGEDIT4\r\n[HKEY_CURRENT_USER\\" + Ru("Ключ") + "]\r\n\"" + Ru("Имя") +
                                   "\"=\"" + Ru("Ёлка №1") + "\"\r\n";
    const std::string utf8Text = Cp1251ToUtf8(cp1251Text);
    const std::u16string utf16 = u"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Ключ]\r\n"
                                 u"\"Имя\"=\"Ёлка №1\"\r\n";
    std::string utf16Be;
    for (char16_t c : utf16) {
        utf16Be += static_cast<char>(c >> 8);
        utf16Be += static_cast<char>(c & 0xFF);
    }
    const std::pair<const char*, std::string> encodings[] = {
        {"ANSI", cp1251Text},
        {"UTF-8", utf8Text},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + utf8Text},
        {"UTF-16LE", "\xFF\xFE" + Utf16Le(utf16)},
        {"UTF-16BE", "\xFE\xFF" + utf16Be},
    };
    for (const auto& [label, bytes] : encodings) {
        const RegistryTree tree = Read(bytes);
        const RegValue* value = Find(tree, RootKey::CurrentUser, Ru("КЛЮЧ"), Ru("имя"));
        ASSERT_NE(value, nullptr) << label;
        EXPECT_EQ(value->Data, Ru("Ёлка №1")) << label;
    }
}

TEST(RegistryFile, WritesReadableUtf8ExportText) {
    RegistryTree tree;
    RegKeyNode& key = tree.Root(RootKey::CurrentUser).CreatePath("Software\\Vertalis\\" + Ru("Кукла"));
    key.SetValue("", RegValue{kString, "default"});
    key.SetValue("Path", RegValue{kString, "C:\\Dolls \"new\""});
    key.SetValue(Ru("Размер"), RegValue{kString, Ru("Большой")});
    key.SetValue("Count", RegValue{kDWord, Bytes({10, 0, 0, 0})});
    key.SetValue("pl03", RegValue{kBinary, Bytes({2, 0xFF})});
    key.SetValue("Expand", RegValue{kExpand, "%A%"});
    key.SetValue("Lines", RegValue{kString, "one\r\ntwo"});
    key.SetValue("Odd", RegValue{0x20, "\x01"});
    tree.Root(RootKey::CurrentUser).CreatePath("Software\\Empty");
    tree.Root(RootKey::LocalMachine).CreatePath("Software\\Other").SetValue("x", RegValue{kString, "y"});

    EXPECT_EQ(WriteRegistryText(tree, {RootKey::CurrentUser}),
              "REGEDIT4\n"
              "\n[HKEY_CURRENT_USER\\Software\\Empty]\n"
              "\n[HKEY_CURRENT_USER\\Software\\Vertalis\\Кукла]\n"
              "@=\"default\"\n"
              "\"Count\"=dword:0000000a\n"
              "\"Expand\"=hex(2):25,41,25,00\n"
              "\"Lines\"=hex(1):6f,6e,65,0d,0a,74,77,6f,00\n"
              "\"Odd\"=hex(20):01\n"
              "\"Path\"=\"C:\\\\Dolls \\\"new\\\"\"\n"
              "\"pl03\"=hex:02,ff\n"
              "\"Размер\"=\"Большой\"\n");
}

TEST(RegistryFile, LongHexWrapsWithinEightyColumnsAndReadsBack) {
    RegistryTree tree;
    std::string data;
    for (int i = 0; i < 1000; ++i)
        data += static_cast<char>(i * 7);
    tree.Root(RootKey::CurrentUser).CreatePath("K").SetValue("blob", RegValue{kBinary, data});
    const std::string text = WriteRegistryText(tree, {RootKey::CurrentUser});
    size_t lines = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        EXPECT_LE(end - start, 80u);
        if (text.compare(start, 2, "  ") == 0)
            EXPECT_EQ(text[start - 2], '\\'); // a continuation follows ",\"
        start = end + 1;
        ++lines;
    }
    EXPECT_GT(lines, 30u);
    EXPECT_EQ(Find(Read(text), RootKey::CurrentUser, "K", "blob")->Data, data);
}

TEST(RegistryFile, EveryByteOfNamesAndDataRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string nameBytes; // a name cannot hold an LF: it would end the line
    for (char c : all)
        if (c != '\n')
            nameBytes += c;
    RegistryTree tree;
    RegKeyNode& key = tree.Root(RootKey::Users).CreatePath(std::string("a]b\\ ") + Ru("ё"));
    key.SetValue(nameBytes, RegValue{kString, all});
    key.SetValue("expand", RegValue{kExpand, all});
    key.SetValue("binary", RegValue{kBinary, all});
    key.SetValue("@", RegValue{kString, "not the default"});
    key.SetValue("dword5", RegValue{kDWord, "12345"});
    key.SetValue("none", RegValue{0, ""});

    const std::string text = WriteRegistryText(tree, RootSet::All());
    EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(text)), text); // valid UTF-8 throughout
    const RegistryTree back = Read(text);
    const RegKeyNode* backKey = back.Root(RootKey::Users).FindPath(std::string("a]b\\ ") + Ru("Ё"));
    ASSERT_NE(backKey, nullptr);
    ASSERT_EQ(backKey->Values().size(), key.Values().size());
    for (size_t i = 0; i < key.Values().size(); ++i) {
        EXPECT_EQ(backKey->Values()[i].Name, key.Values()[i].Name);
        EXPECT_EQ(backKey->Values()[i].Value.Type, key.Values()[i].Value.Type) << key.Values()[i].Name;
        EXPECT_EQ(backKey->Values()[i].Value.Data, key.Values()[i].Value.Data) << key.Values()[i].Name;
    }
    EXPECT_EQ(WriteRegistryText(back, RootSet::All()), text);
}

TEST(RegistryFile, MegabyteValuesLoad) {
    RegistryTree tree;
    std::string data(3 << 20, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 131 >> 3);
    tree.Root(RootKey::CurrentUser).CreatePath("Big").SetValue("blob", RegValue{kBinary, data});
    const RegistryTree back = Read(WriteRegistryText(tree, RootSet::All()));
    const RegValue* value = Find(back, RootKey::CurrentUser, "Big", "blob");
    ASSERT_NE(value, nullptr);
    EXPECT_TRUE(value->Data == data);
}

namespace {

struct RealFileCase {
    const char* file;
    RootKey root;
    const char* key;
    const char* name;
    uint32_t type;
    std::string data; // for binary values of known size only the size is checked when empty
    size_t size;
};

std::string RealFile(const std::string& name) {
    const std::string dir = testing_support::TestDataDir("reg");
    return dir.empty() ? std::string() : testing_support::ReadHostFile(dir + "/" + name);
}

} // namespace

TEST(RegistryFile, ReadsRealWindowsExports) {
    if (testing_support::TestDataDir("reg").empty())
        GTEST_SKIP() << "shared test data (../shared/testdata/reg) is not present";
    const RealFileCase cases[] = {
        {"ms-debugon-regedit4.reg", RootKey::CurrentUser, "SOFTWARE\\Microsoft\\MediaPlayer\\Preferences",
         "ScriptDebugging", kBinary, "\x01", 1},
        {"ms-AppMem-regedit4.reg", RootKey::LocalMachine,
         "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\AppMem", "EventMessageFile", kString,
         "%systemroot%\\system32\\appmem.dll", 32},
        {"ms-AppMem-regedit4.reg", RootKey::LocalMachine,
         "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\AppMem", "TypesSupported", kDWord,
         Bytes({7, 0, 0, 0}), 4},
        {"ms-Perfgen-regedit4.reg", RootKey::LocalMachine,
         "SYSTEM\\CurrentControlSet\\Services\\PerfGen\\Performance", "Library", kString, "perfgen.dll", 11},
        {"ms-FDProvider-Install-v5.reg", RootKey::ClassesRoot,
         "AppID\\{71F70024-0C44-4a05-A918-651F41EF8548}", "AccessPermission", kBinary, "", 164},
        {"ms-FDProvider-Install-v5.reg", RootKey::ClassesRoot,
         "CLSID\\{8C19066A-643A-4586-92B2-A785B90D766F}", "", kString, "Function Discovery Provider Sample",
         34},
        {"ms-L2SecExt-v5.reg", RootKey::ClassesRoot, "AppID\\{00102030-4050-6070-8090-A0B0C0D0E0F0}",
         "LaunchPermission", kBinary, "", 144},
        {"ms-L2SecExt-v5.reg", RootKey::LocalMachine,
         "SYSTEM\\CurrentControlSet\\Control\\NetDiagFx\\MyCompany\\HostDLLs\\L2SecExt\\HelperClasses\\L2SecE"
         "xt",
         "Published", kDWord, Bytes({1, 0, 0, 0}), 4},
        {"ms-SideShow-Pictures-v5.reg", RootKey::CurrentUser,
         "Software\\Microsoft\\SideShow\\Gadgets\\{00BA1AD8-5381-449b-9A13-551FA4ADE0F2}", "Endpoints",
         kMulti, std::string("{A9A5353F-2D4B-47ce-93EE-759F3A7DDA4F}\0\0", 40), 40},
        {"ms-SideShow-Pictures-v5.reg", RootKey::CurrentUser,
         "Software\\Microsoft\\SideShow\\Gadgets\\{00BA1AD8-5381-449b-9A13-551FA4ADE0F2}", "StartCommand",
         kExpand, "%USERPROFILE%\\Desktop\\WindowsSideShowPictures\\WindowsSideShowPictures.exe", 73},
        {"ms-AcquirePlugin-v5.reg", RootKey::CurrentUser,
         "Software\\Microsoft\\Windows\\CurrentVersion\\Photo Acquisition\\Plugins\\"
         "{9e683e3f-9a8e-4109-b067-0cd924db653e}",
         "Enabled", kDWord, Bytes({1, 0, 0, 0}), 4},
        {"ms-SampleRM-v5-utf16le.reg", RootKey::ClassesRoot,
         "CLSID\\{41DC5063-AFAF-47DF-86B3-4B2ED82A82CF}\\InProcServer32", "", kExpand,
         "%SystemRoot%\\system32\\SampleRM.dll", 34},
        {"ms-SampleRM-v5-utf16le.reg", RootKey::LocalMachine,
         "SYSTEM\\CurrentControlSet\\Control\\RadioManagement\\Misc\\SampleRadioManager\\SampleRadio2",
         "IsMultiComm", kDWord, Bytes({0, 0, 0, 0}), 4},
    };
    for (const RealFileCase& c : cases) {
        const std::string bytes = RealFile(c.file);
        const RegistryTree tree = ReadRegistryText(bytes, c.file, RootSet::All());
        const RegValue* value = Find(tree, c.root, c.key, c.name);
        ASSERT_NE(value, nullptr) << c.file << " " << c.key << " " << c.name;
        EXPECT_EQ(value->Type, c.type) << c.file << " " << c.name;
        EXPECT_EQ(value->Data.size(), c.size) << c.file << " " << c.name;
        if (!c.data.empty())
            EXPECT_EQ(value->Data, c.data) << c.file << " " << c.name;
        // What we write of it reads back to the same text.
        const std::string text = WriteRegistryText(tree, RootSet::All());
        EXPECT_EQ(WriteRegistryText(Read(text), RootSet::All()), text) << c.file;
    }
    // Keys without values survive.
    const RegistryTree l2 = ReadRegistryText(RealFile("ms-L2SecExt-v5.reg"), "l2", RootSet::All());
    const RegKeyNode* empty =
        l2.Root(RootKey::LocalMachine)
            .FindPath("SYSTEM\\CurrentControlSet\\Control\\NetDiagFx\\MyCompany\\HostDLLs\\L2SecExt");
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->Values().empty());
    EXPECT_NE(
        WriteRegistryText(l2, RootSet::All()).find("L2SecExt\\HelperClasses\\L2SecExt\\MatchAttributes]"),
        std::string::npos);
}

TEST(RegistryFile, RefusesRealOldStyleFiles) {
    if (testing_support::TestDataDir("reg").empty())
        GTEST_SKIP() << "shared test data (../shared/testdata/reg) is not present";
    for (const char* file : {"ms-sserver-win31-REGEDIT.reg", "uesp-NifTexture-win31-REGEDIT.reg"}) {
        try {
            ReadRegistryText(RealFile(file), file, RootSet::All());
            ADD_FAILURE() << file;
        } catch (const RegistryFileError& error) {
            EXPECT_EQ(error.Line(), 1) << file;
            EXPECT_NE(error.Fault().find("old-style REGEDIT"), std::string::npos) << error.what();
        }
    }
}

TEST(RegistryFile, KeptMalformedInputsAreRefused) {
    const std::filesystem::path dir =
        std::filesystem::path(VELMORA_SOURCE_DIR) / "tests/data/registry_file/malformed";
    ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string bytes = testing_support::ReadHostFile(entry.path().string());
        EXPECT_THROW(ReadRegistryText(bytes, entry.path().filename().string(), RootSet::All()),
                     RegistryFileError)
            << entry.path();
        ++count;
    }
    EXPECT_GT(count, 0);
}
