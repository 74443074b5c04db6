// Loading a garment description into a pane: the common description "resource\describe" stands in
// when the garment's own cannot be loaded, found case-insensitively in the data folder, with its
// size words and fonts treated like any description.
#include "designer/richtext/RtfScale.h"

#include "designer/shell/Settings.h"
#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/GuiApplication.h"
#include "tests/support/Scratch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string Words(const TrtfView& view) {
    std::string words;
    for (const auto& e : view.Document.Elements) {
        if (IsTextElement(*e))
            words += static_cast<TRTFText&>(*e).Text + " ";
    }
    return words;
}

std::string Description(const std::string& context, const std::string& text) {
    return "{\\rtf1{\\fonttbl{\\f1 Serif;}}#{\\footnote " + context + "}\\plain\\f1 " + text + "\\par}";
}

// A file that exists but cannot be opened for reading, whoever runs the test: a socket.
bool MakeSocketFile(const std::string& hostPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (hostPath.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, hostPath.c_str(), hostPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd); // the socket file stays behind
    return bound;
}

class RtfScaleTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        plat::EnsureGuiApplication();
    }

    RtfScaleTest() {
        hostDir = testing_support::MakeScratchDir("cd");
        Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(hostDir));
        // Spelled otherwise than the program asks for it ("resource\describe").
        testing_support::WriteHostFile(hostDir + "/Resource/Describe.rtf",
                                       Description("describe", "Common !X4 cm"));
        testing_support::WriteHostFile(hostDir + "/models/coat.rtf", Description("coat", "Coat !X2 cm"));
        pane.Resize(300, 100);
    }

    void Load(const std::string& baseName) {
        LoadDescriptionFile(pane, baseName, "Vizo", 5, TDollFactors{2.0, 1.0});
    }

    std::string hostDir;
    TRtfViewScale pane;
};

TEST_F(RtfScaleTest, MissingOwnDescriptionShowsTheCommonOneNotThePreviousGarments) {
    Load("models\\coat");
    EXPECT_EQ(Words(pane), "Coat 4 cm ");
    Load("models\\hat");
    EXPECT_EQ(Words(pane), "Common 8 cm ");
    EXPECT_EQ(pane.Document.CurrentTopicName, "describe");
    EXPECT_EQ(pane.Document.Fonts.at(1)->Font.Name, "Vizo");
    EXPECT_EQ(pane.PrintMarginLeft, 5);
    EXPECT_EQ(pane.Lines.size(), 1u);
    EXPECT_TRUE(plat::FileExists(Settings().CDPath + "resource\\describe.rtc")); // its index cache
}

TEST_F(RtfScaleTest, OwnDescriptionThatFailsToOpenFallsBackToTheCommonOne) {
    ASSERT_TRUE(MakeSocketFile(hostDir + "/models/dress.rtf"));
    TrtfView probe;
    ASSERT_THROW(
        probe.LoadFile(Settings().CDPath + "models\\dress.rtf", Settings().CDPath + "models\\dress.rtc"),
        plat::Exception);
    Load("models\\coat");
    Load("models\\dress");
    EXPECT_EQ(Words(pane), "Common 8 cm ");
    EXPECT_EQ(pane.Document.Fonts.at(1)->SavedName, "Serif");
}

TEST_F(RtfScaleTest, WithoutTheCommonDescriptionTheLastOneStays) {
    std::remove((hostDir + "/Resource/Describe.rtf").c_str());
    Load("models\\coat");
    Load("models\\hat");
    EXPECT_EQ(Words(pane), "Coat 4 cm ");
    ASSERT_TRUE(MakeSocketFile(hostDir + "/Resource/describe.rtf"));
    EXPECT_THROW(Load("models\\hat"), plat::Exception); // the fallback's own error reaches the caller
    EXPECT_EQ(Words(pane), "Coat 4 cm ");
}

} // namespace
