// The caches behind path lookup: a path changed behind our back (renamed, deleted, created in
// another case, created within the same clock tick) is found correctly the next time, repeated
// lookups are answered from the caches, and a reset drops everything. Our own changes (copy,
// write, rename, delete, new folders) update the kept listings, which must then agree with a
// listing read afresh.
#include "platform/files/PathResolver.h"

#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "tests/platform/files/PrefixFixture.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

using namespace plat;
using files_test::PrefixTest;
namespace fs = std::filesystem;

namespace {

using PathCacheTest = PrefixTest;

TEST_F(PathCacheTest, RenamedFileIsFoundUnderItsNewName) {
    MakeFile("dir/Alpha.txt", "a");
    ASSERT_TRUE(FileExists("C:\\DIR\\ALPHA.TXT"));
    fs::rename(OnC("dir/Alpha.txt"), OnC("dir/Beta.txt"));
    EXPECT_FALSE(FileExists("C:\\DIR\\ALPHA.TXT"));
    EXPECT_TRUE(FileExists("c:\\dir\\beta.TXT"));
    EXPECT_EQ(HostPath("C:\\DIR\\ALPHA.TXT"), OnC("dir/ALPHA.TXT")); // as written, to be created
}

TEST_F(PathCacheTest, RenamedFolderIsNotFollowed) {
    MakeFile("Outer/Inner/x.txt", "old");
    ASSERT_EQ(ReadFileBytes("C:\\OUTER\\INNER\\X.TXT"), "old");
    fs::rename(OnC("Outer"), OnC("Outer.old"));
    MakeFile("outer/inner/X.txt", "new");
    EXPECT_EQ(ReadFileBytes("C:\\OUTER\\INNER\\X.TXT"), "new");
    EXPECT_EQ(HostPath("C:\\OUTER\\INNER\\X.TXT"), OnC("outer/inner/X.txt"));
}

TEST_F(PathCacheTest, FileRecreatedInAnotherCaseIsFound) {
    MakeFile("dir/File.txt", "1");
    ASSERT_EQ(HostPath("C:\\dir\\file.txt"), OnC("dir/File.txt"));
    fs::remove(OnC("dir/File.txt"));
    MakeFile("dir/FILE.TXT", "2");
    EXPECT_EQ(HostPath("C:\\dir\\file.txt"), OnC("dir/FILE.TXT"));
    EXPECT_EQ(ReadFileBytes("C:\\dir\\File.txt"), "2");
}

// Files created one after another within one clock tick leave the folder with the same change
// times; the listing read in between must not hide the later ones.
TEST_F(PathCacheTest, FilesCreatedInQuickSuccessionAreAllFound) {
    MakeDir("burst");
    for (int i = 0; i < 200; ++i) {
        const std::string name = "file" + std::to_string(i) + ".dat";
        ASSERT_FALSE(FileExists("C:\\BURST\\" + UpperCase(name))) << i;
        MakeFile("burst/" + name);
        ASSERT_TRUE(FileExists("C:\\BURST\\" + UpperCase(name))) << i;
        ASSERT_EQ(FindFiles("C:\\burst\\FILE" + std::to_string(i) + ".*", faAnyFile).size(), 1u) << i;
    }
}

TEST_F(PathCacheTest, DeletedFileIsGone) {
    MakeFile("dir/gone.txt");
    ASSERT_TRUE(FileExists("C:\\dir\\GONE.TXT"));
    fs::remove(OnC("dir/gone.txt"));
    EXPECT_FALSE(FileExists("C:\\dir\\GONE.TXT"));
    EXPECT_EQ(FindFiles("C:\\dir\\*", faAnyFile).size(), 0u);
}

TEST_F(PathCacheTest, TheExactSpellingWinsAmongCaseTwins) {
    MakeFile("twins/abc.txt", "lower");
    MakeFile("twins/ABC.txt", "upper");
    EXPECT_EQ(ReadFileBytes("C:\\twins\\abc.txt"), "lower");
    EXPECT_EQ(ReadFileBytes("C:\\twins\\ABC.txt"), "upper");
    EXPECT_EQ(ReadFileBytes("C:\\twins\\Abc.TXT"), "upper"); // first in byte order
}

TEST_F(PathCacheTest, OwnChangesShowAtOnce) {
    MakeDir("own");
    ASSERT_EQ(FindFiles("C:\\own\\*", faAnyFile).size(), 0u);
    WriteFileBytes("C:\\OWN\\New.txt", "n");
    EXPECT_EQ(FindFiles("C:\\own\\*", faAnyFile).size(), 1u);
    ASSERT_TRUE(RenameFile("C:\\own\\new.txt", "C:\\own\\Renamed.txt"));
    const auto found = FindFiles("C:\\own\\*", faAnyFile);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Name, "Renamed.txt");
    ASSERT_TRUE(DeleteFile("C:\\own\\RENAMED.TXT"));
    EXPECT_EQ(FindFiles("C:\\own\\*", faAnyFile).size(), 0u);
}

TEST_F(PathCacheTest, KnownPathsAreAnsweredFromTheCache) {
    MakeFile("Deep/Er/Still/File.Txt");
    ASSERT_TRUE(FileExists("c:\\deep\\er\\still\\file.txt"));
    const detail::PathCacheStats before = detail::CacheStats();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(FileExists("c:\\deep\\er\\still\\file.txt"));
    const detail::PathCacheStats after = detail::CacheStats();
    EXPECT_EQ(after.pathHits - before.pathHits, 10u);
    EXPECT_EQ(after.listingReads, before.listingReads);
}

TEST_F(PathCacheTest, UnchangedFoldersAreNotReadAgain) {
    MakeFile("still/a.txt");
    struct stat st {};
    ASSERT_EQ(stat(OnC("still").c_str(), &st), 0);
    if (st.st_ctim.tv_nsec == 0)
        GTEST_SKIP() << "this file system keeps whole-second times; listings stay racy for two seconds";
    // Let the folder's last change fall safely behind the clock (a coarse tick is at most 10 ms).
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_FALSE(FileExists("C:\\still\\missing-1"));
    const size_t reads = detail::CacheStats().listingReads;
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(FileExists("C:\\still\\missing-" + std::to_string(i)));
    EXPECT_EQ(FindFiles("C:\\still\\*.txt", faAnyFile).size(), 1u);
    EXPECT_EQ(detail::CacheStats().listingReads, reads);
}

// The racy rule itself, with forged folder times: a listing read while the folder's last change
// was not safely in the past is read again even though the stamp did not change. (On kernels with
// fine-grained change times the burst test above cannot show this; these cases can.)
class DirectoryCacheTest : public PrefixTest {
protected:
    // The folder's real stat with both change times set `ago` before the coarse clock.
    struct stat StatAged(const std::string& dir, std::chrono::nanoseconds ago, bool wholeSeconds) const {
        struct stat st {};
        EXPECT_EQ(stat(dir.c_str(), &st), 0);
        timespec now{};
        clock_gettime(CLOCK_REALTIME_COARSE, &now);
        const auto stamp = std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec) - ago;
        timespec forged{};
        forged.tv_sec = static_cast<time_t>(std::chrono::duration_cast<std::chrono::seconds>(stamp).count());
        forged.tv_nsec = wholeSeconds ? 0 : static_cast<long>((stamp % std::chrono::seconds(1)).count());
        if (!wholeSeconds && forged.tv_nsec == 0)
            forged.tv_nsec = 1;
        st.st_mtim = st.st_ctim = forged;
        return st;
    }
};

TEST_F(DirectoryCacheTest, ListingReadInTheTickOfTheLastChangeIsReadAgain) {
    using namespace std::chrono_literals;
    MakeFile("racy/a.txt");
    const std::string dir = OnC("racy");
    detail::DirectoryCache cache;
    // Stamped a little ahead of the clock, so the read surely starts before the tick of the last
    // change has passed (a stamp of "now" is no longer racy when the clock ticks before the read).
    const struct stat st = StatAged(dir, -1s, /*wholeSeconds=*/false);
    ASSERT_NE(cache.Get(dir, st)->Find("A.TXT"), nullptr);
    MakeFile("racy/b.txt"); // a change the folder's times would not show
    EXPECT_NE(cache.Get(dir, st)->Find("B.TXT"), nullptr);
    EXPECT_EQ(cache.Reads(), 2u);
}

TEST_F(DirectoryCacheTest, ListingOfASettledFolderIsTrustedWhileItsStampHolds) {
    using namespace std::chrono_literals;
    MakeFile("settled/a.txt");
    const std::string dir = OnC("settled");
    detail::DirectoryCache cache;
    const struct stat st = StatAged(dir, 10s, /*wholeSeconds=*/false);
    ASSERT_NE(cache.Get(dir, st), nullptr);
    MakeFile("settled/b.txt");
    // Same stamp: the kept listing answers (a real change would have brought a new stamp).
    EXPECT_EQ(cache.Get(dir, st)->Find("B.TXT"), nullptr);
    EXPECT_EQ(cache.Reads(), 1u);
    EXPECT_NE(cache.Get(dir, StatAged(dir, 5s, /*wholeSeconds=*/false))->Find("B.TXT"), nullptr);
    EXPECT_EQ(cache.Reads(), 2u);
}

TEST_F(DirectoryCacheTest, WholeSecondTimesStayRacyForTwoSeconds) {
    using namespace std::chrono_literals;
    MakeFile("coarse/a.txt");
    const std::string dir = OnC("coarse");
    detail::DirectoryCache cache;
    // Half a second ago, cut to the whole second: at least half a second of racy time is left.
    const struct stat recent = StatAged(dir, 500ms, /*wholeSeconds=*/true);
    cache.Get(dir, recent);
    cache.Get(dir, recent);
    EXPECT_EQ(cache.Reads(), 2u);
    const struct stat old = StatAged(dir, 4s, /*wholeSeconds=*/true);
    cache.Get(dir, old);
    cache.Get(dir, old);
    EXPECT_EQ(cache.Reads(), 3u);
}

TEST_F(PathCacheTest, ResetDropsEverything) {
    MakeFile("x/y.txt");
    ASSERT_TRUE(FileExists("C:\\X\\Y.TXT"));
    ASSERT_GT(detail::CacheStats().pathEntries, 0u);
    ResetPathCache();
    EXPECT_EQ(detail::CacheStats().pathEntries, 0u);
    EXPECT_EQ(detail::CacheStats().listingReads, 0u);
    EXPECT_TRUE(FileExists("C:\\X\\Y.TXT"));
}

TEST_F(PathCacheTest, AFolderReplacedByAFileIsNoFolder) {
    MakeFile("swap/inner/x.txt");
    ASSERT_TRUE(DirectoryExists("C:\\SWAP\\INNER"));
    fs::remove_all(OnC("swap/inner"));
    MakeFile("swap/INNER", "file now");
    EXPECT_FALSE(DirectoryExists("C:\\swap\\inner"));
    EXPECT_TRUE(FileExists("C:\\swap\\inner"));
    EXPECT_FALSE(FileExists("C:\\swap\\inner\\x.txt"));
}

// What a folder shows: each entry's name and short name, in listing order.
std::vector<std::pair<std::string, std::string>> Shown(const std::string& winFolder) {
    std::vector<std::pair<std::string, std::string>> shown;
    for (const SearchRec& rec : FindFiles(winFolder + "\\*", faAnyFile))
        shown.emplace_back(rec.Name, rec.ShortName);
    return shown;
}

// The folder as our updated listing shows it equals the folder read afresh.
void ExpectSameAsFresh(const std::string& winFolder) {
    const auto updated = Shown(winFolder);
    ResetPathCache();
    EXPECT_EQ(updated, Shown(winFolder)) << winFolder;
}

TEST_F(PathCacheTest, CopiedFilesAreFoundAtOnceInAnyCase) {
    MakeFile("src/Source.Dat", "payload");
    MakeDir("dst");
    ASSERT_FALSE(FileExists("C:\\dst\\missing")); // the folder's listing is now kept
    for (int i = 0; i < 60; ++i) {
        const std::string name = "Copy" + std::to_string(i) + ".Dat";
        ASSERT_FALSE(FileExists("C:\\DST\\" + UpperCase(name))) << i;
        ASSERT_TRUE(CopyFile("C:\\src\\source.dat", "C:\\dst\\" + name, /*failIfExists=*/true)) << i;
        EXPECT_TRUE(FileExists("C:\\DST\\" + UpperCase(name))) << i;
        EXPECT_TRUE(FileExists("c:\\dst\\" + LowerCase(name))) << i;
        EXPECT_EQ(HostPath("C:\\DST\\" + UpperCase(name)), OnC("dst/" + name)) << i;
        EXPECT_EQ(FindFiles("C:\\dst\\*.dat", faAnyFile).size(), static_cast<size_t>(i + 1)) << i;
    }
    EXPECT_EQ(ReadFileBytes("C:\\DST\\COPY59.DAT"), "payload");
    // A copy onto an existing name in another case replaces that file and adds no entry.
    ASSERT_TRUE(CopyFile("C:\\src\\source.dat", "C:\\dst\\COPY0.DAT", /*failIfExists=*/false));
    EXPECT_EQ(FindFiles("C:\\dst\\*.dat", faAnyFile).size(), 60u);
    EXPECT_FALSE(CopyFile("C:\\src\\source.dat", "C:\\dst\\copy1.dat", /*failIfExists=*/true));
    ExpectSameAsFresh("C:\\dst");
}

TEST_F(PathCacheTest, CopyKeepsContentsModeAndTime) {
    MakeFile("keep/In.bin", std::string(300000, 'q') + "end");
    const std::string source = OnC("keep/In.bin");
    ASSERT_EQ(chmod(source.c_str(), 0640), 0);
    const timespec times[2] = {{1000000000, 0}, {1234567890, 500}};
    ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    ASSERT_TRUE(CopyFile("C:\\keep\\in.bin", "C:\\keep\\Out.bin", /*failIfExists=*/true));
    EXPECT_EQ(ReadFileBytes("C:\\KEEP\\OUT.BIN"), std::string(300000, 'q') + "end");
    struct stat st {};
    ASSERT_EQ(stat(OnC("keep/Out.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(st.st_mtim.tv_nsec, 500);
    // Overwriting goes through a temporary file that leaves nothing behind.
    MakeFile("keep/Other.bin", "short");
    ASSERT_TRUE(CopyFile("C:\\keep\\other.bin", "C:\\keep\\OUT.BIN", /*failIfExists=*/false));
    EXPECT_EQ(ReadFileBytes("C:\\keep\\out.bin"), "short");
    // A file whose size the system does not know is copied whole all the same.
    ASSERT_TRUE(CopyFile("Z:\\proc\\version", "C:\\keep\\version.txt", /*failIfExists=*/true));
    EXPECT_FALSE(ReadFileBytes("C:\\keep\\version.txt").empty());
    EXPECT_EQ(ReadFileBytes("C:\\keep\\version.txt"), ReadFileBytes("Z:\\proc\\version"));
    EXPECT_EQ(Shown("C:\\keep").size(), 4u);
    ExpectSameAsFresh("C:\\keep");
}

TEST_F(PathCacheTest, WrittenRenamedAndDeletedFilesAreSeenAtOnce) {
    MakeFile("ops/Keep.txt");
    ASSERT_FALSE(FileExists("C:\\ops\\new.txt"));
    WriteFileBytes("C:\\OPS\\New.Txt", "n");
    EXPECT_EQ(HostPath("C:\\ops\\NEW.TXT"), OnC("ops/New.Txt"));
    ASSERT_TRUE(RenameFile("C:\\ops\\new.txt", "C:\\ops\\Renamed.txt"));
    EXPECT_FALSE(FileExists("C:\\ops\\New.Txt"));
    EXPECT_TRUE(FileExists("C:\\OPS\\RENAMED.TXT"));
    // A change of case only.
    ASSERT_TRUE(RenameFile("C:\\ops\\renamed.txt", "C:\\ops\\RENAMED.TXT"));
    EXPECT_EQ(HostPath("C:\\ops\\renamed.txt"), OnC("ops/RENAMED.TXT"));
    // Into another folder whose listing is kept.
    MakeDir("ops2");
    ASSERT_FALSE(FileExists("C:\\ops2\\x"));
    ASSERT_TRUE(RenameFile("C:\\ops\\renamed.txt", "C:\\OPS2\\Moved.txt"));
    EXPECT_FALSE(FileExists("C:\\ops\\renamed.txt"));
    EXPECT_TRUE(FileExists("C:\\ops2\\moved.TXT"));
    ASSERT_TRUE(DeleteFile("C:\\ops\\KEEP.TXT"));
    EXPECT_FALSE(FileExists("C:\\ops\\keep.txt"));
    EXPECT_TRUE(Shown("C:\\ops").empty());
    ASSERT_TRUE(ForceDirectories("C:\\ops\\Sub\\Deeper"));
    EXPECT_TRUE(DirectoryExists("C:\\OPS\\SUB\\DEEPER"));
    EXPECT_EQ(Shown("C:\\ops").size(), 1u);
    ASSERT_TRUE(RemoveDir("C:\\ops\\sub\\deeper"));
    EXPECT_FALSE(DirectoryExists("C:\\ops\\Sub\\Deeper"));
    ExpectSameAsFresh("C:\\ops");
    ExpectSameAsFresh("C:\\ops2");
}

TEST_F(PathCacheTest, ShortNamesStayConsistentAfterOurChanges) {
    MakeFile("sn/Program Files");
    ASSERT_EQ(ShortPathName("C:\\sn\\Program Files"), "C:\\sn\\PROGRA~1");
    // A name sorting before it with the same basis takes ~1 from it.
    WriteFileBytes("C:\\sn\\Program Data", "d");
    EXPECT_EQ(ShortPathName("C:\\sn\\Program Data"), "C:\\sn\\PROGRA~1");
    EXPECT_EQ(ShortPathName("C:\\sn\\Program Files"), "C:\\sn\\PROGRA~2");
    EXPECT_EQ(HostPath("C:\\sn\\PROGRA~2"), OnC("sn/Program Files"));
    ASSERT_TRUE(DeleteFile("C:\\sn\\program data"));
    EXPECT_EQ(ShortPathName("C:\\sn\\Program Files"), "C:\\sn\\PROGRA~1");
    ExpectSameAsFresh("C:\\sn");
}

// A plain 8.3 name equal to a generated short name (only the host can make one: through a Windows
// path that name finds the long file) pushes that file's short name on.
TEST_F(DirectoryCacheTest, AnAddedPlainNameTakesAGeneratedShortName) {
    MakeFile("plain/Long File Name.txt", "long");
    const std::string dir = OnC("plain");
    detail::DirectoryCache cache;
    struct stat before {};
    ASSERT_EQ(stat(dir.c_str(), &before), 0);
    ASSERT_EQ(cache.Get(dir, before)->Find("LONGFI~1.TXT")->hostName, "Long File Name.txt");
    MakeFile("plain/LONGFI~1.TXT", "plain");
    struct stat after {};
    ASSERT_EQ(stat(dir.c_str(), &after), 0);
    cache.Changed(dir, before, after, "LONGFI~1.TXT", detail::DirectoryCache::Change::Added);
    const auto listing = cache.Get(dir, after);
    EXPECT_EQ(listing->Find("LONGFI~1.TXT")->hostName, "LONGFI~1.TXT");
    EXPECT_EQ(listing->Find("long file name.txt")->shortName, "LONGFI~2.TXT");
    EXPECT_EQ(listing->Find("LONGFI~2.TXT")->hostName, "Long File Name.txt");
    fs::remove(OnC("plain/LONGFI~1.TXT"));
    struct stat removed {};
    ASSERT_EQ(stat(dir.c_str(), &removed), 0);
    cache.Changed(dir, after, removed, "LONGFI~1.TXT", detail::DirectoryCache::Change::Removed);
    EXPECT_EQ(cache.Get(dir, removed)->Find("long file name.txt")->shortName, "LONGFI~1.TXT");
}

// Names that differ only in case: the first in host byte order answers, after our additions too.
TEST_F(PathCacheTest, AddedCaseVariantsKeepTheReadOrder) {
    MakeFile("cv/b.txt", "lower");
    ASSERT_TRUE(FileExists("C:\\cv\\B.TXT"));
    ASSERT_TRUE(CopyFile("C:\\cv\\b.txt", "C:\\cv\\other", /*failIfExists=*/true));
    MakeFile("cv/B.txt", "upper"); // behind our back, in the same tick as our copy
    EXPECT_EQ(Shown("C:\\cv").size(), 3u);
    ExpectSameAsFresh("C:\\cv");
}

} // namespace
