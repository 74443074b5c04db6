#include "setup/install/WordIntegration.h"
#include "setup/script/SetupContext.h"
#include "setup/wizard/WizardFlow.h"

#include <gtest/gtest.h>
#include <vector>

namespace setup {
namespace {

using P = WizardPage;

// A wizard over `scripts` as the window drives it: the Word page's work decides UsesWord from
// the selected scripts, as the real page does.
struct Harness {
    explicit Harness(std::vector<ScriptEntry> s) : scripts(std::move(s)) {
        flow = std::make_unique<WizardFlow>(scripts.size() > 1, WizardHooks{
            [this](WizardPage page) {
                entered.push_back(page);
                if (page == P::Word)
                    word.NeedsWord(scripts);
            },
            [this] { return word.UsesWord(); },
            [this] { return spaceOk; }});
    }
    std::vector<ScriptEntry> scripts;
    WordIntegration word;
    std::vector<WizardPage> entered;
    bool spaceOk = true;
    std::unique_ptr<WizardFlow> flow;
};

std::vector<ScriptEntry> Scripts(int packages, unsigned wordMask, unsigned selectedMask) {
    std::vector<ScriptEntry> scripts(static_cast<size_t>(packages) + 1);
    for (size_t i = 0; i < scripts.size(); ++i) {
        std::vector<std::string> files = {"Velmora.exe=%HDPATH%\\Velmora.exe"};
        if (wordMask & (1u << i))
            files.push_back("doll.dot=%WINWORDTEMPLATES%\\doll.dot");
        scripts[i].Params.SetLines("ListFiles", files);
        scripts[i].Selected = i == 0 || (selectedMask & (1u << (i - 1)));
    }
    return scripts;
}

TEST(WizardFlowTest, NextAndBackVisitExactlyThePagesThatApplyForEveryPackageAndWordCombination) {
    for (int packages = 0; packages <= 2; ++packages)
        for (unsigned wordMask = 0; wordMask < (1u << (packages + 1)); ++wordMask)
            for (unsigned selected = 0; selected < (1u << packages); ++selected) {
                SCOPED_TRACE(testing::Message() << packages << " packages, Word macro mask " << wordMask
                                                << ", selected " << selected);
                bool wordNeeded = wordMask & 1u;
                for (int p = 1; p <= packages; ++p)
                    wordNeeded = wordNeeded || ((wordMask & (1u << p)) && (selected & (1u << (p - 1))));
                std::vector<P> shown = {P::Welcome, P::License, P::User};
                if (packages > 0)
                    shown.push_back(P::Custom);
                if (wordNeeded)
                    shown.push_back(P::Word);
                shown.insert(shown.end(), {P::Directory, P::Group, P::Copying});

                Harness h(Scripts(packages, wordMask, selected));
                h.flow->Start();
                std::vector<P> forward = {h.flow->Current()};
                while (h.flow->Current() != P::Copying)
                    h.flow->Next(), forward.push_back(h.flow->Current());
                EXPECT_EQ(forward, shown);
                // Every page was entered on the way, the skipped ones included.
                EXPECT_EQ(h.entered.size(), 8u);

                Harness back(Scripts(packages, wordMask, selected));
                back.flow->Start();
                while (back.flow->Current() != P::Group)
                    back.flow->Next();
                std::vector<P> backward = {back.flow->Current()};
                while (back.flow->Current() != P::Welcome)
                    back.flow->Back(), backward.push_back(back.flow->Current());
                std::vector<P> expectedBack(shown.rbegin() + 1, shown.rend());
                EXPECT_EQ(backward, expectedBack);
            }
}

TEST(WizardFlowTest, TheWordPageFollowsTheCurrentPackageChoice) {
    Harness h(Scripts(1, /*word in the package*/ 2u, 1u));
    h.flow->Start();
    for (int i = 0; i < 4; ++i)
        h.flow->Next();
    EXPECT_EQ(h.flow->Current(), P::Word);
    h.flow->Back();
    EXPECT_EQ(h.flow->Current(), P::Custom);
    h.scripts[1].Selected = false; // the box of the package cleared
    h.flow->Next();
    EXPECT_EQ(h.flow->Current(), P::Directory);
    h.scripts[1].Selected = true;
    h.flow->Back();
    EXPECT_EQ(h.flow->Current(), P::Word) << "going back re-decides on the Word page";
}

TEST(WizardFlowTest, UserPageNeedsANameAndDirectoryKeepsTheUserWithoutSpace) {
    Harness h(Scripts(0, 0, 0));
    h.flow->Start();
    h.flow->Next();
    h.flow->Next();
    ASSERT_EQ(h.flow->Current(), P::User);
    h.flow->SetUserNameEmpty(true);
    EXPECT_FALSE(h.flow->Buttons().NextEnabled);
    h.flow->Next();
    EXPECT_EQ(h.flow->Current(), P::User);
    h.flow->SetUserNameEmpty(false);
    EXPECT_TRUE(h.flow->Buttons().NextEnabled);
    h.flow->Next();
    ASSERT_EQ(h.flow->Current(), P::Directory);
    h.spaceOk = false;
    h.flow->Next();
    EXPECT_EQ(h.flow->Current(), P::Directory);
    h.flow->Back();
    EXPECT_EQ(h.flow->Current(), P::User) << "Back needs no space";
}

TEST(WizardFlowTest, ButtonsCancelAndCloseFollowThePage) {
    Harness h(Scripts(0, 0, 0));
    h.flow->Start();
    WizardButtons b = h.flow->Buttons();
    EXPECT_FALSE(b.BackEnabled);
    EXPECT_EQ(b.NextCaption, "NameNext");
    EXPECT_EQ(h.flow->CancelAction(), WizardExit::EndNow);
    h.flow->Next();
    b = h.flow->Buttons();
    EXPECT_TRUE(b.BackEnabled);
    EXPECT_EQ(b.NextCaption, "NameYes");
    EXPECT_EQ(b.CancelCaption, "NameNo");
    EXPECT_EQ(h.flow->CancelAction(), WizardExit::EndNow) << "No on the licence ends at once";
    while (h.flow->Current() != P::Copying)
        h.flow->Next();
    h.flow->SetInstalling(true);
    b = h.flow->Buttons();
    EXPECT_FALSE(b.BackVisible);
    EXPECT_FALSE(b.NextVisible);
    EXPECT_EQ(h.flow->CancelAction(), WizardExit::AbortRequest);
    EXPECT_EQ(h.flow->CloseAction(), WizardExit::AbortRequest);
    h.flow->Back();
    h.flow->Next();
    EXPECT_EQ(h.flow->Current(), P::Copying) << "no page change while the run goes on";
    h.flow->InstallDone();
    EXPECT_EQ(h.flow->Current(), P::Finish);
    b = h.flow->Buttons();
    EXPECT_TRUE(b.CancelDefault);
    EXPECT_EQ(b.CancelCaption, "NameFinish");
    EXPECT_EQ(h.flow->CancelAction(), WizardExit::FinishActions);
    EXPECT_EQ(h.flow->CloseAction(), WizardExit::EndNow) << "the close box skips the Finish actions";
    EXPECT_STREQ(PageName(P::Directory), "Directory");
}

} // namespace
} // namespace setup
