// Helpers of the installer tests: a fresh prefix, scratch CD folders, and a user interface that
// records what the run shows and answers questions as told.
#pragma once

#include "setup/install/InstallUI.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace setup_test {

// Points VERTALIS_PREFIX at a new scratch folder and forgets cached paths and registry contents.
void FreshPrefix();

// The SharedDLLs use count of `path`, none when it has no value there.
std::optional<int> SharedCount(const std::string& path);

// A new scratch host folder and its Windows name (ending without backslash).
struct ScratchFolder {
    std::string Host;
    std::string Win;
    // Writes a file below the folder, with its folders; `relative` is a host path ("data/a.dat").
    void Put(const std::string& relative, const std::string& bytes) const;
};
ScratchFolder MakeFolder(const std::string& hint);

// What a command run in-process printed, and its exit status.
struct Captured {
    int Status = 0;
    std::string Out, Err;
};
// Everything written to a temporary file; closes it.
std::string ReadStream(std::FILE* file);

class RecordingUI : public setup::InstallUI {
  public:
    std::vector<std::string> Events; // "phase 1 bold", "caption readme.txt", "message ...", ...
    std::vector<std::string> Messages;
    int Questions = 0;
    bool AnswerYes = true;
    int64_t Progress = 0, ProgressMax = 0;
    std::function<void()> OnProcessMessages;

    void SetPhase(int phase, setup::PhaseStyle style) override;
    void SetFileCaption(const std::string& text) override { Events.push_back("caption " + text); }
    void ShowFileCaption(bool) override {}
    void SetProgressMax(int64_t maxKb) override { ProgressMax = maxKb; }
    void SetProgress(int64_t positionKb) override { Progress = positionKb; }
    void HideProgress() override { Events.push_back("progress hidden"); }
    void EnableCancel(bool enabled) override { Events.push_back(enabled ? "cancel on" : "cancel off"); }
    void SetBusy(bool) override {}
    void ShowMessage(const std::string& text, const std::string&) override { Messages.push_back(text); }
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ProcessMessages() override {
        if (OnProcessMessages)
            OnProcessMessages();
    }
    void Delay(int) override { ProcessMessages(); }
};

} // namespace setup_test
