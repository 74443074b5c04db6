// Documents written by other people: help sources from several word processors and by hand, and
// ordinary documents. Each must load; in the help sources every topic named by a "#" footnote is
// in the index and shows text.
#include "designer/richtext/Rtfview.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/GuiApplication.h"
#include "tests/support/Scratch.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> RtfFiles(const std::string& dir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() == ".rtf")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class RealDocuments : public testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        plat::EnsureGuiApplication();
    }
    // A copy in a scratch folder, so that the cache is written there and not beside the original.
    static std::string Copy(const fs::path& file) {
        const std::string dir = testing_support::MakeScratchDir("real");
        const std::string copy = dir + "/" + file.filename().string();
        testing_support::WriteHostFile(copy, testing_support::ReadHostFile(file.string()));
        return plat::WinPathOf(copy);
    }
};

TEST_F(RealDocuments, HelpSourcesIndexEveryNamedTopicAndShowItsText) {
    const std::string dir = testing_support::TestDataDir("winhelp-rtf");
    if (dir.empty())
        GTEST_SKIP() << "no outside test data (winhelp-rtf)";
    // "#" footnotes as the files write them, with or without the ignorable-destination mark.
    const std::regex footnote(R"(#\{(\\\*)?\\footnote)");
    const std::regex simpleName(R"(#\{\\footnote \{#\}([^}{\\]+)\})");
    for (const fs::path& file : RtfFiles(dir)) {
        SCOPED_TRACE(file.filename().string());
        const std::string text = testing_support::ReadHostFile(file.string());
        TrtfView view;
        view.Resize(500, 400);
        const std::string rtf = Copy(file);
        view.LoadFile(rtf, rtf.substr(0, rtf.size() - 4) + ".rtc");
        ASSERT_EQ(view.Document.DocumentName, rtf);

        const auto count = std::distance(std::sregex_iterator(text.begin(), text.end(), footnote), {});
        std::set<std::string> names; // a document may name two topics alike
        long named = 0;
        for (const TTopic& t : view.Document.Topics) {
            if (!t.ContextId.empty() && t.ContextId != "Contents") {
                names.insert(t.ContextId);
                ++named;
            }
        }
        EXPECT_EQ(named, count);
        for (auto it = std::sregex_iterator(text.begin(), text.end(), simpleName);
             it != std::sregex_iterator(); ++it)
            EXPECT_TRUE(names.count((*it)[1].str())) << (*it)[1].str();
        for (const std::string& name : names) {
            ASSERT_TRUE(view.ShowTopic(name)) << name;
            const bool hasText = std::any_of(view.Document.Elements.begin(), view.Document.Elements.end(),
                                             [](const auto& e) { return IsTextElement(*e); });
            EXPECT_TRUE(hasText) << name;
            EXPECT_FALSE(view.Lines.empty()) << name;
        }
    }
}

TEST_F(RealDocuments, OrdinaryDocumentsLoadAndShow) {
    const std::string dir = testing_support::TestDataDir("rtf-plain");
    if (dir.empty())
        GTEST_SKIP() << "no outside test data (rtf-plain)";
    for (const fs::path& file : RtfFiles(dir)) {
        SCOPED_TRACE(file.filename().string());
        TrtfView view;
        view.Resize(500, 400);
        const std::string rtf = Copy(file);
        view.LoadFile(rtf, rtf.substr(0, rtf.size() - 4) + ".rtc");
        ASSERT_FALSE(view.Document.Topics.empty());
        view.ShowContents();
        EXPECT_FALSE(view.Lines.empty());
        view.Paint();
    }
}

} // namespace
