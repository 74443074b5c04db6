// Everything the installation run tells the user or asks of them goes through this interface:
// the four phase lines, the file caption, the progress bar, the Cancel button, message boxes, the
// abort question and the processing of pending events. The wizard's windows implement it; the
// silent run prints lines instead; tests record the calls.
#pragma once

#include <cstdint>
#include <string>

namespace setup {

enum class PhaseStyle { Normal, Bold };

class InstallUI {
  public:
    virtual ~InstallUI() = default;

    // Phases are numbered 1 to 4 (the Process1 to Process4 lines).
    virtual void SetPhase(int phase, PhaseStyle style) = 0;
    virtual void SetFileCaption(const std::string& text) = 0;
    virtual void ShowFileCaption(bool visible) = 0;
    virtual void SetProgressMax(int64_t maxKb) = 0;
    virtual void SetProgress(int64_t positionKb) = 0;
    virtual void HideProgress() = 0;
    virtual void EnableCancel(bool enabled) = 0;
    virtual void SetBusy(bool busy) = 0;
    // A message box with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    // Lets the user interface handle what is pending (this is where Cancel reaches the run).
    virtual void ProcessMessages() = 0;
    // Waits the given time while processing messages.
    virtual void Delay(int milliseconds) = 0;
};

} // namespace setup
