// TRegistry over the process's store: keys and paths, typed values and their errors, the roots,
// and persistence in the prefix: when files are written, what they hold, and what happens to a
// damaged or unreadable file.
#include "platform/registry/Registry.h"
#include "tests/platform/registry/RegistryTestUtil.h"

#include "platform/core/Exceptions.h"
#include "platform/registry/RegistryFile.h"
#include "platform/registry/RegistryStore.h"
#include "platform/text/Cp1251.h"
#include "tests/support/Scratch.h"

#include <climits>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace plat;
namespace fs = std::filesystem;

namespace {


bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERegistryException& error) {
        return error.what();
    }
    return "(no error)";
}

class RegistryTest : public CleanRegistryTest {};

} // namespace

TEST_F(RegistryTest, KeysAreCaseInsensitiveAndKeepTheirFirstSpelling) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Vertalis\\" + Ru("Настройки"), /*canCreate=*/true));
    reg.WriteString("Name", "a");
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\vertalis\\" + Ru("НАСТРОЙКИ"), /*canCreate=*/true));
    EXPECT_EQ(reg.ReadString("NAME"), "a");
    reg.WriteString("name", "b");
    EXPECT_EQ(reg.GetValueNames(), std::vector<std::string>{"Name"});
    EXPECT_EQ(reg.ReadString("Name"), "b");
    ASSERT_TRUE(reg.OpenKey("\\software", /*canCreate=*/false));
    EXPECT_EQ(reg.GetKeyNames(), std::vector<std::string>{"Vertalis"});
}

TEST_F(RegistryTest, PathsAreAbsoluteOrRelativeToTheOpenKey) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\A\\B", true));
    ASSERT_TRUE(reg.OpenKey("C", true));
    EXPECT_EQ(reg.CurrentPath(), "A\\B\\C");
    ASSERT_TRUE(reg.OpenKey("\\\\A\\\\B\\", false)); // empty parts are skipped
    EXPECT_EQ(reg.CurrentPath(), "A\\B");
    EXPECT_TRUE(reg.KeyExists("C"));
    EXPECT_FALSE(reg.KeyExists("\\C"));

    // A failed open leaves the open key as it was.
    EXPECT_FALSE(reg.OpenKey("Missing", false));
    EXPECT_FALSE(reg.OpenKey(std::string(256, 'k'), true));
    EXPECT_FALSE(reg.OpenKey("line\nbreak", true));
    EXPECT_EQ(reg.CurrentPath(), "A\\B");
    EXPECT_FALSE(reg.KeyExists("Missing"));

    TRegistry closed; // without an open key, relative paths start at the root
    EXPECT_TRUE(closed.KeyExists("A\\B\\C"));
    ASSERT_TRUE(closed.OpenKey("\\", false));
    EXPECT_EQ(closed.CurrentPath(), "");
    EXPECT_EQ(closed.GetKeyNames(), std::vector<std::string>{"A"});
}

TEST_F(RegistryTest, TypedValuesReadBackWithTheirSizes) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Values", true));
    reg.WriteString("s", Ru("Платье"));
    reg.WriteExpandString("e", "%WINDIR%");
    reg.WriteInteger("min", INT_MIN);
    reg.WriteInteger("neg", -5);
    const char material[] = {2, -1, 0, 7};
    reg.WriteBinaryData("pl03", material, 4);
    reg.WriteBinaryData("none", nullptr, 0);
    reg.PutValue("multi", RegValue{7, std::string("a\0b\0\0", 5)});

    EXPECT_EQ(reg.ReadString("s"), Ru("Платье"));
    EXPECT_EQ(reg.ReadString("e"), "%WINDIR%");
    EXPECT_EQ(reg.GetValue("e")->Type, static_cast<uint32_t>(RegDataType::ExpandString));
    EXPECT_EQ(reg.ReadInteger("min"), INT_MIN);
    EXPECT_EQ(reg.ReadInteger("neg"), -5);
    EXPECT_EQ(reg.GetValue("neg")->Data, std::string("\xFB\xFF\xFF\xFF", 4));
    char buffer[64] = {};
    EXPECT_EQ(reg.ReadBinaryData("pl03", buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), std::string(material, 4));
    EXPECT_EQ(reg.ReadBinaryData("none", buffer, 64), 0);
    EXPECT_EQ(reg.GetValue("multi")->Data, std::string("a\0b\0\0", 5));

    EXPECT_EQ(reg.GetDataSize("s"), 7); // with the terminating zero
    EXPECT_EQ(reg.GetDataSize("neg"), 4);
    EXPECT_EQ(reg.GetDataSize("pl03"), 4);
    EXPECT_EQ(reg.GetDataSize("missing"), -1);
    EXPECT_EQ(reg.ReadString("missing"), "");
    EXPECT_EQ(reg.ReadBinaryData("missing", buffer, 64), 0);
    EXPECT_TRUE(reg.DeleteValue("S"));
    EXPECT_FALSE(reg.ValueExists("s"));
    EXPECT_FALSE(reg.DeleteValue("s"));
}

TEST_F(RegistryTest, WrongTypesRaiseInvalidDataTypeNamingTheValue) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Values", true));
    reg.WriteString("str", "12");
    reg.WriteInteger("int", 12);
    const char five[] = {1, 2, 3, 4, 5};
    reg.WriteBinaryData("bin", five, 5);
    reg.PutValue("short", RegValue{4, "\x01\x02"});
    char buffer[8];
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"str", [&] { reg.ReadInteger("str"); }},
        {"missing", [&] { reg.ReadInteger("missing"); }},
        {"short", [&] { reg.ReadInteger("short"); }},
        {"int", [&] { reg.ReadString("int"); }},
        {"bin", [&] { reg.ReadString("bin"); }},
        {"str", [&] { reg.ReadBinaryData("str", buffer, 8); }},
        {"int", [&] { reg.ReadBinaryData("int", buffer, 8); }},
        {"bin", [&] { reg.ReadBinaryData("bin", buffer, 4); }}, // longer than the buffer
        {"bin", [&] { reg.ReadBinaryData("bin", buffer, -1); }},
    };
    for (const auto& [name, action] : cases)
        EXPECT_EQ(MessageOf(action), "Invalid data type for '" + std::string(name) + "'");
    EXPECT_EQ(reg.ReadBinaryData("bin", buffer, 5), 5);
}

TEST_F(RegistryTest, WritesNeedAnOpenWritableKeyAndValidNames) {
    TRegistry reg;
    EXPECT_EQ(MessageOf([&] { reg.WriteString("x", "1"); }), "Failed to set data for 'x'");
    ASSERT_TRUE(reg.OpenKey("\\K", true));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\K"));
    EXPECT_EQ(MessageOf([&] { reg.WriteInteger("y", 1); }), "Failed to set data for 'y'");
    EXPECT_FALSE(reg.DeleteKey("\\K"));
    ASSERT_TRUE(reg.OpenKey("\\K", false));
    EXPECT_EQ(MessageOf([&] { reg.WriteString("a\nb", "1"); }), "Failed to set data for 'a\nb'");
    EXPECT_EQ(MessageOf([&] { reg.WriteBinaryData("n", "x", -1); }), "Failed to set data for 'n'");
    EXPECT_EQ(MessageOf([&] { reg.WriteBinaryData("n", nullptr, 3); }), "Failed to set data for 'n'");
    EXPECT_EQ(
        MessageOf([&] { reg.WriteString(std::string(kMaxValueNameBytes + 1, 'n'), "1"); }).substr(0, 22),
        "Failed to set data for");
    EXPECT_EQ(MessageOf([&] {
                  reg.PutValue("big", RegValue{3, std::string(kMaxValueDataBytes + 1, 'x')});
              }),
              "Failed to set data for 'big'");
    // A key deleted under an accessor takes its writes nowhere.
    TRegistry other;
    ASSERT_TRUE(other.DeleteKey("\\K"));
    EXPECT_EQ(MessageOf([&] { reg.WriteString("z", "1"); }), "Failed to set data for 'z'");
    EXPECT_FALSE(reg.KeyExists("\\K"));
}

TEST_F(RegistryTest, DeleteKeyRemovesTheSubtreeButNeverTheRoot) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\A\\B\\C", true));
    reg.WriteString("v", "1");
    ASSERT_TRUE(reg.OpenKey("\\A", false));
    EXPECT_TRUE(reg.DeleteKey("b"));
    EXPECT_FALSE(reg.KeyExists("\\A\\B\\C"));
    EXPECT_TRUE(reg.KeyExists("\\A"));
    EXPECT_FALSE(reg.DeleteKey("B"));
    EXPECT_FALSE(reg.DeleteKey("\\"));
    TRegistry closed;
    EXPECT_FALSE(closed.DeleteKey(""));
    EXPECT_TRUE(closed.KeyExists("A"));
}

TEST_F(RegistryTest, RootsAreSeparateAndNamedExactly) {
    for (int i = 0; i < kRootKeyCount; ++i) {
        const auto root = static_cast<RootKey>(i);
        EXPECT_EQ(RootKeyFromName(RootKeyName(root)), root);
        TRegistry reg(root);
        ASSERT_TRUE(reg.OpenKey("\\Same", true));
        reg.WriteString("root", RootKeyName(root));
    }
    for (int i = 0; i < kRootKeyCount; ++i) {
        TRegistry reg(static_cast<RootKey>(i));
        ASSERT_TRUE(reg.OpenKey("\\Same", false));
        EXPECT_EQ(reg.ReadString("root"), RootKeyName(static_cast<RootKey>(i)));
    }
    EXPECT_EQ(RootKeyFromName("hkey_current_user"), std::nullopt);
    EXPECT_EQ(RootKeyFromName("HKCU"), std::nullopt);

    TRegistry reg(RootKey::CurrentUser);
    ASSERT_TRUE(reg.OpenKey("\\Same", false));
    reg.SetRootKey(RootKey::Users); // closes the key
    EXPECT_FALSE(reg.ValueExists("root"));
    EXPECT_EQ(reg.GetRootKey(), RootKey::Users);
}

TEST_F(RegistryTest, FilesHoldTheirRootsAsReadableTextAndReadBack) {
    for (int i = 0; i < kRootKeyCount; ++i) {
        TRegistry reg(static_cast<RootKey>(i));
        ASSERT_TRUE(reg.OpenKey("\\Software\\Vertalis\\" + Ru("Кукла"), true));
        reg.WriteString(Ru("Имя"), Ru("Платье"));
        reg.WriteInteger("Count", 10);
    }
    RegistryFlush();
    const std::string user = testing_support::ReadHostFile(UserFile());
    const std::string system = testing_support::ReadHostFile(SystemFile());
    EXPECT_EQ(user.substr(0, 9), "REGEDIT4\n");
    EXPECT_TRUE(Contains(user, "[HKEY_CURRENT_USER\\Software\\Vertalis\\Кукла]\n\"Count\"=dword:0000000a\n"
                               "\"Имя\"=\"Платье\"\n"))
        << user;
    EXPECT_FALSE(Contains(user, "HKEY_LOCAL_MACHINE"));
    for (const char* root : {"HKEY_LOCAL_MACHINE", "HKEY_CLASSES_ROOT", "HKEY_USERS", "HKEY_CURRENT_CONFIG"})
        EXPECT_TRUE(Contains(system, std::string("[") + root + "\\Software\\Vertalis\\Кукла]")) << root;
    EXPECT_FALSE(Contains(system, "HKEY_CURRENT_USER"));
    EXPECT_FALSE(Contains(user + system, "HKEY_DYN_DATA"));

    RegistryReset();
    for (int i = 0; i < kRootKeyCount; ++i) {
        const auto root = static_cast<RootKey>(i);
        TRegistry reg(root);
        const bool opened = reg.OpenKeyReadOnly("\\Software\\Vertalis\\" + Ru("Кукла"));
        EXPECT_EQ(opened, root != RootKey::DynData) << RootKeyName(root);
        if (!opened)
            continue;
        EXPECT_EQ(reg.ReadString(Ru("Имя")), Ru("Платье"));
        EXPECT_EQ(reg.ReadInteger("Count"), 10);
    }
}

TEST_F(RegistryTest, ClosingAfterAWriteSavesAndReadingDoesNotRewrite) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\A", true));
        reg.WriteString("x", "1");
        EXPECT_FALSE(fs::exists(UserFile()));
        reg.CloseKey();
        EXPECT_TRUE(Contains(testing_support::ReadHostFile(UserFile()), "\"x\"=\"1\""));
        ASSERT_TRUE(reg.OpenKey("\\A", false));
        reg.WriteString("y", "2");
    } // the destructor closes and saves
    EXPECT_TRUE(Contains(testing_support::ReadHostFile(UserFile()), "\"y\"=\"2\""));
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\A\\Empty", true)); // creating a key is a change too
    }
    EXPECT_TRUE(Contains(testing_support::ReadHostFile(UserFile()), "[HKEY_CURRENT_USER\\A\\Empty]"));

    struct stat before {};
    ASSERT_EQ(::stat(UserFile().c_str(), &before), 0);
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\A", true));
        EXPECT_EQ(reg.ReadString("x"), "1");
    }
    RegistryFlush();
    struct stat after {};
    ASSERT_EQ(::stat(UserFile().c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(RegistryTest, ResetDropsWhatWasNotSaved) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\A", true));
    reg.WriteString("saved", "1");
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKey("\\A", false));
    reg.WriteString("unsaved", "1");
    RegistryReset();
    reg.CloseKey();
    RegistryFlush();
    ASSERT_TRUE(reg.OpenKey("\\A", false));
    EXPECT_TRUE(reg.ValueExists("saved"));
    EXPECT_FALSE(reg.ValueExists("unsaved"));
    EXPECT_FALSE(Contains(testing_support::ReadHostFile(UserFile()), "unsaved"));
}

namespace {

struct DamageCase {
    const char* label;
    std::string text;
    const char* where; // "line <n>" or "" for faults of the whole file
    const char* fault;
};

} // namespace

TEST_F(RegistryTest, DamagedFileIsReportedOnceKeptAsideAndNeverOverwritten) {
    const DamageCase cases[] = {
        {"garbage", "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"1\"\n#!garbage\n", "line 5",
         "unexpected text"},
        {"cut in hex", "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"b\"=hex:01,02,\\\n", "line 4",
         "file ends inside"},
        {"cut in string", "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"s\"=\"abc", "line 4", "no closing quote"},
        {"old style", "REGEDIT\nHKEY_CURRENT_USER\\A = x\n", "line 1", "old-style REGEDIT"},
        {"foreign root", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n", "line 2", "do not belong in this file"},
        {"empty", "", "", "empty"},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.label);
        Clean();
        testing_support::WriteHostFile(UserFile(), c.text);
        TRegistry reg;
        const std::string message = MessageOf([&] { reg.OpenKey("\\A", false); });
        EXPECT_TRUE(Contains(message, "'" + UserFile() + "'")) << message;
        EXPECT_TRUE(Contains(message, c.where)) << message;
        EXPECT_TRUE(Contains(message, c.fault)) << message;
        EXPECT_TRUE(Contains(message, "moved to '" + UserFile() + ".damaged-1'")) << message;
        EXPECT_TRUE(Contains(message, "HKEY_CURRENT_USER start empty")) << message;
        EXPECT_FALSE(fs::exists(UserFile()));
        EXPECT_EQ(testing_support::ReadHostFile(UserFile() + ".damaged-1"), c.text);

        // Raised once: the root is now empty and usable.
        EXPECT_FALSE(reg.OpenKey("\\A", false));
        ASSERT_TRUE(reg.OpenKey("\\New", true));
        reg.WriteString("v", "1");
        reg.CloseKey();
        EXPECT_NO_THROW(
            ReadRegistryText(testing_support::ReadHostFile(UserFile()), "user.reg", RootSet::All()));
        EXPECT_EQ(testing_support::ReadHostFile(UserFile() + ".damaged-1"), c.text);
    }
    // A second damaged file does not replace the first one kept.
    testing_support::WriteHostFile(UserFile(), "junk");
    RegistryReset();
    TRegistry reg;
    EXPECT_TRUE(Contains(MessageOf([&] { reg.KeyExists("\\A"); }), ".damaged-2'"));
    EXPECT_EQ(testing_support::ReadHostFile(UserFile() + ".damaged-1"), cases[std::size(cases) - 1].text);
}

TEST_F(RegistryTest, DamageFoundWhileSavingIsKeptAsideAndOurRegistryWritten) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\A", true));
    reg.WriteString("x", "1");
    reg.CloseKey();
    const std::string garbage = "REGEDIT4\n[HKEY_CURRENT_USER\\B]\n\"y\"=foo:1\n";
    testing_support::WriteHostFile(UserFile(), garbage); // someone else wrote this meanwhile
    ASSERT_TRUE(reg.OpenKey("\\A", false));
    reg.WriteString("z", "2");
    const std::string message = MessageOf([&] { reg.CloseKey(); });
    EXPECT_TRUE(Contains(message, "line 3")) << message;
    EXPECT_TRUE(Contains(message, "moved to '" + UserFile() + ".damaged-1'")) << message;
    EXPECT_EQ(testing_support::ReadHostFile(UserFile() + ".damaged-1"), garbage);
    const RegistryTree saved =
        ReadRegistryText(testing_support::ReadHostFile(UserFile()), "user.reg", {RootKey::CurrentUser});
    const RegKeyNode* a = saved.Root(RootKey::CurrentUser).FindPath("A");
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a->FindValue("x"), nullptr);
    EXPECT_NE(a->FindValue("z"), nullptr);
}

TEST_F(RegistryTest, UnreadableFileRaisesOnEveryAccessAndIsNeverReplaced) {
    fs::create_directories(UserFile()); // a folder where the file should be
    TRegistry reg;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::string message = MessageOf([&] { reg.OpenKey("\\A", true); });
        EXPECT_TRUE(Contains(message, "Cannot read registry file '" + UserFile() + "'")) << message;
    }
    EXPECT_NO_THROW(RegistryFlush());
    EXPECT_TRUE(fs::is_directory(UserFile()));
    EXPECT_FALSE(fs::exists(UserFile() + ".damaged-1"));
    // The other file is not affected.
    TRegistry machine(RootKey::LocalMachine);
    EXPECT_TRUE(machine.OpenKey("\\A", true));
}

TEST_F(RegistryTest, LeftoverTemporaryFileDoesNotStopASave) {
    testing_support::WriteHostFile(UserFile() + ".tmp", "left by a killed process");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\A", true));
    reg.WriteString("x", "1");
    EXPECT_NO_THROW(reg.CloseKey());
    EXPECT_FALSE(fs::exists(UserFile() + ".tmp"));
    EXPECT_TRUE(Contains(testing_support::ReadHostFile(UserFile()), "\"x\"=\"1\""));
    EXPECT_EQ(testing_support::ReadHostFile(UserFile() + ".lock"), "1\n"); // the save counter
}
