// The wizard TDialogForm: nine pages in a notebook, Back / Next / Cancel, the texts of the main
// script, and the installation run on the Copying page, which reports through this window's
// controls (it is the run's InstallUI). The page order is WizardFlow's; this class does each
// page's work and the buttons' actions.
#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "setup/install/InstallUI.h"
#include "setup/install/Installer.h"
#include "setup/script/SetupContext.h"
#include "setup/wizard/WizardControls.h"
#include "setup/wizard/WizardFlow.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace setup {

class TDialogForm : public plat::TForm, private InstallUI {
public:
    // `args` are the installer's parameters (cp1251) for the Finish actions (/NOGROUP).
    TDialogForm(SetupContext& context, std::vector<std::string> args);
    ~TDialogForm() override;

    // Shown by the start window: centres the window, runs BeforeRun, fills the pages and makes
    // the first one current. Showing it again (restored after minimising) changes nothing.
    void FormShow();
    void Paint(plat::Canvas& canvas) override;
    // The close box: Cancel during the run, the end of the wizard elsewhere.
    void CloseQuery(bool& canClose) override;

    // The wizard has ended the installer; the exit status is 0 only after Finish.
    bool Ended() const { return ended_; }
    int ExitStatus() const { return exitStatus_; }
    std::function<void(TDialogForm&)> OnEnded;

    // The pauses between the run's phases (on by default; benchmarks turn them off to compare
    // with the unattended run, which does not pause either).
    bool PhasePauses = true;
    // The free bytes of a drive for the space check (the real drives when empty).
    std::function<int64_t(const std::string&)> DiskFree;

    WizardPage CurrentPage() const { return flow_.Current(); }
    plat::TButton& PrevBtn() { return *prevBtn_; }
    plat::TButton& NextBtn() { return *nextBtn_; }
    plat::TButton& ExitBtn() { return *exitBtn_; }

private:
    void BuildPages();
    void BuildWelcome(plat::TTabSheet& page);
    void BuildLicense(plat::TTabSheet& page);
    void BuildUser(plat::TTabSheet& page);
    void BuildCustom(plat::TTabSheet& page);
    void BuildWord(plat::TTabSheet& page);
    void BuildDirectory(plat::TTabSheet& page);
    void BuildGroup(plat::TTabSheet& page);
    void BuildCopying(plat::TTabSheet& page);
    void BuildFinish(plat::TTabSheet& page);
    PictureBox& SidePicture(plat::TTabSheet& page);

    void FillTexts();
    void FillUser();
    void FillGroups();
    void FillCustom();
    void EnterPage(WizardPage page);
    void ApplyButtons();
    bool LeaveDirectory();
    void NextBtnClick();
    void PrevBtnClick();
    void ExitBtnClick();
    bool FormCloseQuery();
    void RunInstall();
    void End(int status);
    // A script text as the pages show it: lines joined, expanded where the script says so.
    std::string Shown(const char* name, bool expand);
    void SetEnabledAll(bool enabled);

    // InstallUI: the Copying page's controls.
    void SetPhase(int phase, PhaseStyle style) override;
    void SetFileCaption(const std::string& text) override;
    void ShowFileCaption(bool visible) override;
    void SetProgressMax(int64_t maxKb) override;
    void SetProgress(int64_t positionKb) override;
    void HideProgress() override;
    void EnableCancel(bool enabled) override;
    void SetBusy(bool busy) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ProcessMessages() override;
    void Delay(int milliseconds) override;

    SetupContext& context_;
    std::vector<std::string> args_;
    Installer installer_;
    WizardFlow flow_;
    plat::Bitmap side_;
    bool shown_ = false;
    bool ended_ = false;
    int exitStatus_ = 1;
    uint64_t lastProcessed_ = 0;

    plat::TPageControl* notebook_ = nullptr;
    plat::TButton *prevBtn_ = nullptr, *nextBtn_ = nullptr, *exitBtn_ = nullptr;
    plat::TMemo *memo1_ = nullptr, *license_ = nullptr, *memo2Word_ = nullptr;
    plat::TLabel *label2_ = nullptr, *label3_ = nullptr, *label4_ = nullptr, *label5_ = nullptr,
                 *label8_ = nullptr, *customLabel_ = nullptr, *label17_ = nullptr,
                 *label9_ = nullptr, *label16_ = nullptr, *label10_ = nullptr, *fileCaption_ = nullptr,
                 *label15_ = nullptr;
    std::array<plat::TLabel*, 4> phases_{};
    plat::TEdit *userName_ = nullptr, *orgName_ = nullptr, *defaultDir_ = nullptr, *groupEdit_ = nullptr;
    std::array<plat::TCheckBox*, 10> customBoxes_{};
    std::array<plat::TRadioButton*, 3> flags_{};
    std::array<plat::TRadioButton*, 2> languages_{};
    plat::TComboBox* wordVersions_ = nullptr;
    GroupFrame* groupBox1_ = nullptr;
    GroupFrame* langGroup_ = nullptr;
    plat::TButton* browseBtn_ = nullptr;
    plat::TListBox* groupList_ = nullptr;
    plat::TProgressBar* gauge_ = nullptr;
    plat::TCheckBox* restart_ = nullptr;
};

} // namespace setup
