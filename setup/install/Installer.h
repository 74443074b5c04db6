// The installation run: the space estimate, Install with its thirteen steps (files, run steps,
// shared files, uninstaller, program folder, shortcuts, product key, registry lists), the
// uninstall log, the abort checkpoints, and the Finish actions. It reads the scripts and choices
// of a SetupContext and talks to the user only through InstallUI.
#pragma once

#include "setup/install/FolderWalk.h"
#include "setup/install/InstallUI.h"
#include "setup/script/SetupContext.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {
class TRegistry;
}

namespace setup {

// The error that stops a run; its message is the text the wizard shows.
class InstallError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// " " when the file does not exist, "0" without a version resource, else "a.b.c.d".
std::string FileVersionText(const std::string& path);

class Installer {
  public:
    Installer(SetupContext& context, InstallUI& ui);
    ~Installer();

    // Total KB (each file rounded up) the file lists of the selected scripts will copy.
    int64_t ComputeRequiredSpace();

    // The run; raises InstallError with the message to show when it stops. The log is written
    // in every case.
    void Install();

    // Cancel pressed: during the run, an abort request the next checkpoint asks about.
    void RequestCancel() { cancelRequested_ = true; }
    bool Installing() const { return installing_; }

    // The Finish page's actions: AfterRun, the program folder opened unless the first argument is
    // "/NOGROUP" (an unattended run never opens it), the restart when `restart` (the restart box)
    // is checked.
    enum class FolderAction { OpenUnlessNoGroup, Never };
    void Finish(const std::vector<std::string>& args, FolderAction folderAction, bool restart);

    // Runs a command line and waits, processing messages; false when it did not start.
    bool RunAndWait(const std::string& commandLine);
    // Runs every command of a ";" list (BeforeRun, AfterRun), each expanded.
    void RunCommands(const std::string& list);

    const std::vector<std::string>& Log() const { return log_; }
    std::string LogPath() const;
    std::string ProgramFolder() const;

    // The steps, public for tests.
    bool CopyEntry(const std::string& source, const std::string& dest);
    void CopyMask(const std::string& source, const std::string& dest, bool recursive);
    bool AddSharedDll(const std::string& path);
    bool CreateShortcut(const std::string& linkName, const std::string& target, std::string workingDir,
                        const std::string& arguments, const std::string& iconFile);
    void CheckAbort();

  private:
    struct ResolvedEntry {
        std::string Source, Dest;
        bool Recursive = false;
    };
    ResolvedEntry Resolve(const struct FileLine& line);
    void InstallSteps();
    void ProcessFileEntry(const ResolvedEntry& entry, const ScriptEntry& script);
    void WriteUninstallKeys();
    void MakeShortcuts();
    void WriteRegistry();
    void ProcessRegLine(plat::TRegistry& reg, const std::string& line);
    // A plain copy over a read-only target, the copy made writable.
    static bool CopyPlainFile(const std::string& source, const std::string& dest);
    // Shows the file's name, runs `copy`, checks for an abort and advances the bar by `size` bytes.
    bool CopyShowingProgress(const std::string& dest, int64_t size, const std::function<bool()>& copy);
    void AddToLog(const std::string& text) { log_.push_back(text); }
    void LogKey(const std::string& path) { AddToLog("Key: " + path); }
    void SaveLog();
    void Advance(int64_t kb);
    [[noreturn]] void Stop(const std::string& pattern, const std::string& arg);

    SetupContext& context_;
    InstallUI& ui_;
    std::vector<std::string> log_;
    bool installing_ = false;
    bool cancelRequested_ = false;
    int64_t progress_ = 0;
    // The registry lists' current key: the starting key not yet opened, open, or a section whose
    // key could not be opened.
    enum class KeyState { Initial, Open, Failed };
    KeyState keyState_ = KeyState::Initial;
    // Set while a plain or mask entry copies: a file copied just before the user aborts is
    // still logged, so the uninstaller knows every file the stopped run left.
    bool logCopyOnAbort_ = false;
    // The mask entries' source folders, kept from the space estimate for the copying.
    FolderWalk walk_;
    std::string initialKey_;
};

} // namespace setup
