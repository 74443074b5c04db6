// Copying a folder's files with one TFolderCopy: what CopyFile would do for each file (names in
// any case, replacing read-only targets, times and permission bits kept), the writable option,
// the refusals, names the copier created itself, and the caches seeing the result.
#include "platform/files/FolderCopy.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "tests/platform/files/PrefixFixture.h"

#include <sys/stat.h>

using namespace plat;
using files_test::MakeReadOnly;
namespace fs = std::filesystem;

namespace {

using FolderCopyTest = files_test::PrefixTest;

mode_t ModeOf(const std::string& host) {
    struct stat st {};
    EXPECT_EQ(stat(host.c_str(), &st), 0) << host;
    return st.st_mode & 07777;
}

TEST_F(FolderCopyTest, CopiesAsCopyFileWouldFindingNamesInAnyCase) {
    MakeFile("cd/Data/ReadMe.TXT", "new readme");
    MakeFile("cd/Data/pic.bmp", "picture");
    MakeFile("cd/Data/locked.dat", "locked");
    MakeFile("dst/README.txt", "old readme");
    MakeFile("dst/LOCKED.DAT", "old locked");
    MakeReadOnly(OnC("dst/LOCKED.DAT"));
    fs::last_write_time(OnC("cd/Data/pic.bmp"), fs::file_time_type::clock::now() - std::chrono::hours(48));
    fs::permissions(OnC("cd/Data/pic.bmp"), fs::perms(0640));
    {
        TFolderCopy copier("C:\\CD\\data", "c:\\Dst\\");
        EXPECT_TRUE(copier.Copy("readme.txt"));
        EXPECT_TRUE(copier.Copy("PIC.BMP"));
        EXPECT_TRUE(copier.Copy("Locked.dat"));
    }
    // Existing targets keep their names on disk; new ones are named as the caller wrote them.
    EXPECT_EQ(testing_support::ReadHostFile(OnC("dst/README.txt")), "new readme");
    EXPECT_EQ(testing_support::ReadHostFile(OnC("dst/LOCKED.DAT")), "locked");
    EXPECT_EQ(testing_support::ReadHostFile(OnC("dst/PIC.BMP")), "picture");
    EXPECT_EQ(fs::last_write_time(OnC("dst/PIC.BMP")), fs::last_write_time(OnC("cd/Data/pic.bmp")));
    EXPECT_EQ(ModeOf(OnC("dst/PIC.BMP")), 0640u);
    EXPECT_EQ(ModeOf(OnC("dst/LOCKED.DAT")), ModeOf(OnC("cd/Data/locked.dat")));
    // The lookups of the rest of the system see the copies, and no temporary file is left.
    EXPECT_EQ(FindFiles("C:\\dst\\*", faAnyFile).size(), 3u);
    EXPECT_EQ(FileSize("C:\\DST\\pic.bmp"), 7);
}

TEST_F(FolderCopyTest, WritableCopiesOfReadOnlySourcesGetTheOwnersWriteBitOnly) {
    MakeFile("cd/a.txt", "a");
    MakeFile("cd/b.txt", "b");
    MakeReadOnly(OnC("cd/a.txt"));
    MakeReadOnly(OnC("cd/b.txt"));
    MakeDir("dst");
    TFolderCopy copier("C:\\cd", "C:\\dst");
    ASSERT_TRUE(copier.Copy("a.txt", CopyAttributes::Writable));
    ASSERT_TRUE(copier.Copy("b.txt", CopyAttributes::AsSource));
    EXPECT_EQ(ModeOf(OnC("dst/a.txt")), ModeOf(OnC("cd/a.txt")) | S_IWUSR);
    EXPECT_EQ(FileGetAttr("C:\\dst\\a.txt") & faReadOnly, 0);
    EXPECT_NE(FileGetAttr("C:\\dst\\b.txt") & faReadOnly, 0);
}

TEST_F(FolderCopyTest, NamesItCreatedAreFoundAgainInAnyCase) {
    // Two source names that differ only in case land on one target, as with CopyFile.
    MakeFile("cd/Data.bin", "first");
    MakeFile("cd/DATA.BIN", "second");
    MakeDir("dst");
    {
        TFolderCopy copier("C:\\cd", "C:\\dst");
        ASSERT_TRUE(copier.Copy("Data.bin"));
        ASSERT_TRUE(copier.Copy("DATA.BIN"));
    }
    ASSERT_EQ(FindFiles("C:\\dst\\*", faAnyFile).size(), 1u);
    EXPECT_EQ(testing_support::ReadHostFile(OnC("dst/Data.bin")), "second");
}

TEST_F(FolderCopyTest, RefusesWhatCopyFileRefusesAndLeavesTargetsAlone) {
    MakeFile("cd/a.txt", "a");
    MakeDir("cd/sub");
    MakeDir("dst/A.TXT.d");
    MakeDir("dst/taken");
    MakeFile("cd/taken", "file over a folder");
    TFolderCopy copier("C:\\cd", "C:\\dst");
    EXPECT_FALSE(copier.Copy("missing.txt"));
    EXPECT_FALSE(copier.Copy("sub"));     // a folder is no file
    EXPECT_FALSE(copier.Copy("taken"));   // the target is a folder
    EXPECT_TRUE(fs::is_directory(OnC("dst/taken")));
    for (const char* bad : {"", "a?.txt", "sub\\a.txt", "..", "a\x01.txt"})
        EXPECT_FALSE(copier.Copy(bad)) << bad;
    EXPECT_FALSE(fs::exists(OnC("dst/a.txt")));
    EXPECT_THROW(TFolderCopy("C:\\missing", "C:\\dst"), EFileError);
    EXPECT_THROW(TFolderCopy("C:\\cd", "C:\\cd\\a.txt"), EFileError);
}

TEST_F(FolderCopyTest, AFileCopiedOntoItselfIsLeftAlone) {
    MakeFile("same/a.txt", "a");
    TFolderCopy copier("C:\\same", "C:\\SAME");
    EXPECT_TRUE(copier.Copy("A.TXT"));
    EXPECT_EQ(testing_support::ReadHostFile(OnC("same/a.txt")), "a");
    EXPECT_EQ(FindFiles("C:\\same\\*", faAnyFile).size(), 1u);
}

TEST_F(FolderCopyTest, ANameTakenMeanwhileUnderTheSameSpellingIsReplaced) {
    MakeFile("cd/a.txt", "new");
    MakeDir("dst");
    TFolderCopy copier("C:\\cd", "C:\\dst");
    // Made by someone else after the copier read the target folder.
    testing_support::WriteHostFile(OnC("dst/a.txt"), "theirs");
    EXPECT_TRUE(copier.Copy("a.txt"));
    EXPECT_EQ(testing_support::ReadHostFile(OnC("dst/a.txt")), "new");
}

} // namespace
