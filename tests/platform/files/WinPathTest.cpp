// Windows paths on the host: the prefix and its drives, case-insensitive lookup, cp1251 names,
// the way back from host paths, and the runtime's path-text helpers.
#include "platform/files/WinPath.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Platform.h"
#include "platform/files/Files.h"
#include "platform/text/Cp1251.h"
#include "tests/platform/files/PrefixFixture.h"

#include <unistd.h>

#include <random>

using namespace plat;
using files_test::PrefixTest;
namespace fs = std::filesystem;

namespace {

std::string ErrorOf(std::string_view winPath) {
    try {
        HostPath(winPath);
    } catch (const EFileError& error) {
        return error.Message();
    }
    return "(no error)";
}

using WinPathTest = PrefixTest;

TEST_F(WinPathTest, PrefixIsCreatedWithItsDefaults) {
    EXPECT_TRUE(fs::is_directory(prefix_ + "/drive_c/windows/system"));
    EXPECT_TRUE(fs::is_directory(prefix_ + "/drive_c/Program Files"));
    EXPECT_EQ(fs::read_symlink(prefix_ + "/dosdevices/c:"), "../drive_c");
    EXPECT_EQ(fs::read_symlink(prefix_ + "/dosdevices/z:"), "/");
    EXPECT_EQ(EnsurePrefix(), prefix_);
    EXPECT_TRUE(DirectoryExists(WindowsDirectory()));
    EXPECT_TRUE(DirectoryExists(SystemDirectory()));
    EXPECT_EQ(WindowsDirectory(), "C:\\windows");
    EXPECT_EQ(SystemDirectory(), "C:\\windows\\system");
}

TEST_F(WinPathTest, PrefixKeepsTheUsersOwnDriveLinksAndRepairsMissingFolders) {
    const std::string other = testing_support::MakeScratchDir("elsewhere");
    const std::string prefix = testing_support::MakeScratchDir("custom-prefix");
    fs::create_directories(prefix + "/dosdevices");
    fs::create_directory_symlink(other, prefix + "/dosdevices/c:");
    setenv("VERTALIS_PREFIX", prefix.c_str(), 1);
    ResetPathCache();
    EXPECT_EQ(HostPath("C:\\"), fs::canonical(other).string());
    EXPECT_TRUE(fs::is_directory(prefix + "/drive_c/windows/system")); // defaults made all the same
}

TEST_F(WinPathTest, DrivesMapThroughDosdevices) {
    EXPECT_EQ(HostPath("C:\\"), driveC_);
    EXPECT_EQ(HostPath("c:"), driveC_);
    EXPECT_EQ(HostPath("C:\\windows\\system"), OnC("windows/system"));
    EXPECT_EQ(HostPath("Z:\\"), "/");
    EXPECT_EQ(HostPath("Z:\\tmp"), "/tmp");
    EXPECT_EQ(HostPath("z:/no/such/thing"), "/no/such/thing");

    // Any letter with a link is a drive, noticed without a reset.
    const std::string cd = fs::canonical(testing_support::MakeScratchDir("cdrom")).string();
    testing_support::WriteHostFile(cd + "/setup.inf", "[x]");
    fs::create_directory_symlink(cd, prefix_ + "/dosdevices/d:");
    EXPECT_EQ(HostPath("D:\\SETUP.INF"), cd + "/setup.inf");
    EXPECT_TRUE(FileExists("d:\\Setup.inf"));
}

TEST_F(WinPathTest, UnmappedDrivesAndBrokenLinksGiveClearErrors) {
    const std::string unmapped = ErrorOf("Q:\\data\\x.txt");
    EXPECT_NE(unmapped.find("Q:\\data\\x.txt"), std::string::npos) << unmapped;
    EXPECT_NE(unmapped.find("drive Q: is not mapped"), std::string::npos) << unmapped;

    fs::create_directory_symlink(prefix_ + "/gone", prefix_ + "/dosdevices/e:");
    const std::string broken = ErrorOf("E:\\x");
    EXPECT_NE(broken.find("drive E: maps to a folder that does not exist"), std::string::npos) << broken;

    EXPECT_NE(ErrorOf("\\\\server\\share\\x").find("UNC"), std::string::npos);
    EXPECT_FALSE(FileExists("Q:\\x.txt")); // queries answer "no such file" instead
    EXPECT_FALSE(DirectoryExists("\\\\server\\share"));
}

TEST_F(WinPathTest, LooksUpEveryComponentIgnoringCase) {
    MakeFile("Program Files/Velmora/ReadMe.TXT");
    EXPECT_EQ(HostPath("C:\\PROGRAM FILES\\velmora\\readme.txt"), OnC("Program Files/Velmora/ReadMe.TXT"));
    EXPECT_EQ(HostPath("c:\\WINDOWS\\System\\"), OnC("windows/system"));
    EXPECT_EQ(HostPath("C:\\program files\\..\\Windows\\.\\SYSTEM"), OnC("windows/system"));
    EXPECT_EQ(HostPath("C:\\Program Files.\\Velmora  \\README.TXT. "),
              OnC("Program Files/Velmora/ReadMe.TXT"));
}

TEST_F(WinPathTest, CyrillicNamesMeetTheirUtf8HostNames) {
    MakeFile("Мои документы/Ёлка и ЁЖ.txt", "ёж");
    EXPECT_EQ(HostPath(Ru("C:\\МОИ ДОКУМЕНТЫ\\ёлка И Ёж.TXT")), OnC("Мои документы/Ёлка и ЁЖ.txt"));
    EXPECT_EQ(ReadFileBytes(Ru("c:\\мои документы\\ЁЛКА И ЁЖ.txt")), "ёж");
    // New names are written in UTF-8 as given, so a Linux user sees them as the script wrote them.
    WriteFileBytes(Ru("C:\\мои документы\\Новый файл.txt"), "1");
    EXPECT_TRUE(fs::exists(OnC("Мои документы/Новый файл.txt")));
}

TEST_F(WinPathTest, NamesThatDoNotExistAreKeptAsWritten) {
    EXPECT_EQ(HostPath("C:\\WINDOWS\\NewFolder\\Sub.TXT"), OnC("windows/NewFolder/Sub.TXT"));
    EXPECT_EQ(HostPath("C:\\windows\\system\\..\\..\\Fresh"), OnC("Fresh"));
    ASSERT_TRUE(ForceDirectories("C:\\Windows\\Fonts\\Extra"));
    EXPECT_TRUE(fs::is_directory(OnC("windows/Fonts/Extra")));
    EXPECT_FALSE(fs::exists(OnC("Windows"))); // the existing "windows" was used, not a twin
}

TEST_F(WinPathTest, NamesOverTheLimitAndBadCharactersAreRefused) {
    EXPECT_NE(ErrorOf("C:\\" + std::string(300, 'x')).find("longer than 255"), std::string::npos);
    EXPECT_NE(ErrorOf("C:\\a>b").find("'>'"), std::string::npos);
    EXPECT_NE(ErrorOf("relative\\name").find("no drive letter"), std::string::npos);
    // 255 cp1251 bytes are fine for Windows; the host may still refuse its longer UTF-8 form.
    const std::string cyrillic(255, '\xC0');
    EXPECT_FALSE(FileExists("C:\\" + cyrillic));
    EXPECT_THROW(WriteFileBytes("C:\\" + cyrillic, "x"), EFileError);
}

TEST_F(WinPathTest, VeryDeepPathsAreNamedWithoutTrouble) {
    std::string deep = "C:";
    std::string expected = driveC_;
    for (int i = 0; i < 20000; ++i) {
        deep += "\\Level";
        expected += "/Level";
    }
    EXPECT_EQ(HostPath(deep), expected);
    EXPECT_FALSE(FileExists(deep));
    MakeFile("blocker");
    EXPECT_FALSE(ForceDirectories("C:\\blocker" + deep.substr(2))); // a file is in the way
}

TEST_F(WinPathTest, HostPathsGetWindowsNames) {
    EXPECT_EQ(WinPathOf(OnC("windows/system")), "C:\\windows\\system");
    EXPECT_EQ(WinPathOf(driveC_), "C:\\");
    EXPECT_EQ(WinPathOf(driveC_ + "/"), "C:\\");
    EXPECT_EQ(WinPathOf("/home/a/cd"), "Z:\\home\\a\\cd");
    EXPECT_EQ(WinPathOf("/"), "Z:\\");
    EXPECT_EQ(WinPathOf("/home//a/./b/../cd"), "Z:\\home\\a\\cd");
    EXPECT_EQ(WinPathOf(OnC("Мои документы/файл.txt")), Ru("C:\\Мои документы\\файл.txt"));
    // Through the links and the unresolved prefix spelling as well.
    EXPECT_EQ(WinPathOf(prefix_ + "/dosdevices/c:/windows"), "C:\\windows");
    EXPECT_EQ(WinPathOf(prefix_ + "/drive_c/Program Files/x"), "C:\\Program Files\\x");
    // Characters outside cp1251 have no Windows spelling.
    EXPECT_EQ(WinPathOf("/tmp/\xE4\xB8\xAD.txt"), "Z:\\tmp\\?.txt");
}

TEST_F(WinPathTest, TheLongestDriveRootWins) {
    fs::create_directory_symlink("../drive_c/windows", prefix_ + "/dosdevices/w:");
    EXPECT_EQ(WinPathOf(OnC("windows/system")), "W:\\system");
    EXPECT_EQ(WinPathOf(OnC("Program Files")), "C:\\Program Files");
}

TEST_F(WinPathTest, RelativeHostPathsStartInTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(driveC_);
    EXPECT_EQ(WinPathOf("windows/system"), "C:\\windows\\system");
    fs::current_path(before);
}

TEST_F(WinPathTest, WindowsAndHostNamesRoundTrip) {
    MakeFile("Program Files/Velmora/models/pl01.mdl");
    MakeFile("Мои документы/Платье.bmp");
    for (const std::string& win :
         {std::string("C:\\program files\\VELMORA\\Models\\PL01.MDL"), Ru("C:\\мои документы\\платье.BMP"),
          std::string("C:\\windows\\system"), std::string("Z:\\tmp")}) {
        const std::string back = WinPathOf(HostPath(win));
        EXPECT_TRUE(SameText(back, win)) << back << " for " << win;
    }
}

TEST_F(WinPathTest, ResetFollowsANewPrefix) {
    const std::string first = HostPath("C:\\");
    const std::string other = testing_support::MakeScratchDir("second-prefix");
    setenv("VERTALIS_PREFIX", other.c_str(), 1);
    ResetPathCache();
    EXPECT_EQ(HostPath("C:\\"), fs::canonical(other + "/drive_c").string());
    EXPECT_NE(HostPath("C:\\"), first);
    EXPECT_TRUE(fs::is_directory(other + "/drive_c/windows/system"));
}

class FakePlatform : public Platform {
public:
    explicit FakePlatform(std::string prefix) : prefix_(std::move(prefix)) {}
    std::string PrefixFolder() const override { return prefix_; }

private:
    std::string prefix_;
};

TEST_F(WinPathTest, AnInstalledPlatformBringsItsOwnPrefix) {
    const std::string fakePrefix = testing_support::MakeScratchDir("fake-prefix");
    FakePlatform fake(fakePrefix);
    {
        PlatformGuard guard(fake);
        EXPECT_EQ(HostPath("C:\\"), fs::canonical(fakePrefix + "/drive_c").string());
    }
    EXPECT_EQ(HostPath("C:\\"), driveC_);
}

struct TextCase {
    const char* path;
    const char* filePath;
    const char* fileName;
    const char* fileExt;
};

TEST(WinPathText, SplitsLikeTheRuntime) {
    const TextCase cases[] = {
        {"C:\\dir\\file.txt", "C:\\dir\\", "file.txt", ".txt"},
        {"C:file.txt", "C:", "file.txt", ".txt"},
        {"file", "", "file", ""},
        {"C:\\dir.d\\file", "C:\\dir.d\\", "file", ""},
        {"C:\\dir\\", "C:\\dir\\", "", ""},
        {"archive.tar.gz", "", "archive.tar.gz", ".gz"},
        {".bashrc", "", ".bashrc", ".bashrc"},
        {"name.", "", "name.", "."},
        {"\\\\server\\share\\x.y", "\\\\server\\share\\", "x.y", ".y"},
        {"a/b.c", "", "a/b.c", ".c"}, // "/" is no separator for these
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.path), c.filePath) << c.path;
        EXPECT_EQ(ExtractFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(ExtractFileExt(c.path), c.fileExt) << c.path;
    }
}

TEST(WinPathText, AddsAndRemovesOneTrailingBackslash) {
    EXPECT_EQ(IncludeTrailingBackslash("C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\dir\\"), "C:\\dir");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\"), "C:");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\dir\\\\"), "C:\\dir\\");
    EXPECT_EQ(ExcludeTrailingBackslash(""), "");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\a") + "b", "C:\\a\\b");
}

// Every entry point takes any bytes without crashing (the sanitizer build checks memory).
TEST_F(WinPathTest, ArbitraryBytesNeverCrash) {
    MakeFile("Program Files/Long Name Here.text");
    const std::string alphabet =
        std::string("\\/:.* ?<>|\"~aZ\xC0\xE0\xA8\x98\x01", 19) + std::string(1, '\0');
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::string path = round % 2 ? "C:\\" : "";
        const size_t length = random() % 40;
        for (size_t i = 0; i < length; ++i)
            path += alphabet[random() % alphabet.size()];
        try {
            HostPath(path);
        } catch (const EFileError&) {
        }
        FileExists(path);
        DirectoryExists(path);
        FileGetAttr(path);
        ShortPathName(path);
        FindFiles(path, faAnyFile);
        MatchesMask(path, path.substr(path.size() / 2));
        ExtractFileExt(path);
        DiskFree(path);
    }
}

} // namespace
