// The wizard as the installation run's user interface: the Copying page's phase lines, file
// caption and bar, the Cancel button, and the run's message boxes titled as the run asks.
#include "platform/core/Platform.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "setup/wizard/DialogForm.h"

#include <chrono>
#include <thread>

namespace setup {

namespace {
// Events are handled at most this often while the run copies: often enough for Cancel and a
// moving bar, rarely enough that small files do not wait for the screen.
constexpr uint64_t kProcessEveryMs = 25;
} // namespace

void TDialogForm::SetPhase(int phase, PhaseStyle style) {
    if (phase < 1 || phase > 4)
        return;
    plat::TLabel& line = *phases_[phase - 1];
    plat::TFont font = line.Font();
    font.Bold = style == PhaseStyle::Bold;
    line.SetFont(font);
    line.ApplyFont();
}

void TDialogForm::SetFileCaption(const std::string& text) {
    fileCaption_->SetCaption(text);
}

void TDialogForm::ShowFileCaption(bool visible) {
    fileCaption_->SetVisible(visible);
}

void TDialogForm::SetProgressMax(int64_t maxKb) {
    gauge_->SetRange(0, maxKb);
}

void TDialogForm::SetProgress(int64_t positionKb) {
    gauge_->SetPosition(positionKb);
}

void TDialogForm::HideProgress() {
    gauge_->Hide();
}

void TDialogForm::EnableCancel(bool enabled) {
    exitBtn_->SetEnabled(enabled);
}

void TDialogForm::SetBusy(bool busy) {
    SetCursor(busy ? plat::crHourGlass : plat::crDefault);
}

void TDialogForm::ShowMessage(const std::string& text, const std::string& caption) {
    plat::MessageDlgCaptioned(caption, text, plat::TMsgDlgType::Information, plat::TMsgDlgButtons::Ok);
}

bool TDialogForm::AskYesNo(const std::string& text, const std::string& caption) {
    return plat::MessageDlgCaptioned(caption, text, plat::TMsgDlgType::Confirmation, plat::TMsgDlgButtons::YesNo) ==
           plat::TModalResult::Yes;
}

void TDialogForm::ProcessMessages() {
    const uint64_t now = plat::Platform::Current().TickCount();
    if (now - lastProcessed_ < kProcessEveryMs)
        return;
    lastProcessed_ = now;
    plat::ProcessMessages();
}

void TDialogForm::Delay(int milliseconds) {
    if (!PhasePauses) {
        plat::ProcessMessages();
        return;
    }
    const uint64_t until = plat::Platform::Current().TickCount() + static_cast<uint64_t>(milliseconds);
    while (plat::Platform::Current().TickCount() < until) {
        plat::ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace setup
