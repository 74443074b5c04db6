// The start-up sequence; see Startup.h.
#include "designer/shell/Startup.h"

#include "designer/shell/BeginAviForm.h"
#include "designer/shell/Busy.h"
#include "designer/shell/RegImport.h"
#include "designer/shell/Settings.h"
#include "platform/core/Platform.h"
#include "platform/core/ProcessInfo.h"
#include "platform/files/Files.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/SingleInstance.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kLeastBitsPerPixel = 16;

int Refuse(const std::string& text) {
    plat::MessageDlg(text, plat::TMsgDlgType::Warning, plat::TMsgDlgButtons::Ok);
    return kExitRefused;
}

// The first run brings the default outfits; a file that cannot be imported is reported and the
// program goes on without them.
void ImportDefaults() {
    try {
        ImportDefaultsOnFirstRun();
    } catch (const plat::Exception& error) {
        plat::ShowError(error.Message());
    }
}

std::unique_ptr<TBeginAviForm> StartIntro() {
    auto intro = std::make_unique<TBeginAviForm>();
    intro->LogoFile = InstallFile("Resource\\logo.avi");
    intro->TitleFile = InstallFile("Resource\\title.avi");
    intro->PictureFile = InstallFile("Resource\\title.jpg");
    intro->Show();
    intro->Repaint();
    plat::ProcessMessages();
    return intro;
}

} // namespace

std::string TooFewColoursText() {
    return plat::Ru("Программа требует не менее High color");
}

std::string NotInstalledText() {
    return plat::Ru("Программа не установлена\rили ее CD диск не вставлен в привод");
}

bool ParseStartArguments(int argc, char** argv, TStartOptions& options, bool& helpShown) {
    helpShown = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-intro") == 0) {
            options.Intro = false;
        } else if (std::strcmp(argv[i], "--startup-report") == 0) {
            options.StartupReport = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: velmora [--no-intro] [--startup-report]\n"
                        "  --no-intro        start without the intro videos and title picture\n"
                        "  --startup-report  print the time to the main window's first frame and the\n"
                        "                    memory held then, and end\n");
            helpShown = true;
        } else {
            std::fprintf(stderr,
                         "velmora: unknown argument '%s'\nusage: velmora [--no-intro] [--startup-report]\n",
                         argv[i]);
            return false;
        }
    }
    return true;
}

int RunDesigner(const TStartOptions& options, TDesignerWindows& windows) {
    const std::function<void()> wait = options.WaitMessages ? options.WaitMessages : plat::WaitMessages;
    ReadSettings(options.ProgramFolder.empty() ? ProgramFolder() : options.ProgramFolder);
    plat::SetApplicationTitle("Velmora");

    plat::TSingleInstance single("velmora");
    if (options.SingleInstance && single.AnotherIsRunning())
        return kExitNormal;

    const plat::Platform& platform = plat::Platform::Current();
    if (platform.ScreenBitsPerPixel() * platform.ScreenPlanes() < kLeastBitsPerPixel)
        return Refuse(TooFewColoursText());
    if (!plat::FileExists(DataFile("Resource\\Doll.bmp")))
        return Refuse(NotInstalledText());
    ImportDefaults();

    std::unique_ptr<TBeginAviForm> intro = options.Intro ? StartIntro() : nullptr;
    {
        TBusyScope busy;
        windows.Create([] { plat::ProcessMessages(); });
        windows.Init();
    }
    if (intro) {
        intro->Ready = true;
        while (!intro->Finished())
            wait();
        intro->Hide();
        intro.reset();
    }

    plat::TForm& main = windows.MainForm();
    single.OnActivate = [&main] {
        main.Show();
        main.Activate();
    };
    windows.ShowMain();
    main.Activate();
    if (options.StartupReport) {
        main.Repaint();
        plat::ProcessMessages();
        std::printf(
            "velmora: first frame of the main window %lld ms after the start, resident memory %lld MB\n",
            static_cast<long long>(plat::MsSinceProcessStart()),
            static_cast<long long>(plat::ResidentMemoryKb() / 1024));
        std::fflush(stdout);
        main.Close();
    }
    while (main.Visible())
        wait();
    return kExitNormal;
}
