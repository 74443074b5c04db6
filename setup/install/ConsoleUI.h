// The user interface of an unattended run: progress as lines on standard output, messages on
// standard error, no questions (nobody can press Cancel, so the abort question never comes).
#pragma once

#include "setup/install/InstallUI.h"

#include <cstdio>
#include <string>

namespace setup {

class ConsoleUI : public InstallUI {
  public:
    // Phase captions are the expanded Process1 to Process4 texts.
    ConsoleUI(std::FILE* out, std::FILE* err, std::string phases[4]);

    void SetPhase(int phase, PhaseStyle style) override;
    void SetFileCaption(const std::string& text) override;
    void ShowFileCaption(bool) override {}
    void SetProgressMax(int64_t maxKb) override;
    void SetProgress(int64_t positionKb) override;
    void HideProgress() override {}
    void EnableCancel(bool) override {}
    void SetBusy(bool) override {}
    void ShowMessage(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ProcessMessages() override {}
    // Nobody watches an unattended run, so the pauses between phases are not waited.
    void Delay(int) override {}

  private:
    std::FILE* out_;
    std::FILE* err_;
    std::string phases_[4];
    int64_t max_ = 0;
    int lastPercent_ = -1;
};

} // namespace setup
