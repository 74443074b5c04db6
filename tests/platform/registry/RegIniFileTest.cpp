// TRegIniFile as the designer keeps its settings and outfits: sections as subkeys, numbers and
// booleans as decimal strings, piece materials as binary values, saving when the object goes.
#include "platform/core/Exceptions.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"
#include "tests/platform/registry/RegistryTestUtil.h"
#include "tests/support/Scratch.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace plat;

namespace {

constexpr const char* kProductKey = "Software\\Vertalis\\Velmora";

class RegIniFileTest : public CleanRegistryTest {
protected:
    static std::optional<RegValue> Stored(const std::string& key, const std::string& name) {
        TRegistry reg;
        if (!reg.OpenKeyReadOnly(key))
            return std::nullopt;
        return reg.GetValue(name);
    }
};

} // namespace

TEST_F(RegIniFileTest, SectionsAreSubkeysAndTheEmptySectionIsTheKeyItself) {
    TRegIniFile ini(kProductKey);
    EXPECT_EQ(ini.FileName(), kProductKey);
    ini.WriteString("", "CDPath", "D:\\");
    ini.WriteString("States1", "Width", "6.5");
    ini.WriteString("Velmora\\Deep", "BigMemory", "1");
    EXPECT_EQ(Stored("\\Software\\Vertalis\\Velmora", "CDPath")->Data, "D:\\");
    EXPECT_EQ(Stored("\\Software\\Vertalis\\Velmora\\States1", "Width")->Data, "6.5");
    EXPECT_EQ(Stored("\\Software\\Vertalis\\Velmora\\Velmora\\Deep", "BigMemory")->Data, "1");
    EXPECT_EQ(ini.ReadString("states1", "WIDTH", "x"), "6.5");
}

TEST_F(RegIniFileTest, NumbersAndBooleansAreDecimalStrings) {
    TRegIniFile ini(kProductKey);
    ini.WriteInteger("States2", "ModelView", -5);
    ini.WriteBool("", "Sound", true);
    ini.WriteBool("", "Quiet", false);
    const auto view = Stored("\\Software\\Vertalis\\Velmora\\States2", "ModelView");
    EXPECT_EQ(view->Type, static_cast<uint32_t>(RegDataType::String));
    EXPECT_EQ(view->Data, "-5");
    EXPECT_EQ(Stored("\\Software\\Vertalis\\Velmora", "Sound")->Data, "1");
    EXPECT_EQ(Stored("\\Software\\Vertalis\\Velmora", "Quiet")->Data, "0");
}

TEST_F(RegIniFileTest, ReadIntegerAcceptsDecimalHexAndDWordsElseTheFallback) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\Software\\Vertalis\\Velmora\\N", true));
        const std::pair<const char*, const char*> texts[] = {
            {"dec", "12"},   {"neg", "-7"}, {"hex", "0x1F"}, {"all", "0xFFFFFFFF"},
            {"word", "abc"}, {"empty", ""}, {"frac", "1.5"}, {"big", "4294967296"}};
        for (const auto& [name, text] : texts)
            reg.WriteString(name, text);
        reg.WriteInteger("dword", 9);
        reg.WriteBinaryData("bin", "\x01", 1);
    }
    TRegIniFile ini(kProductKey);
    const std::pair<const char*, int> expected[] = {{"dec", 12},  {"neg", -7},   {"hex", 31},    {"all", -1},
                                                    {"word", 42}, {"empty", 42}, {"frac", 42},   {"big", 42},
                                                    {"dword", 9}, {"bin", 42},   {"missing", 42}};
    for (const auto& [name, value] : expected)
        EXPECT_EQ(ini.ReadInteger("N", name, 42), value) << name;
    EXPECT_EQ(ini.ReadInteger("NoSection", "dec", 42), 42);

    const std::pair<const char*, bool> booleans[] = {{"dec", true}, {"word", false}, {"missing", false}};
    for (const auto& [name, value] : booleans)
        EXPECT_EQ(ini.ReadBool("N", name, false), value) << name;
    EXPECT_TRUE(ini.ReadBool("N", "word", true));
    EXPECT_FALSE(ini.ReadBool("N", "empty", false));
}

TEST_F(RegIniFileTest, ReadStringGivesFallbackDecimalDWordOrRaises) {
    TRegIniFile ini(kProductKey);
    EXPECT_EQ(ini.ReadString("", "missing", "fallback"), "fallback");
    EXPECT_EQ(ini.ReadString("Nowhere", "x", "fallback"), "fallback");
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(std::string("\\") + kProductKey, false));
        reg.WriteInteger("dword", -3);
        reg.WriteBinaryData("bin", "\x01", 1);
    }
    EXPECT_EQ(ini.ReadString("", "dword", ""), "-3");
    try {
        ini.ReadString("", "bin", "");
        FAIL();
    } catch (const ERegistryException& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'bin'");
    }
}

TEST_F(RegIniFileTest, ReadingNeverCreatesSections) {
    TRegIniFile ini(kProductKey);
    ini.ReadString("States7", "Width", "");
    ini.ReadInteger("States7", "ModelView", 1);
    EXPECT_FALSE(ini.ValueExists("States7", "Width"));
    char buffer[4];
    EXPECT_EQ(ini.ReadBinaryData("States7", "pl03", buffer, 4), 0);
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("\\Software\\Vertalis\\Velmora"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Vertalis\\Velmora\\States7"));
}

TEST_F(RegIniFileTest, MaterialsAreBinaryValuesCheckedAgainstTheBuffer) {
    TRegIniFile ini(kProductKey);
    const signed char pieces[5] = {2, -1, 0, 3, -1};
    ini.WriteBinaryData("States1", "pl03", pieces, 5);
    ini.WriteString("States1", "pl04", "not binary");
    EXPECT_EQ(Stored("\\Software\\Vertalis\\Velmora\\States1", "pl03")->Type,
              static_cast<uint32_t>(RegDataType::Binary));

    signed char buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), -1);
    EXPECT_EQ(ini.ReadBinaryData("States1", "pl03", buffer, 64), 5);
    EXPECT_EQ(buffer[1], -1);
    EXPECT_EQ(buffer[3], 3);
    EXPECT_EQ(buffer[5], -1);
    EXPECT_EQ(ini.ReadBinaryData("States1", "missing", buffer, 64), 0);
    for (const char* name : {"pl03", "pl04"}) {
        const int size = std::string(name) == "pl03" ? 4 : 64; // pl03 is longer than 4 pieces
        try {
            ini.ReadBinaryData("States1", name, buffer, size);
            ADD_FAILURE() << name;
        } catch (const ERegistryException& error) {
            EXPECT_EQ(std::string(error.what()), "Invalid data type for '" + std::string(name) + "'");
        }
    }
}

TEST_F(RegIniFileTest, EraseSectionDeletesTheSubkeyOrEmptiesTheKey) {
    TRegIniFile ini(kProductKey);
    ini.WriteString("States1", "Width", "1");
    ini.WriteString("States2", "Width", "2");
    ini.WriteString("", "DefaultSlot", "1");
    ini.EraseSection("States1");
    EXPECT_FALSE(ini.ValueExists("States1", "Width"));
    EXPECT_TRUE(ini.ValueExists("States2", "Width"));
    ini.EraseSection("");
    EXPECT_FALSE(ini.ValueExists("", "DefaultSlot"));
    EXPECT_FALSE(ini.ValueExists("States2", "Width"));
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("\\Software\\Vertalis\\Velmora"));
    ini.WriteString("States1", "Width", "again");
    EXPECT_EQ(ini.ReadString("States1", "Width", ""), "again");
}

TEST_F(RegIniFileTest, EverythingWrittenIsSavedWhenTheObjectGoes) {
    const std::string file = RegistryStore::HostFileOf(RootKey::CurrentUser);
    {
        TRegIniFile ini(kProductKey);
        ini.WriteInteger("", "DefaultSlot", 3);
        ini.WriteString("States3", "Height", "30");
        ini.WriteString("States4", "Height", "31");
        EXPECT_FALSE(std::filesystem::exists(file)); // not one save per value
    }
    RegistryReset();
    TRegIniFile ini(kProductKey);
    EXPECT_EQ(ini.ReadInteger("", "DefaultSlot", -1), 3);
    EXPECT_EQ(ini.ReadString("States3", "Height", ""), "30");
    EXPECT_EQ(ini.ReadString("States4", "Height", ""), "31");
}

TEST_F(RegIniFileTest, InvalidKeyPathIsRefused) {
    EXPECT_THROW(TRegIniFile(std::string(300, 'k')), ERegistryException);
}
