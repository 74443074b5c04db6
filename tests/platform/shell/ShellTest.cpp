// Shell services: command lines, processes, shortcut files and desktop entries, library
// registration, folder opening and file versions.
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/shell/FileVersion.h"
#include "platform/shell/Library.h"
#include "platform/shell/Process.h"
#include "platform/shell/ShellLink.h"
#include "platform/shell/ShellOpen.h"
#include "tests/platform/shell/PeBuilder.h"
#include "tests/support/Scratch.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string WinDir(const std::string& host) {
    return plat::ExcludeTrailingBackslash(plat::WinPathOf(host));
}

TEST(CommandLine, SplitsByThePlatformRules) {
    struct Case {
        const char* Line;
        const char* Program;
        std::vector<std::string> Args;
    };
    const Case cases[] = {
        {"", "", {}},
        {"   ", "", {}},
        {"prog a b", "prog", {"a", "b"}},
        {"\"C:\\Program Files\\x.exe\" \"a b\" c", "C:\\Program Files\\x.exe", {"a b", "c"}},
        {"\"C:\\open", "C:\\open", {}},
        {"p \"unbalanced arg", "p", {"unbalanced arg"}},
        {"p a\\\\\"b c\"", "p", {"a\\b c"}},
        {"p a\\\"b", "p", {"a\"b"}},
        {"p C:\\dir\\", "p", {"C:\\dir\\"}},
        {"p \"\"", "p", {""}},
        {"p \"say \"\"hi\"\"\"", "p", {"say \"hi\""}},
    };
    for (const Case& c : cases) {
        plat::ParsedCommandLine parsed = plat::ParseCommandLine(c.Line);
        EXPECT_EQ(parsed.Program, c.Program) << c.Line;
        EXPECT_EQ(parsed.Arguments, c.Args) << c.Line;
    }
}

TEST(Process, RunsAScriptWithMappedArgumentsAndWaits) {
    std::string dir = testing_support::MakeScratchDir("proc");
    testing_support::WriteHostFile(
        dir + "/with blank/tool.exe",
        "#!/bin/sh\nsleep 0.05\nif [ -n \"$1\" ]; then echo \"$1|$2\" > \"$1.out\"; fi\nexit 3\n");
    std::string win = WinDir(dir);
    int pumps = 0;
    // No execute bit: run through the shell. Unquoted program with a blank: found word by word.
    plat::ProcessResult result =
        plat::RunAndWait(win + "\\with blank\\tool.exe " + win + "\\result plain", [&] { ++pumps; });
    EXPECT_TRUE(result.Started);
    EXPECT_EQ(result.ExitCode, 3);
    EXPECT_GT(pumps, 0);
    EXPECT_EQ(testing_support::ReadHostFile(dir + "/result.out"), dir + "/result|plain\n");

    EXPECT_FALSE(plat::RunAndWait(win + "\\missing.exe", nullptr).Started);
    // An unbalanced quote: the program is the rest of the line.
    EXPECT_EQ(plat::RunAndWait("\"" + win + "\\with blank\\tool.exe", nullptr).ExitCode, 3);
    EXPECT_FALSE(plat::RunAndWait("no-such-program-anywhere", nullptr).Started);
    EXPECT_FALSE(plat::RunAndWait("", nullptr).Started);
}

TEST(ShellLink, SavedLinksReadBackAndGetDesktopEntries) {
    std::string dir = testing_support::MakeScratchDir("links");
    std::string win = WinDir(dir);
    plat::ShellLink link{"C:\\Program Files\\P\\p.exe", "/x \"C:\\Program Files\\P\\a b.txt\" 100%",
                         "C:\\Program Files\\P", "C:\\Program Files\\P\\p.ico", 0};
    std::string path = win + "\\Group\\\xcf\xf0\xee\xe3.lnk"; // Прог
    ASSERT_TRUE(plat::ForceDirectories(win + "\\Group"));
    ASSERT_TRUE(plat::SaveShellLink(path, link));
    auto loaded = plat::LoadShellLink(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Target, link.Target);
    EXPECT_EQ(loaded->Arguments, link.Arguments);
    EXPECT_EQ(loaded->WorkingDirectory, link.WorkingDirectory);
    EXPECT_EQ(loaded->IconFile, link.IconFile);

    std::string entryPath = plat::DesktopEntryPath(path);
    EXPECT_EQ(std::filesystem::path(entryPath).filename(), "vertalis-Group-Прог.desktop");
    std::string entry = testing_support::ReadHostFile(entryPath);
    std::string host = plat::HostPath("C:\\Program Files\\P");
    EXPECT_NE(entry.find("Name=Прог\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Exec=\"" + host + "/p.exe\" /x \"" + host + "/a b.txt\" \"100%%\"\n"),
              std::string::npos)
        << entry;
    EXPECT_EQ(entry.find("Icon="), std::string::npos); // the icon file does not exist

    // An icon shows in the menu only from a picture: a program as its own icon gives no Icon=.
    ASSERT_TRUE(plat::ForceDirectories(win + "\\P"));
    plat::WriteFileBytes(win + "\\P\\p.exe", "MZ");
    plat::WriteFileBytes(win + "\\P\\p.png", "\x89PNG");
    plat::ShellLink ownIcon{win + "\\P\\p.exe", "", win + "\\P", win + "\\P\\p.exe", 0};
    ASSERT_TRUE(plat::SaveShellLink(win + "\\own.lnk", ownIcon));
    EXPECT_EQ(testing_support::ReadHostFile(plat::DesktopEntryPath(win + "\\own.lnk")).find("Icon="), std::string::npos);
    plat::ShellLink picture = ownIcon;
    picture.IconFile = win + "\\P\\p.PNG";
    ASSERT_TRUE(plat::SaveShellLink(win + "\\pic.lnk", picture));
    EXPECT_NE(testing_support::ReadHostFile(plat::DesktopEntryPath(win + "\\pic.lnk")).find("Icon=" + dir + "/P/p.png\n"),
              std::string::npos);

    plat::ShellLink bad = link;
    bad.Arguments = "a\r\nTarget=evil";
    EXPECT_FALSE(plat::SaveShellLink(win + "\\bad.lnk", bad));
    EXPECT_FALSE(plat::SaveShellLink(win + "\\" + std::string(300, 'n') + ".lnk", link));
    plat::WriteFileBytes(win + "\\other.lnk", "L\0\0\0");
    EXPECT_FALSE(plat::LoadShellLink(win + "\\other.lnk"));
    EXPECT_EQ(plat::QuoteDesktopExecArg("a\\b$"), "\"a\\\\b\\$\"");
}

TEST(Library, FilesThatAreNoLibrariesDoNotLoad) {
    std::string dir = testing_support::MakeScratchDir("lib");
    testing_support::WriteHostFile(dir + "/x.dll", "not a library");
    EXPECT_EQ(plat::CallRegisterServer(WinDir(dir) + "\\x.dll"), plat::RegisterResult::NotLoaded);
    EXPECT_EQ(plat::CallRegisterServer(WinDir(dir) + "\\missing.dll"), plat::RegisterResult::NotLoaded);
}

TEST(ShellOpen, UsesTheInstalledOpener) {
    std::vector<std::string> opened;
    plat::FolderOpener previous = plat::SetFolderOpener([&](const std::string& host) {
        opened.push_back(host);
        return true;
    });
    EXPECT_TRUE(plat::OpenFolder("C:\\windows"));
    EXPECT_FALSE(plat::OpenFolder("\\\\server\\share"));
    plat::SetFolderOpener(previous);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], plat::HostPath("C:\\windows"));
}

TEST(FileVersion, ReadsTheFixedVersionAndRejectsDamage) {
    std::string pe = testing_support::MakePeWithVersion(1, 2, 3, 65535);
    auto version = plat::ReadFileVersion(pe);
    ASSERT_TRUE(version);
    EXPECT_EQ(*version, (plat::FileVersion{1, 2, 3, 65535}));
    EXPECT_FALSE(plat::ReadFileVersion(""));
    EXPECT_FALSE(plat::ReadFileVersion("MZ"));
    const size_t versionEnd = 0x200 + 88 + 92; // everything past it is padding
    EXPECT_TRUE(plat::ReadFileVersion(pe.substr(0, versionEnd)));
    for (size_t cut = 0; cut < versionEnd; cut += 7)
        EXPECT_FALSE(plat::ReadFileVersion(pe.substr(0, cut))) << cut;
    const std::pair<size_t, uint32_t> damage[] = {
        {0x3C, 0xFFFFFFF0u},                 // PE header offset past the end
        {70, 0xFFFF},                        // section count
        {0x200 + 20, 0x80000000u | 0xFFFFF}, // subdirectory past the end
        {0x200 + 72, 0x5000},                // data RVA in no section
        {0x200 + 88 + 40, 0},                // fixed-info signature
    };
    for (const auto& [offset, value] : damage) {
        std::string broken = pe;
        testing_support::PutLe(broken, offset, value, offset == 70 ? 2 : 4);
        EXPECT_FALSE(plat::ReadFileVersion(broken)) << offset;
    }
}

} // namespace
