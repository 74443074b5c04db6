// Windows path names as text: normalisation, refusals and their messages, search-mask splitting.
#include "platform/files/PathName.h"

#include "platform/core/Exceptions.h"
#include "platform/text/Cp1251.h"

#include <gtest/gtest.h>

using namespace plat;
using namespace plat::detail;

namespace {

struct NormalCase {
    const char* path;
    const char* normalized;
};

TEST(PathName, NormalisesAsWindowsDoes) {
    const NormalCase cases[] = {
        {"C:\\", "C:\\"},
        {"c:", "C:\\"},
        {"C:\\windows\\system", "C:\\windows\\system"},
        {"C:/windows/system/", "C:\\windows\\system"},            // "/" separates too
        {"C:\\\\windows\\\\\\system\\\\", "C:\\windows\\system"}, // empty components
        {"C:\\.\\windows\\.", "C:\\windows"},
        {"C:\\a\\b\\..\\c", "C:\\a\\c"},
        {"C:\\..\\..\\a", "C:\\a"}, // never above the root
        {"C:\\a\\..\\..\\..", "C:\\"},
        {"C:\\name. . .\\file.txt.", "C:\\name\\file.txt"}, // trailing dots and blanks
        {"C:\\ lead\\x", "C:\\ lead\\x"},                   // leading blanks stay
        {"C:\\...\\a\\   \\b", "C:\\a\\b"},                 // only dots and blanks: gone
        {"C:windows", "C:\\windows"},                       // no current folder per drive
        {"z:\\home\\a\\cd", "Z:\\home\\a\\cd"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseWinPath(c.path).Normalized(), c.normalized) << c.path;
}

TEST(PathName, KeepsCyrillicBytes) {
    const WinPathParts parts = ParseWinPath(Ru("C:\\Мои документы\\Ёлка.txt"));
    ASSERT_EQ(parts.components.size(), 2u);
    EXPECT_EQ(parts.components[1], Ru("Ёлка.txt"));
}

struct RefusedCase {
    std::string path;
    const char* reasonPart;
};

TEST(PathName, RefusesWhatCannotNameAFileWithAClearMessage) {
    const RefusedCase cases[] = {
        {"", "empty"},
        {"\\\\server\\share\\file.txt", "UNC"},
        {"//server/share", "UNC"},
        {"\\\\?\\C:\\x", "UNC"},
        {"\\windows", "no drive letter"},
        {"windows\\system", "no drive letter"},
        {"1:\\x", "no drive letter"},
        {"C:\\a<b", "'<'"},
        {"C:\\a\\b|c", "'|'"},
        {"C:\\what?", "'?'"},
        {"C:\\star*", "'*'"},
        {"C:\\x:y", "':'"},
        {"C:\\q\"q", "'\"'"},
        {std::string("C:\\tab\there"), "control character 0x09"},
        {std::string("C:\\nul\0x", 8), "control character 0x00"},
        {"C:\\" + std::string(256, 'a'), "longer than 255"},
    };
    for (const auto& c : cases) {
        try {
            ParseWinPath(c.path);
            ADD_FAILURE() << "accepted " << c.path;
        } catch (const EFileError& error) {
            const std::string message = error.Message();
            EXPECT_NE(message.find("Invalid path"), std::string::npos) << message;
            EXPECT_NE(message.find(c.reasonPart), std::string::npos) << message;
        }
    }
}

TEST(PathName, LengthLimitCountsAfterTrailingDotsGo) {
    EXPECT_NO_THROW(ParseWinPath("C:\\" + std::string(255, 'a')));
    EXPECT_NO_THROW(ParseWinPath("C:\\" + std::string(255, 'a') + "...")); // dots dropped first
    EXPECT_THROW(ParseWinPath("C:\\" + std::string(256, 'a') + "\\x"), EFileError);
}

TEST(PathName, MessagesShortenVeryLongPaths) {
    const std::string path = "C:\\" + std::string(5000, 'a');
    try {
        ParseWinPath(path);
        FAIL();
    } catch (const EFileError& error) {
        EXPECT_LT(error.Message().size(), 500u);
    }
}

TEST(PathName, SplitsMasks) {
    std::string folder, mask;
    ASSERT_TRUE(SplitMask("C:\\models\\pl*.mdl", folder, mask));
    EXPECT_EQ(folder, "C:\\models\\");
    EXPECT_EQ(mask, "pl*.mdl");
    ASSERT_TRUE(SplitMask("C:*.*", folder, mask));
    EXPECT_EQ(folder, "C:");
    EXPECT_EQ(mask, "*.*");
    ASSERT_TRUE(SplitMask("C:/a/?.txt", folder, mask));
    EXPECT_EQ(mask, "?.txt");
    EXPECT_FALSE(SplitMask("C:\\dir\\", folder, mask));  // no name part
    EXPECT_FALSE(SplitMask("*.txt", folder, mask));      // no folder
    EXPECT_FALSE(SplitMask("C:\\a\\b|c", folder, mask)); // a character no mask holds
}

} // namespace
