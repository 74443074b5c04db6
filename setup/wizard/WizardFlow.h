// The wizard's page order without any window: which page Next and Back land on (the Custom page
// only with package scripts, the Word page only while a selected script needs Word), what the
// three buttons show and allow on each page, and what Cancel and the close box do. The window
// runs each page's own work in the Enter hook and asks the flow everything else.
#pragma once

#include <functional>
#include <string>

namespace setup {

enum class WizardPage { Welcome, License, User, Custom, Word, Directory, Group, Copying, Finish };
inline constexpr int kWizardPages = 9;

// The page's name as the script's caption parameters use it ("Directory" -> DirectoryCaption).
const char* PageName(WizardPage page);

struct WizardButtons {
    bool BackVisible = true, NextVisible = true;
    bool BackEnabled = false, NextEnabled = true;
    // Names of the script texts the buttons show.
    std::string BackCaption = "NamePrev", NextCaption = "NameNext", CancelCaption = "NameCancel";
    // Finish makes Cancel the default button; elsewhere Next is.
    bool CancelDefault = false;
};

enum class WizardExit { None, AbortRequest, FinishActions, EndNow };

struct WizardHooks {
    // Runs every time a page becomes current, the pages skipped over included (the Word page's
    // work decides whether it is skipped).
    std::function<void(WizardPage)> Enter;
    // Whether any selected script needs Word; asked after Enter(Word).
    std::function<bool()> UsesWord;
    // Leaving the Directory page forwards: false keeps the user there (not enough space).
    std::function<bool()> LeaveDirectory;
};

class WizardFlow {
public:
    WizardFlow(bool hasPackages, WizardHooks hooks);

    WizardPage Current() const { return current_; }
    // Makes the first page current (Enter runs for it).
    void Start();
    void Next();
    void Back();
    // The Copying page's run ended normally: Finish becomes current.
    void InstallDone();

    // The User page's name field changed; Next is allowed only with a name there.
    void SetUserNameEmpty(bool empty) { nameEmpty_ = empty; }
    void SetInstalling(bool installing) { installing_ = installing; }
    bool Installing() const { return installing_; }
    // The Finish page's restart box is shown only when a restart is asked for.
    WizardButtons Buttons() const;

    WizardExit CancelAction() const;
    // The close box during the run is Cancel; elsewhere it ends the wizard without the Finish
    // actions.
    WizardExit CloseAction() const;

private:
    void Land(int index, int step);

    bool hasPackages_;
    WizardHooks hooks_;
    WizardPage current_ = WizardPage::Welcome;
    bool nameEmpty_ = false;
    bool installing_ = false;
};

} // namespace setup
