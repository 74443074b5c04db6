#include "setup/wizard/WizardFlow.h"

#include <utility>

namespace setup {

const char* PageName(WizardPage page) {
    static const char* const kNames[kWizardPages] = {"Welcome",   "License", "User",    "Custom", "Word",
                                                     "Directory", "Group",   "Copying", "Finish"};
    return kNames[static_cast<int>(page)];
}

WizardFlow::WizardFlow(bool hasPackages, WizardHooks hooks) : hasPackages_(hasPackages), hooks_(std::move(hooks)) {}

void WizardFlow::Start() {
    Land(0, 0);
}

// Lands on `index` and goes on by `step` past the pages that do not apply. Each page landed on
// runs its own work before its skip is tested, so the Word page decides with fresh choices.
void WizardFlow::Land(int index, int step) {
    for (;;) {
        current_ = static_cast<WizardPage>(index);
        if (hooks_.Enter)
            hooks_.Enter(current_);
        const bool skip = (current_ == WizardPage::Custom && !hasPackages_) ||
                          (current_ == WizardPage::Word && !(hooks_.UsesWord && hooks_.UsesWord()));
        if (!skip || step == 0)
            return;
        index += step;
    }
}

void WizardFlow::Next() {
    if (installing_ || current_ == WizardPage::Finish || current_ == WizardPage::Copying)
        return;
    if (current_ == WizardPage::User && nameEmpty_)
        return;
    if (current_ == WizardPage::Directory && hooks_.LeaveDirectory && !hooks_.LeaveDirectory())
        return;
    Land(static_cast<int>(current_) + 1, +1);
}

void WizardFlow::Back() {
    if (installing_ || current_ == WizardPage::Welcome || current_ >= WizardPage::Copying)
        return;
    Land(static_cast<int>(current_) - 1, -1);
}

void WizardFlow::InstallDone() {
    installing_ = false;
    Land(static_cast<int>(WizardPage::Finish), 0);
}

WizardButtons WizardFlow::Buttons() const {
    WizardButtons b;
    b.BackEnabled = current_ != WizardPage::Welcome;
    if (current_ == WizardPage::License) {
        b.NextCaption = "NameYes";
        b.CancelCaption = "NameNo";
    }
    if (current_ == WizardPage::User)
        b.NextEnabled = !nameEmpty_;
    if (current_ == WizardPage::Copying) {
        b.BackVisible = b.NextVisible = false;
    }
    if (current_ == WizardPage::Finish) {
        b.BackVisible = b.NextVisible = false;
        b.CancelCaption = "NameFinish";
        b.CancelDefault = true;
    }
    return b;
}

WizardExit WizardFlow::CancelAction() const {
    if (installing_)
        return WizardExit::AbortRequest;
    if (current_ == WizardPage::Finish)
        return WizardExit::FinishActions;
    return WizardExit::EndNow;
}

WizardExit WizardFlow::CloseAction() const {
    return installing_ ? WizardExit::AbortRequest : WizardExit::EndNow;
}

} // namespace setup
