// File services on Windows paths: existence, attributes, sizes and DOS times, whole-file access
// and its error messages, copy, delete, rename, folders and free space.
#include "platform/files/Files.h"

#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "tests/platform/files/PrefixFixture.h"

#include <sys/stat.h>

#include <ctime>

using namespace plat;
using files_test::MakeReadOnly;
using files_test::PrefixTest;
namespace fs = std::filesystem;

namespace {

std::string ErrorOf(void (*action)(const std::string&), const std::string& winPath) {
    try {
        action(winPath);
    } catch (const EFileError& error) {
        return error.Message();
    }
    return "(no error)";
}

using FilesTest = PrefixTest;

TEST_F(FilesTest, TellsFilesFromFolders) {
    MakeFile("dir/file.txt");
    EXPECT_TRUE(FileExists("C:\\DIR\\FILE.TXT"));
    EXPECT_FALSE(FileExists("C:\\dir"));
    EXPECT_FALSE(FileExists("C:\\dir\\file.txt\\")); // a trailing backslash names a folder
    EXPECT_FALSE(FileExists("C:\\dir\\missing.txt"));
    EXPECT_TRUE(DirectoryExists("C:\\Dir"));
    EXPECT_TRUE(DirectoryExists("C:\\Dir\\"));
    EXPECT_TRUE(DirectoryExists("C:\\"));
    EXPECT_FALSE(DirectoryExists("C:\\dir\\file.txt"));
    // Names that cannot name a file are simply not there.
    EXPECT_FALSE(FileExists("C:\\dir\\fi*e.txt"));
    EXPECT_FALSE(FileExists("\\\\server\\share\\file.txt"));
    EXPECT_FALSE(FileExists("Q:\\file.txt"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(DirectoryExists("relative"));
}

TEST_F(FilesTest, AttributesFollowTheHostFile) {
    MakeFile("attr/plain.txt");
    MakeFile("attr/.hidden");
    MakeFile("attr/locked.txt");
    MakeDir("attr/.config");
    MakeReadOnly(OnC("attr/locked.txt"));
    EXPECT_EQ(FileGetAttr("C:\\attr\\plain.txt"), faArchive);
    EXPECT_EQ(FileGetAttr("C:\\attr\\.HIDDEN"), faArchive | faHidden);
    EXPECT_EQ(FileGetAttr("C:\\attr\\locked.txt"), faArchive | faReadOnly);
    EXPECT_EQ(FileGetAttr("C:\\attr"), faDirectory);
    EXPECT_EQ(FileGetAttr("C:\\attr\\.config"), faDirectory | faHidden);
    EXPECT_EQ(FileGetAttr("C:\\attr\\none"), -1);
    EXPECT_EQ(FileGetAttr("Q:\\x"), -1);
    EXPECT_EQ(FileGetAttr("Z:\\dev\\null") & faSysFile, faSysFile);
}

TEST_F(FilesTest, SetsAndClearsReadOnly) {
    MakeFile("attr/f.txt");
    ASSERT_TRUE(FileSetAttr("C:\\ATTR\\F.TXT", faReadOnly | faHidden));
    EXPECT_EQ(FileGetAttr("C:\\attr\\f.txt"), faArchive | faReadOnly); // hidden is not settable
    EXPECT_EQ(fs::status(OnC("attr/f.txt")).permissions() & fs::perms::all & (fs::perms::owner_write),
              fs::perms::none);
    ASSERT_TRUE(FileSetAttr("C:\\attr\\f.txt", faArchive));
    EXPECT_EQ(FileGetAttr("C:\\attr\\f.txt"), faArchive);
    EXPECT_TRUE(FileSetAttr("C:\\attr", faReadOnly)); // accepted, means nothing on a folder
    EXPECT_EQ(FileGetAttr("C:\\attr"), faDirectory);
    EXPECT_FALSE(FileSetAttr("C:\\attr\\none", 0));
}

TEST_F(FilesTest, SizesAndAgesOfFilesOnly) {
    MakeFile("s/ten.bin", "0123456789");
    MakeFile("s/empty.bin", "");
    EXPECT_EQ(FileSize("C:\\S\\TEN.BIN"), 10);
    EXPECT_EQ(FileSize("C:\\s\\empty.bin"), 0);
    EXPECT_EQ(FileSize("C:\\s"), -1);
    EXPECT_EQ(FileSize("C:\\s\\none"), -1);
    EXPECT_NE(FileAge("C:\\s\\ten.bin"), -1);
    EXPECT_EQ(FileAge("C:\\s"), -1);
    EXPECT_EQ(FileAge("C:\\s\\none"), -1);
}

// DOS dates are local time; these cases pin the zone to UTC for the duration of the test.
class DosTimeTest : public PrefixTest {
protected:
    void SetUp() override {
        PrefixTest::SetUp();
        const char* zone = std::getenv("TZ");
        savedZone_ = zone ? zone : "";
        hadZone_ = zone != nullptr;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override {
        if (hadZone_)
            setenv("TZ", savedZone_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
        PrefixTest::TearDown();
    }

private:
    std::string savedZone_;
    bool hadZone_ = false;
};

struct DosCase {
    int64_t unixSeconds;
    uint32_t dos;
    int64_t back; // FileDateToDateTime(dos)
};

TEST_F(DosTimeTest, PacksDateHighAndTimeLow) {
    const DosCase cases[] = {
        {315532800, 0x00210000, 315532800},                 // 1980-01-01 00:00:00, the first DOS time
        {951827696, 0x285D645C, 951827696},                 // 2000-02-29 12:34:56
        {951827697, 0x285D645C, 951827696},                 // odd seconds round down to two
        {2147483648, 0x743319C4, 2147483648},               // 2038-01-19 03:14:08, past 32-bit time_t
        {2335219200, 0x80210000, 2335219200},               // 2044: the date's top bit set
        {0, 0x00210000, 315532800},                         // before 1980: the first DOS time
        {-86400, 0x00210000, 315532800},                    //
        {4354819198, 0xFF9FBF7D, 4354819198},               // 2107-12-31 23:59:58, the last
        {4354819198 + 86400 * 400, 0xFF9FBF7D, 4354819198}, // later: the last
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateTimeToFileDate(c.unixSeconds), c.dos) << c.unixSeconds;
        EXPECT_EQ(FileDateToDateTime(c.dos), c.back) << std::hex << c.dos;
    }
}

TEST_F(DosTimeTest, RefusesImpossibleDates) {
    const uint32_t date2001 = (21u << 9);
    for (uint32_t bad : {(date2001 | (0u << 5) | 1u) << 16,                 // month 0
                         (date2001 | (13u << 5) | 1u) << 16,                // month 13
                         (date2001 | (1u << 5) | 0u) << 16,                 // day 0
                         (date2001 | (2u << 5) | 29u) << 16,                // 29 February 2001
                         (date2001 | (4u << 5) | 31u) << 16,                // 31 April
                         ((date2001 | (1u << 5) | 1u) << 16) | (24u << 11), // hour 24
                         ((date2001 | (1u << 5) | 1u) << 16) | (60u << 5),  // minute 60
                         ((date2001 | (1u << 5) | 1u) << 16) | 30u})        // second 60
        EXPECT_EQ(FileDateToDateTime(bad), -1) << std::hex << bad;
    EXPECT_NE(FileDateToDateTime((((20u << 9) | (2u << 5) | 29u) << 16)), -1); // 29 February 2000
}

TEST_F(DosTimeTest, SetsAndReadsModificationTimes) {
    MakeFile("t/f.txt");
    ASSERT_TRUE(FileSetDate("C:\\T\\F.TXT", 0x285D645C));
    EXPECT_EQ(static_cast<uint32_t>(FileAge("C:\\t\\f.txt")), 0x285D645Cu);
    struct stat st {};
    ASSERT_EQ(stat(OnC("t/f.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 951827696);
    EXPECT_FALSE(FileSetDate("C:\\t\\f.txt", 0x00000000)); // month 0
    EXPECT_FALSE(FileSetDate("C:\\t\\none", 0x285D645C));
}

TEST_F(FilesTest, ReadsAndWritesWholeFilesByteForByte) {
    const std::string bytes("\0\x01\xFF\r\n\xE0\xEB\xEA\xE0", 9);
    WriteFileBytes("C:\\windows\\Data.BIN", bytes);
    EXPECT_EQ(testing_support::ReadHostFile(OnC("windows/Data.BIN")), bytes);
    EXPECT_EQ(ReadFileBytes("C:\\WINDOWS\\data.bin"), bytes);
    WriteFileBytes("c:\\windows\\DATA.bin", "short"); // replaces, keeping the name on disk
    EXPECT_EQ(ReadFileBytes("C:\\windows\\Data.BIN"), "short");
    EXPECT_FALSE(fs::exists(OnC("windows/DATA.bin")));
    WriteFileBytes("C:\\windows\\empty", "");
    EXPECT_EQ(ReadFileBytes("C:\\windows\\empty"), "");
}

TEST_F(FilesTest, FileErrorsNameTheFileAndTheReason) {
    auto read = [](const std::string& path) { ReadFileBytes(path); };
    auto write = [](const std::string& path) { WriteFileBytes(path, "x"); };

    EXPECT_EQ(ErrorOf(read, "C:\\windows\\missing.txt"),
              "Cannot open file \"C:\\windows\\missing.txt\". No such file or directory");
    EXPECT_EQ(ErrorOf(read, "C:\\windows"), "Cannot open file \"C:\\windows\". Is a directory");
    EXPECT_EQ(ErrorOf(write, "C:\\no\\such\\folder.txt"),
              "Cannot create file \"C:\\no\\such\\folder.txt\". No such file or directory");
    EXPECT_EQ(ErrorOf(write, "C:\\windows\\system"),
              "Cannot create file \"C:\\windows\\system\". Is a directory");
    MakeFile("locked.txt", "keep");
    MakeReadOnly(OnC("locked.txt"));
    EXPECT_EQ(ErrorOf(write, "C:\\LOCKED.TXT"),
              "Cannot create file \"C:\\LOCKED.TXT\". The file is read-only");
    EXPECT_EQ(testing_support::ReadHostFile(OnC("locked.txt")), "keep");

    const std::string unc = ErrorOf(read, "\\\\server\\share\\x.txt");
    EXPECT_NE(unc.find("\"\\\\server\\share\\x.txt\""), std::string::npos) << unc;
    EXPECT_NE(unc.find("UNC"), std::string::npos) << unc;
    EXPECT_NE(ErrorOf(write, "Q:\\x.txt").find("drive Q: is not mapped"), std::string::npos);
    const std::string cyrillic = Ru("C:\\Нет\\файла.txt");
    EXPECT_EQ(ErrorOf(read, cyrillic), "Cannot open file \"" + cyrillic + "\". No such file or directory");
}

TEST_F(FilesTest, CopiesWithContentAndTime) {
    MakeFile("src/Model.mdl", "model data");
    ASSERT_TRUE(FileSetDate("C:\\src\\model.mdl", 0x285D645C));
    MakeDir("dst");
    ASSERT_TRUE(CopyFile("C:\\SRC\\MODEL.MDL", "C:\\dst\\Copy.mdl", /*failIfExists=*/true));
    EXPECT_EQ(testing_support::ReadHostFile(OnC("dst/Copy.mdl")), "model data");
    EXPECT_EQ(FileAge("C:\\dst\\copy.mdl"), FileAge("C:\\src\\model.mdl"));

    MakeFile("src/Other.mdl", "other");
    EXPECT_FALSE(CopyFile("C:\\src\\other.mdl", "C:\\DST\\COPY.MDL", /*failIfExists=*/true));
    EXPECT_EQ(testing_support::ReadHostFile(OnC("dst/Copy.mdl")), "model data");
    ASSERT_TRUE(CopyFile("C:\\src\\other.mdl", "C:\\DST\\COPY.MDL", /*failIfExists=*/false));
    EXPECT_EQ(testing_support::ReadHostFile(OnC("dst/Copy.mdl")), "other"); // the existing name is used
    EXPECT_FALSE(fs::exists(OnC("dst/COPY.MDL")));
    EXPECT_EQ(FindFiles("C:\\dst\\*", faAnyFile).size(), 1u); // no temporary left behind
}

TEST_F(FilesTest, CopyOverReadOnlyOnlyWhenAllowed) {
    MakeFile("a.txt", "new");
    MakeFile("ro.txt", "old");
    MakeReadOnly(OnC("ro.txt"));
    EXPECT_FALSE(CopyFile("C:\\a.txt", "C:\\ro.txt", /*failIfExists=*/true));
    EXPECT_EQ(testing_support::ReadHostFile(OnC("ro.txt")), "old");
    EXPECT_TRUE(CopyFile("C:\\a.txt", "C:\\ro.txt", /*failIfExists=*/false));
    EXPECT_EQ(testing_support::ReadHostFile(OnC("ro.txt")), "new");
    EXPECT_EQ(FileGetAttr("C:\\ro.txt"), faArchive); // the copy takes the source's attributes

    MakeReadOnly(OnC("a.txt"));
    ASSERT_TRUE(CopyFile("C:\\a.txt", "C:\\b.txt", /*failIfExists=*/true));
    EXPECT_EQ(FileGetAttr("C:\\b.txt"), faArchive | faReadOnly);
}

TEST_F(FilesTest, CopyRefusesWhatItCannotDo) {
    MakeFile("a.txt", "a");
    EXPECT_FALSE(CopyFile("C:\\missing.txt", "C:\\b.txt", false));
    EXPECT_FALSE(CopyFile("C:\\windows", "C:\\b.txt", false));
    EXPECT_FALSE(CopyFile("C:\\a.txt", "C:\\no\\folder\\b.txt", false));
    EXPECT_FALSE(CopyFile("C:\\a.txt", "C:\\windows", false));
    EXPECT_FALSE(CopyFile("C:\\a.txt", "Q:\\b.txt", false));
    EXPECT_TRUE(CopyFile("C:\\a.txt", "C:\\A.TXT", false)); // onto itself
    EXPECT_EQ(testing_support::ReadHostFile(OnC("a.txt")), "a");
}

TEST_F(FilesTest, DeletesFilesButNotReadOnlyOnesOrFolders) {
    MakeFile("del/a.txt");
    MakeFile("del/ro.txt");
    MakeReadOnly(OnC("del/ro.txt"));
    EXPECT_TRUE(DeleteFile("C:\\DEL\\A.TXT"));
    EXPECT_FALSE(fs::exists(OnC("del/a.txt")));
    EXPECT_FALSE(DeleteFile("C:\\del\\a.txt"));
    EXPECT_FALSE(DeleteFile("C:\\del\\ro.txt")); // as Windows: clear the attribute first
    ASSERT_TRUE(FileSetAttr("C:\\del\\ro.txt", 0));
    EXPECT_TRUE(DeleteFile("C:\\del\\ro.txt"));
    EXPECT_FALSE(DeleteFile("C:\\del"));
}

TEST_F(FilesTest, RenamesWithoutReplacing) {
    MakeFile("ren/a.txt", "a");
    MakeFile("ren/b.txt", "b");
    EXPECT_FALSE(RenameFile("C:\\ren\\a.txt", "C:\\ren\\B.TXT"));
    EXPECT_TRUE(RenameFile("C:\\REN\\A.TXT", "C:\\ren\\Sub Name.txt"));
    EXPECT_EQ(testing_support::ReadHostFile(OnC("ren/Sub Name.txt")), "a");
    // A change of case only renames the same file.
    EXPECT_TRUE(RenameFile("C:\\ren\\sub name.txt", "C:\\ren\\SUB NAME.TXT"));
    EXPECT_TRUE(fs::exists(OnC("ren/SUB NAME.TXT")));
    EXPECT_FALSE(fs::exists(OnC("ren/Sub Name.txt")));
    // Into another folder, and folders too.
    MakeDir("other");
    EXPECT_TRUE(RenameFile("C:\\ren\\b.txt", "C:\\Other\\b2.txt"));
    EXPECT_TRUE(fs::exists(OnC("other/b2.txt")));
    EXPECT_TRUE(RenameFile("C:\\other", "C:\\Moved"));
    EXPECT_TRUE(DirectoryExists("C:\\moved"));
    EXPECT_FALSE(RenameFile("C:\\missing", "C:\\x"));
    EXPECT_FALSE(RenameFile("C:\\moved", "Q:\\x"));
}

TEST_F(FilesTest, ForceDirectoriesMakesEveryMissingParent) {
    EXPECT_TRUE(ForceDirectories("C:\\PROGRAM FILES\\Velmora\\Models\\Pl"));
    EXPECT_TRUE(fs::is_directory(OnC("Program Files/Velmora/Models/Pl")));
    EXPECT_TRUE(ForceDirectories("c:\\program files\\velmora\\models\\pl\\")); // already there
    EXPECT_TRUE(ForceDirectories(Ru("C:\\Program Files\\Ателье")));
    EXPECT_TRUE(fs::is_directory(OnC("Program Files/Ателье")));
    EXPECT_TRUE(ForceDirectories("C:\\"));
    MakeFile("blocker");
    EXPECT_FALSE(ForceDirectories("C:\\blocker\\sub"));
    EXPECT_FALSE(ForceDirectories(""));
    EXPECT_FALSE(ForceDirectories("C:\\a|b"));
    EXPECT_FALSE(ForceDirectories("Q:\\x"));
}

TEST_F(FilesTest, RemovesEmptyFoldersOnly) {
    MakeFile("full/x");
    MakeDir("empty");
    EXPECT_FALSE(RemoveDir("C:\\full"));
    EXPECT_TRUE(RemoveDir("C:\\EMPTY"));
    EXPECT_FALSE(DirectoryExists("C:\\empty"));
    EXPECT_FALSE(RemoveDir("C:\\empty"));
    EXPECT_FALSE(RemoveDir("C:\\full\\x"));
}

TEST_F(FilesTest, FreeSpaceOfMappedDrives) {
    EXPECT_GT(DiskFree("C:"), 0);
    EXPECT_GT(DiskFree("c"), 0);
    // A path that does not exist yet counts on the file system of its deepest existing folder
    // (other programs may write meanwhile, hence the tolerance).
    EXPECT_NEAR(static_cast<double>(DiskFree("C:\\")),
                static_cast<double>(DiskFree("C:\\windows\\not\\there")), 1e9);
    EXPECT_GT(DiskFree("Z:\\"), 0);
    EXPECT_EQ(DiskFree("Q:"), -1);
    EXPECT_EQ(DiskFree("\\\\server\\share"), -1);
    EXPECT_EQ(DiskFree(""), -1);
}

} // namespace
