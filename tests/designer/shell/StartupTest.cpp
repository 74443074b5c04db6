// The start-up sequence with a fake machine and fake windows: the two refusals (their texts,
// icons, order and exit status, and that nothing was imported or made), the first-run import
// once, an import error that does not stop the start, the order of windows, Init, intro and the
// main window, and one running copy per prefix.
#include "designer/shell/Startup.h"

#include "designer/shell/RegImport.h"
#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SingleInstance.h"
#include "tests/designer/shell/FreshPrefix.h"
#include "tests/designer/shell/StartupFakes.h"
#include "tests/support/Scratch.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

using velmora::test::FakeMachine;
using velmora::test::FakeScreen;

struct Box {
    plat::TMsgDlgType Type;
    std::string Text;
};

// Records what start-up asks of the windows; the main window is closed by the first wait after
// it is shown, as a user would.
class FakeWindows : public TDesignerWindows {
public:
    explicit FakeWindows(std::vector<std::string>& log) : log_(log) {}
    void Create(const std::function<void()>& pump) override {
        log_.push_back("create");
        main_ = std::make_unique<plat::TForm>();
        pump();
    }
    void Init() override { log_.push_back("init"); }
    void ShowMain() override {
        log_.push_back("show");
        main_->Show();
    }
    plat::TForm& MainForm() override {
        log_.push_back("main");
        return *main_;
    }
    plat::TForm* Main() { return main_.get(); }

private:
    std::vector<std::string>& log_;
    std::unique_ptr<plat::TForm> main_;
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseFreshPrefix();
        previous = plat::SetMessageBoxHandler(
            [this](plat::TMsgDlgType type, plat::TMsgDlgButtons, const std::string& text) {
                boxes.push_back({type, text});
                return plat::TModalResult::Ok;
            });
        cd = testing_support::MakeScratchDir("cd");
    }
    void TearDown() override { plat::SetMessageBoxHandler(previous); }

    void InstallData(bool doll, bool reg, bool videos) {
        if (doll)
            testing_support::WriteHostFile(cd + "/Resource/Doll.bmp", "BM");
        if (reg)
            testing_support::WriteHostFile(
                cd + "/Resource/velmora.reg",
                "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vertalis\\Velmora\\States1]\r\n"
                "\"pl03\"=\"default\"\r\n");
        if (videos) {
            const std::string seeds = std::string(VELMORA_SOURCE_DIR) + "/fuzz/seeds/video/";
            std::filesystem::copy_file(seeds + "tiny-mpeg4.avi", cd + "/Resource/logo.avi");
            std::filesystem::copy_file(seeds + "tiny-raw.avi", cd + "/Resource/title.avi");
        }
    }

    int Start(bool intro = false) {
        TStartOptions options;
        options.Intro = intro;
        options.SingleInstance = false;
        options.ProgramFolder = plat::WinPathOf(cd);
        options.WaitMessages = [this] {
            ++waits;
            log.push_back("wait");
            machine.Run(10);
            if (windows.Main() && windows.Main()->Visible())
                windows.Main()->Close();
        };
        return RunDesigner(options, windows);
    }

    std::string Slot1() {
        plat::TRegIniFile ini(kProductKey);
        return ini.ReadString("States1", "pl03", "");
    }

    FakeMachine machine;
    plat::PlatformGuard platformGuard{machine};
    FakeScreen screen;
    plat::ScreenSourceGuard screenGuard{screen};
    plat::MessageBoxHandler previous;
    std::vector<Box> boxes;
    std::vector<std::string> log;
    FakeWindows windows{log};
    std::string cd;
    int waits = 0;
};

TEST_F(StartupTest, TooFewColoursIsRefusedFirstWithAWarning) {
    InstallData(/*doll=*/false, /*reg=*/true, /*videos=*/false);
    for (int bpp : {8, 15}) {
        machine.BitsPerPixel = bpp;
        boxes.clear();
        EXPECT_EQ(Start(), kExitRefused);
        ASSERT_EQ(boxes.size(), 1u) << "only the first refusal, though Doll.bmp is missing too";
        EXPECT_EQ(boxes[0].Type, plat::TMsgDlgType::Warning);
        EXPECT_EQ(boxes[0].Text, plat::Ru("Программа требует не менее High color"));
    }
    EXPECT_TRUE(log.empty()) << "no window was made";
    EXPECT_EQ(Slot1(), "") << "nothing was imported";
}

TEST_F(StartupTest, MissingDataIsRefusedWithTheSecondText) {
    InstallData(/*doll=*/false, /*reg=*/true, /*videos=*/false);
    machine.BitsPerPixel = 16;
    EXPECT_EQ(Start(), kExitRefused);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Type, plat::TMsgDlgType::Warning);
    EXPECT_EQ(boxes[0].Text, plat::Ru("Программа не установлена\rили ее CD диск не вставлен в привод"));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(Slot1(), "");
}

TEST_F(StartupTest, SixteenBitsStartAndTheFirstRunImportsOnce) {
    InstallData(/*doll=*/true, /*reg=*/true, /*videos=*/false);
    machine.BitsPerPixel = 16;
    EXPECT_EQ(Start(), kExitNormal);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Slot1(), "default");

    // The child saves into slot 1 and the slot choice is stored, once as the program writes it
    // and once as a DWORD: neither start imports over the saved outfit.
    for (bool asDword : {false, true}) {
        {
            plat::TRegIniFile ini(kProductKey);
            ini.WriteString("States1", "pl03", "saved");
            if (asDword) {
                plat::TRegistry reg(plat::RootKey::CurrentUser);
                reg.OpenKey(std::string("\\") + kProductKey, true);
                reg.WriteInteger("DefaultSlot", 2);
            } else {
                ini.WriteInteger("", "DefaultSlot", 2);
            }
        }
        EXPECT_EQ(Start(), kExitNormal);
        EXPECT_EQ(Slot1(), "saved") << (asDword ? "DWORD" : "string");
    }
}

TEST_F(StartupTest, AnImportErrorIsShownAndStartGoesOn) {
    InstallData(/*doll=*/true, /*reg=*/false, /*videos=*/false);
    EXPECT_EQ(Start(), kExitNormal);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Type, plat::TMsgDlgType::Error);
    EXPECT_NE(boxes[0].Text.find("velmora.reg"), std::string::npos) << boxes[0].Text;
    EXPECT_EQ(log.front(), "create");
}

TEST_F(StartupTest, WindowsAreMadeAndInitedUnderTheIntroThenTheMainWindowRunsUntilClosed) {
    InstallData(/*doll=*/true, /*reg=*/true, /*videos=*/true);
    const uint64_t started = machine.Now;
    EXPECT_EQ(Start(/*intro=*/true), kExitNormal);
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "create");
    EXPECT_EQ(log[1], "init");
    // The intro runs on by itself (no title picture: 240 + 300 ms of video, 700 ms of zoom,
    // 5 s held), waiting on events in between, and only then the main window shows.
    const auto main = std::find(log.begin(), log.end(), "main");
    ASSERT_NE(main, log.end());
    EXPECT_GT(std::count(log.begin(), main, "wait"), 100);
    EXPECT_GE(machine.Now - started, 240u + 300u + 700u + 5000u);
    EXPECT_EQ(log.back(), "wait") << "the message loop ran until the main window closed";
    EXPECT_FALSE(windows.Main()->Visible());
}

TEST_F(StartupTest, WithoutTheIntroTheMainWindowComesStraightAfterInit) {
    InstallData(/*doll=*/true, /*reg=*/true, /*videos=*/true);
    EXPECT_EQ(Start(/*intro=*/false), kExitNormal);
    const std::vector<std::string> expected{"create", "init", "main", "show", "wait"};
    EXPECT_EQ(log, expected);
}

TEST(StartupArguments, NoIntroHelpAndUnknownSwitches) {
    TStartOptions options;
    bool help = false;
    char name[] = "velmora", noIntro[] = "--no-intro", helpArg[] = "--help", bad[] = "--bogus";
    char* plain[] = {name};
    EXPECT_TRUE(ParseStartArguments(1, plain, options, help));
    EXPECT_TRUE(options.Intro);
    char* skip[] = {name, noIntro};
    EXPECT_TRUE(ParseStartArguments(2, skip, options, help));
    EXPECT_FALSE(options.Intro);
    EXPECT_FALSE(help);
    char* asked[] = {name, helpArg};
    EXPECT_TRUE(ParseStartArguments(2, asked, options, help));
    EXPECT_TRUE(help);
    char* wrong[] = {name, bad};
    EXPECT_FALSE(ParseStartArguments(2, wrong, options, help));
}

TEST(SingleInstance, ALaterStartFindsTheFirstAndBringsItForward) {
    UseFreshPrefix();
    plat::EnsureUiApplication();
    plat::TSingleInstance first("velmora-test");
    int activated = 0;
    first.OnActivate = [&] { ++activated; };
    EXPECT_FALSE(first.AnotherIsRunning());
    EXPECT_TRUE(std::filesystem::exists(first.SocketPath()));
    {
        plat::TSingleInstance second("velmora-test");
        EXPECT_EQ(second.SocketPath(), first.SocketPath());
        EXPECT_TRUE(second.AnotherIsRunning());
    }
    for (int i = 0; i < 50 && activated == 0; ++i)
        plat::ProcessMessages();
    EXPECT_EQ(activated, 1);
}

TEST(SingleInstance, ASocketLeftByACrashedCopyIsTakenOver) {
    UseFreshPrefix();
    plat::EnsureUiApplication();
    std::string path;
    {
        plat::TSingleInstance probe("velmora-stale");
        path = probe.SocketPath();
    }
    testing_support::WriteHostFile(path, ""); // a plain file where the socket was
    plat::TSingleInstance first("velmora-stale");
    EXPECT_FALSE(first.AnotherIsRunning());
}

} // namespace
