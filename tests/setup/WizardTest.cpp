// The wizard's window offscreen, driven through its named controls with synthetic clicks and
// typing: whole installations of a scratch CD, the page skips, the space check, Cancel and the
// close box during the run.
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Synthetic.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WindowFrame.h"
#include "setup/install/Installer.h"
#include "setup/script/Macros.h"
#include "setup/script/ScriptFile.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/setup/WizardTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace setup {
namespace {

using setup_test::Boxes;
using setup_test::Find;
using setup_test::Press;

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        setup_test::FreshPrefix();
        cd = setup_test::MakeFolder("cd");
        cd.Put("readme.txt", std::string(3000, 'r'));
        cd.Put("data/a.dat", std::string(5000, 'a'));
        cd.Put("vtuninst.exe", "uninstaller");
        cd.Put("extra.txt", "extra");
        cd.Put("doll.dot", "template");
        cd.Put("tools/wait.exe", "#!/bin/sh\nsleep 0.3\n");
        std::filesystem::permissions(cd.Host + "/tools/wait.exe", std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
        main.SetText("ProductName", "Velmora");
        main.SetText("InternalName", "Velmora");
        main.SetText("FirmName", "Vertalis");
        main.SetText("SetupText", "Velmora Setup");
        main.SetText("GroupName", "Velmora");
        main.SetText("FlagText1", "Full");
        main.SetText("Flag1", "full");
        main.SetLines("Memo3", {"Copying into %HDPATH%"});
        main.SetLines("ListFiles", {"readme.txt=%HDPATH%", "data\\*.dat=%HDPATH%\\data\\"});
        main.SetLines("RegList", {"[HKEY_CURRENT_USER\\Software\\Vertalis\\Velmora\\Options]", "\"Flag\"=\"%FLAG%\""});
    }

    void WriteScripts(int packages) {
        SaveScript(main, cd.Win + "\\setup.inf");
        if (packages >= 1) {
            SetupParams extras;
            extras.SetText("ProductName", "Extras");
            extras.SetLines("ListFiles", {"extra.txt=%HDPATH%\\extras\\"});
            extras.SetLines("RegList", {"[HKEY_CURRENT_USER\\Software\\Vertalis\\Extras]", "\"On\"=\"yes\""});
            SaveScript(extras, cd.Win + "\\setup0.inf");
        }
        if (packages >= 2) {
            SetupParams word;
            word.SetText("ProductName", "Word templates");
            word.SetLines("ListFiles", {"doll.dot=%WINWORDTEMPLATES%\\doll.dot"});
            SaveScript(word, cd.Win + "\\setup1.inf");
        }
    }

    std::unique_ptr<TDialogForm> Open(int packages, std::vector<std::string> args = {"/NOGROUP"}) {
        WriteScripts(packages);
        context = std::make_unique<SetupContext>();
        context->Discover(args, cd.Win + "\\");
        auto wizard = std::make_unique<TDialogForm>(*context, args);
        wizard->PhasePauses = false;
        wizard->FormShow();
        return wizard;
    }

    // Next until the page is reached, typing a name on the User page.
    void NextUntil(TDialogForm& wizard, WizardPage page) {
        for (int guard = 0; guard < 10 && wizard.CurrentPage() != page; ++guard) {
            if (wizard.CurrentPage() == WizardPage::User && Find<plat::TEdit>(wizard, "UserName").Text().empty())
                plat::TypeText(Find<plat::TEdit>(wizard, "UserName"), "Dana");
            Press(wizard, "NextBtn");
        }
        ASSERT_EQ(wizard.CurrentPage(), page);
    }

    setup_test::ScratchFolder cd;
    SetupParams main;
    std::unique_ptr<SetupContext> context;
    const std::string hd = "C:\\Program Files\\Velmora";
};

TEST_F(WizardTest, TwoPackagesInstallThroughEveryPage) {
    Boxes boxes;
    auto wizard = Open(2);
    std::vector<WizardPage> pages = {wizard->CurrentPage()};
    EXPECT_EQ(Find<plat::TButton>(*wizard, "NextBtn").Caption(), "Next >");
    EXPECT_FALSE(Find<plat::TButton>(*wizard, "PrevBtn").Enabled());
    Press(*wizard, "NextBtn");
    pages.push_back(wizard->CurrentPage());
    EXPECT_EQ(Find<plat::TButton>(*wizard, "NextBtn").Caption(), "Yes");
    EXPECT_EQ(Find<plat::TButton>(*wizard, "ExitBtn").Caption(), "No");
    Press(*wizard, "NextBtn");
    pages.push_back(wizard->CurrentPage());

    // No owner in the registry: Next waits for a name.
    auto& name = Find<plat::TEdit>(*wizard, "UserName");
    EXPECT_EQ(name.Text(), "");
    EXPECT_FALSE(Find<plat::TButton>(*wizard, "NextBtn").Enabled());
    plat::TypeText(name, "D");
    EXPECT_TRUE(Find<plat::TButton>(*wizard, "NextBtn").Enabled());
    plat::SendKeyToWidget(name, plat::VK_BACK);
    EXPECT_FALSE(Find<plat::TButton>(*wizard, "NextBtn").Enabled());
    plat::TypeText(name, "Dana");
    Press(*wizard, "NextBtn");
    pages.push_back(wizard->CurrentPage());

    EXPECT_EQ(Find<plat::TCheckBox>(*wizard, "CustomBox1").Caption(), "Extras");
    EXPECT_EQ(Find<plat::TCheckBox>(*wizard, "CustomBox2").Caption(), "Word templates");
    EXPECT_FALSE(Find<plat::TCheckBox>(*wizard, "CustomBox3").Visible());
    EXPECT_TRUE(Find<plat::TRadioButton>(*wizard, "Flag1").Checked());
    EXPECT_FALSE(Find<plat::TRadioButton>(*wizard, "Flag2").Visible());
    Press(*wizard, "NextBtn");
    pages.push_back(wizard->CurrentPage());
    EXPECT_GE(Find<plat::TComboBox>(*wizard, "WordVerCB").Count(), 1);
    Press(*wizard, "NextBtn");
    pages.push_back(wizard->CurrentPage());
    EXPECT_EQ(Find<plat::TEdit>(*wizard, "DefaultDir").Text(), hd);
    Press(*wizard, "NextBtn");
    pages.push_back(wizard->CurrentPage());
    EXPECT_EQ(Find<plat::TEdit>(*wizard, "GroupEdit").Text(), "Velmora");
    Press(*wizard, "NextBtn"); // runs the installation, then shows Finish
    pages.push_back(WizardPage::Copying);
    pages.push_back(wizard->CurrentPage());
    EXPECT_EQ(pages, (std::vector<WizardPage>{WizardPage::Welcome, WizardPage::License, WizardPage::User,
                                              WizardPage::Custom, WizardPage::Word, WizardPage::Directory,
                                              WizardPage::Group, WizardPage::Copying, WizardPage::Finish}));
    EXPECT_TRUE(boxes.Texts.empty()) << boxes.Texts.front();
    EXPECT_EQ(Find<plat::TLabel>(*wizard, "Label10").Caption(), "Copying into " + hd);
    EXPECT_FALSE(Find<plat::TButton>(*wizard, "NextBtn").Visible());
    EXPECT_EQ(Find<plat::TButton>(*wizard, "ExitBtn").Caption(), "Finish");
    EXPECT_FALSE(Find<plat::TCheckBox>(*wizard, "Restart").Visible());
    EXPECT_FALSE(wizard->Ended());
    Press(*wizard, "ExitBtn");
    EXPECT_TRUE(wizard->Ended());
    EXPECT_EQ(wizard->ExitStatus(), 0);

    EXPECT_EQ(plat::FileSize(hd + "\\readme.txt"), 3000);
    EXPECT_EQ(plat::FileSize(hd + "\\data\\a.dat"), 5000);
    EXPECT_EQ(plat::ReadFileBytes(hd + "\\extras\\extra.txt"), "extra");
    EXPECT_EQ(plat::ReadFileBytes(hd + "\\doll.dot"), "template");
    EXPECT_TRUE(plat::FileExists(hd + "\\Velmora.isu"));
    plat::RegistryReset();
    EXPECT_EQ(ReadRegString(plat::RootKey::CurrentUser, "Software\\Vertalis\\Velmora\\Options", "Flag", "-"), "full");
    EXPECT_EQ(ReadRegString(plat::RootKey::CurrentUser, "Software\\Vertalis\\Extras", "On", "-"), "yes");
}

TEST_F(WizardTest, AClearedPackageBoxInstallsNothingOfThePackage) {
    Boxes boxes;
    auto wizard = Open(1);
    NextUntil(*wizard, WizardPage::Custom);
    plat::ClickMiddle(Find<plat::TCheckBox>(*wizard, "CustomBox1"));
    EXPECT_FALSE(context->Scripts()[1].Selected);
    NextUntil(*wizard, WizardPage::Finish);
    EXPECT_TRUE(plat::FileExists(hd + "\\readme.txt"));
    EXPECT_FALSE(plat::FileExists(hd + "\\extras\\extra.txt"));
    plat::RegistryReset();
    EXPECT_EQ(ReadRegString(plat::RootKey::CurrentUser, "Software\\Vertalis\\Extras", "On", "-"), "-");
}

TEST_F(WizardTest, WithoutPackagesBackFromDirectoryLandsOnUser) {
    auto wizard = Open(0);
    NextUntil(*wizard, WizardPage::User);
    plat::TypeText(Find<plat::TEdit>(*wizard, "UserName"), "Dana");
    Press(*wizard, "NextBtn");
    EXPECT_EQ(wizard->CurrentPage(), WizardPage::Directory);
    Press(*wizard, "PrevBtn");
    EXPECT_EQ(wizard->CurrentPage(), WizardPage::User);
    EXPECT_EQ(wizard->ExitStatus(), 1);
    Press(*wizard, "ExitBtn");
    EXPECT_TRUE(wizard->Ended());
    EXPECT_EQ(wizard->ExitStatus(), 1) << "cancelled before the run";
    EXPECT_FALSE(plat::FileExists(hd + "\\readme.txt"));
}

TEST_F(WizardTest, SpaceCheckPassesAtExactlyTheRequiredKbAndStopsOneKbBelow) {
    Boxes boxes;
    main.SetText("ErrorDiskSpace", "Need %d kb");
    auto wizard = Open(0);
    setup_test::RecordingUI ui;
    const int64_t required = Installer(*context, ui).ComputeRequiredSpace();
    ASSERT_EQ(required, 3 + 5);
    int64_t freeBytes = (required - 1) * 1024 + 1023;
    std::string askedRoot;
    wizard->DiskFree = [&](const std::string& root) {
        askedRoot = root;
        return freeBytes;
    };
    NextUntil(*wizard, WizardPage::Directory);
    Press(*wizard, "NextBtn");
    EXPECT_EQ(wizard->CurrentPage(), WizardPage::Directory);
    ASSERT_EQ(boxes.Texts.size(), 1u);
    EXPECT_EQ(boxes.Texts[0], "Need 8 kb");
    EXPECT_EQ(askedRoot, "C:\\");

    freeBytes = required * 1024;
    Press(*wizard, "NextBtn");
    EXPECT_EQ(wizard->CurrentPage(), WizardPage::Group);

    // A destination without a drive never reaches the run, whatever the drives hold.
    Press(*wizard, "PrevBtn");
    freeBytes = int64_t{1} << 40;
    auto& dir = Find<plat::TEdit>(*wizard, "DefaultDir");
    for (const std::string& bad : {std::string(), std::string("Program Files\\Velmora"), std::string("\\\\server\\x")}) {
        dir.SetText("");
        plat::TypeText(dir, bad);
        Press(*wizard, "NextBtn");
        EXPECT_EQ(wizard->CurrentPage(), WizardPage::Directory) << bad;
    }
    EXPECT_EQ(boxes.Texts.size(), 4u);
}

TEST_F(WizardTest, CancelDuringCopyingAsksAtTheNextFileNoGoesOnYesStopsWithTheLogWritten) {
    // Enough files that the copying outlasts a few clicks.
    constexpr int kFiles = 300;
    for (int i = 0; i < kFiles; ++i)
        cd.Put("many/f" + std::to_string(i) + ".dat", std::string(32 * 1024, 'm'));
    main.SetLines("ListFiles", {"readme.txt=%HDPATH%", "many\\*.dat=%HDPATH%\\many\\"});
    main.SetText("ErrorAbortQuestion", "Stop?");
    main.SetText("ErrorAborted", "Stopped");
    Boxes boxes;
    boxes.Answers = {plat::TModalResult::No, plat::TModalResult::Yes};
    auto wizard = Open(0);
    NextUntil(*wizard, WizardPage::Group);
    plat::TTimer canceller;
    canceller.SetInterval(5);
    canceller.OnTimer = [&] { Press(*wizard, "ExitBtn"); };
    canceller.SetEnabled(true);
    Press(*wizard, "NextBtn");
    canceller.SetEnabled(false);
    ASSERT_TRUE(wizard->Ended());
    EXPECT_EQ(wizard->ExitStatus(), 1);
    ASSERT_EQ(boxes.Texts.size(), 3u);
    EXPECT_EQ(boxes.Texts[0], "Stop?");
    EXPECT_EQ(boxes.Texts[1], "Stop?");
    EXPECT_EQ(boxes.Texts[2], "Stopped");
    EXPECT_EQ(plat::LastBoxCaption(), "Velmora Setup");
    EXPECT_TRUE(plat::FileExists(hd + "\\readme.txt"));
    int copied = 0;
    for (int i = 0; i < kFiles; ++i)
        copied += plat::FileExists(hd + "\\many\\f" + std::to_string(i) + ".dat");
    EXPECT_GT(copied, 0) << "No let the run go on";
    EXPECT_LT(copied, kFiles) << "Yes stopped it";
    const std::string log = plat::ReadFileBytes(hd + "\\Velmora.isu");
    EXPECT_NE(log.find("readme.txt"), std::string::npos);
}

TEST_F(WizardTest, TheCloseBoxDuringCopyingIsCancelElsewhereItEndsTheWizard) {
    main.SetLines("ListFiles", {"RUN=\"%CDPATH%\\tools\\wait.exe\"", "readme.txt=%HDPATH%"});
    main.SetText("ErrorAbortQuestion", "Stop?");
    Boxes boxes;
    auto wizard = Open(0);
    NextUntil(*wizard, WizardPage::Group);
    plat::TTimer closer;
    bool stayed = false;
    closer.SetInterval(50);
    closer.OnTimer = [&] {
        closer.SetEnabled(false);
        plat::SendWindowClose(*wizard);
        stayed = wizard->Visible() && !wizard->Ended();
    };
    closer.SetEnabled(true);
    Press(*wizard, "NextBtn");
    EXPECT_TRUE(stayed) << "the window stays until the question is answered";
    ASSERT_GE(boxes.Texts.size(), 1u);
    EXPECT_EQ(boxes.Texts[0], "Stop?");
    EXPECT_TRUE(wizard->Ended());
    EXPECT_EQ(wizard->ExitStatus(), 1);
    EXPECT_TRUE(plat::FileExists(hd + "\\Velmora.isu"));

    auto second = Open(0);
    NextUntil(*second, WizardPage::License);
    plat::SendWindowClose(*second);
    EXPECT_TRUE(second->Ended());
    EXPECT_EQ(second->ExitStatus(), 1);
}

} // namespace
} // namespace setup
