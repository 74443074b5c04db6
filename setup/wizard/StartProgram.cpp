#include "setup/wizard/StartProgram.h"

#include "platform/core/Exceptions.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SingleInstance.h"
#include "platform/ui/WindowFrame.h"
#include "setup/script/Macros.h"
#include "setup/script/SetupContext.h"
#include "setup/wizard/DialogForm.h"
#include "setup/wizard/MainForm.h"

namespace setup {

bool AutorunFindsProduct(const std::vector<std::string>& args, const SetupContext& context) {
    if (args.empty() || plat::UpperCase(args[0]) != "/AUTORUN")
        return false;
    const SetupParams& main = context.Main();
    const std::string key = "SOFTWARE\\" + main.Text("FirmName") + "\\" + main.Text("InternalName");
    return !ReadRegString(plat::RootKey::CurrentUser, key, "CDPath", "").empty();
}

int RunSetupWindows(const std::vector<std::string>& args, const std::string& ownDir) {
    plat::EnsureUiApplication();
    plat::TSingleInstance instance("velmora-setup");
    if (instance.AnotherIsRunning())
        return 0;

    SetupContext context;
    try {
        context.Discover(args, ownDir);
    } catch (const plat::Exception& error) {
        plat::ShowError(error.Message());
        return 1;
    }
    TMainForm mainForm(context, ownDir);
    TDialogForm wizard(context, args);
    if (AutorunFindsProduct(args, context))
        return 0;

    mainForm.ShowWizard = [&] { wizard.FormShow(); };
    instance.OnActivate = [&] {
        plat::RestoreAndActivate(mainForm);
        if (wizard.Visible())
            plat::RestoreAndActivate(wizard);
    };
    mainForm.Show();
    plat::RunUntil([&] { return wizard.Ended(); });
    mainForm.Close();
    return wizard.ExitStatus();
}

} // namespace setup
