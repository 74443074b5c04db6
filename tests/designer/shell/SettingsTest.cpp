#include "designer/shell/Busy.h"
#include "designer/shell/Settings.h"
#include "platform/core/ScreenCursor.h"
#include "platform/registry/Registry.h"
#include "tests/designer/shell/FreshPrefix.h"

#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { UseFreshPrefix(); }
    void TearDown() override { plat::RegistryReset(); }
};

} // namespace

TEST_F(SettingsTest, FoldersDefaultToTheProgramFolderWithATrailingBackslash) {
    ReadSettings("Z:\\opt\\velmora");
    EXPECT_EQ(Settings().CDPath, "Z:\\opt\\velmora\\");
    EXPECT_EQ(Settings().HDPath, "Z:\\opt\\velmora\\");
    EXPECT_FALSE(Settings().BigMemory);
    EXPECT_EQ(Settings().ScreenFontName, "Vizo");
    EXPECT_EQ(Settings().PatternFontFile, "metip___.ttf");
}

TEST_F(SettingsTest, StoredFoldersWithoutBackslashStillResolveDataFiles) {
    {
        plat::TRegIniFile ini(kProductKey);
        ini.WriteString("", "CDPath", "D:\\cd");
        ini.WriteString("", "HDPath", "C:\\Program Files\\Velmora\\");
        ini.WriteBool("Velmora", "BigMemory", true);
    }
    ReadSettings("Z:\\elsewhere\\");
    EXPECT_EQ(DataFile("Resource\\Doll.bmp"), "D:\\cd\\Resource\\Doll.bmp");
    EXPECT_EQ(InstallFile("Resource\\logo.avi"), "C:\\Program Files\\Velmora\\Resource\\logo.avi");
    EXPECT_TRUE(Settings().BigMemory);
}

TEST_F(SettingsTest, DriveAndUncNamesPassDataFileUnchanged) {
    ReadSettings("C:\\data\\");
    EXPECT_EQ(DataFile("E:\\x.bmp"), "E:\\x.bmp");
    EXPECT_EQ(DataFile("\\\\server\\share\\x.bmp"), "\\\\server\\share\\x.bmp");
    EXPECT_EQ(DataFile("\\root.bmp"), "C:\\data\\\\root.bmp"); // one backslash is not a UNC name
    EXPECT_EQ(InstallFile("E:\\x"), Settings().HDPath + "E:\\x");
}

TEST(Busy, NestedCallsRestoreTheCursorShownBeforeTheFirst) {
    plat::SetScreenCursor(plat::crFirstCustom + 3);
    BusyOn();
    EXPECT_EQ(plat::GetScreenCursor(), plat::crHourGlass);
    plat::SetScreenCursor(plat::crDefault); // something changes the cursor meanwhile
    BusyOn();
    BusyOff();
    EXPECT_EQ(BusyDepth(), 1);
    EXPECT_NE(plat::GetScreenCursor(), plat::crFirstCustom + 3);
    BusyOff();
    EXPECT_EQ(plat::GetScreenCursor(), plat::crFirstCustom + 3);
    EXPECT_EQ(BusyDepth(), 0);
}
