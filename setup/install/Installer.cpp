// The installation run: Install's steps in order, the log, the abort checkpoints and Finish.
// The file-list rules live in Installer_Files.cpp, the registry in Installer_Registry.cpp.
#include "setup/install/Installer.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Platform.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/shell/FileVersion.h"
#include "platform/shell/Process.h"
#include "platform/shell/ShellLink.h"
#include "platform/shell/ShellOpen.h"
#include "platform/text/Cp1251.h"
#include "setup/script/ListParsers.h"
#include "setup/script/Macros.h"

namespace setup {

namespace {

constexpr int kPhaseDelayMs = 200;

} // namespace

std::string FileVersionText(const std::string& path) {
    if (!plat::FileExists(path))
        return " ";
    std::optional<plat::FileVersion> version = plat::FileVersionOf(path);
    if (!version)
        return "0";
    const plat::FileVersion& v = *version;
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
           std::to_string(v[3]);
}

Installer::Installer(SetupContext& context, InstallUI& ui) : context_(context), ui_(ui) {}

Installer::~Installer() = default;

std::string Installer::LogPath() const {
    return plat::ExcludeTrailingBackslash(context_.Destination) + "\\" +
           context_.Main().Text("InternalName") + ".isu";
}

std::string Installer::ProgramFolder() const {
    return GetProgramsDir(context_.WindowsDir) + "\\" + context_.GroupFolder;
}

void Installer::Stop(const std::string& pattern, const std::string& arg) {
    throw InstallError(plat::FormatMessage(pattern, arg));
}

void Installer::CheckAbort() {
    if (!installing_ || !cancelRequested_)
        return;
    const SetupParams& main = context_.Main();
    if (ui_.AskYesNo(main.Text("ErrorAbortQuestion"), main.Text("ErrorNotCompleted")))
        throw InstallError(main.Text("ErrorAborted"));
    cancelRequested_ = false;
}

void Installer::Advance(int64_t kb) {
    progress_ += kb;
    ui_.SetProgress(progress_);
}

bool Installer::RunAndWait(const std::string& commandLine) {
    return plat::RunAndWait(commandLine, [this] { ui_.ProcessMessages(); }).Started;
}

void Installer::RunCommands(const std::string& list) {
    for (const std::string& command : SplitCommands(list))
        RunAndWait(context_.ExpandMacros(command));
}

void Installer::SaveLog() {
    std::string text;
    for (const std::string& line : log_)
        text += line + "\r\n";
    plat::WriteFileBytes(LogPath(), text);
}

void Installer::Install() {
    installing_ = true;
    cancelRequested_ = false;
    logCopyOnAbort_ = false;
    progress_ = 0;
    log_.clear();
    std::string failure;
    try {
        InstallSteps();
    } catch (const InstallError& error) {
        failure = error.what();
    } catch (const plat::Exception& error) {
        failure = error.what();
    }
    walk_.StopKeeping(); // a stopped run may have left folders unused
    // Step 13, also after an error: the log ends with its own path.
    ui_.SetBusy(false);
    AddToLog(LogPath());
    try {
        SaveLog();
    } catch (const plat::Exception& error) {
        if (failure.empty())
            failure = error.what();
    }
    try {
        plat::RegistryFlush();
    } catch (const plat::Exception& error) {
        if (failure.empty())
            failure = error.what();
    }
    installing_ = false;
    if (!failure.empty())
        throw InstallError(failure);
}

void Installer::InstallSteps() {
    const SetupParams& main = context_.Main();
    // Step 2: the old log goes; the new one starts empty.
    std::string logPath = LogPath();
    if (plat::FileExists(logPath))
        plat::DeleteFile(logPath);

    // Step 3: the destination folder.
    context_.Destination = plat::ExcludeTrailingBackslash(context_.Destination);
    plat::ForceDirectories(context_.Destination);
    AddToLog(context_.Destination + "\\dummy");

    // Steps 4 to 6: the file lists.
    ui_.SetPhase(1, PhaseStyle::Bold);
    ui_.SetProgress(0);
    walk_.StartKeeping();
    ui_.SetProgressMax(ComputeRequiredSpace());
    ui_.SetBusy(true);
    for (const ScriptEntry& script : context_.Scripts()) {
        if (!script.Selected)
            continue;
        for (const std::string& line : script.Params.Lines("ListFiles"))
            if (std::optional<FileLine> parsed = ParseFileLine(line))
                ProcessFileEntry(Resolve(*parsed), script);
    }
    walk_.StopKeeping();
    ui_.SetBusy(false);
    ui_.HideProgress();

    // Steps 7 and 8: the uninstaller and its registration.
    std::string uninstaller = context_.ExpandMacros("%WINDOWS%\\vtuninst.exe");
    CopyEntry(context_.CdPath + "\\vtuninst.exe", uninstaller);
    // Registering an uninstall command for a program that is not there would leave an entry that
    // cannot run, so the registration needs the copied uninstaller.
    if (main.Flag("AutoUninstall") && plat::FileExists(uninstaller))
        WriteUninstallKeys();
    ui_.Delay(kPhaseDelayMs);
    CheckAbort();
    ui_.SetPhase(1, PhaseStyle::Normal);

    // Step 10: the program folder.
    ui_.SetPhase(2, PhaseStyle::Bold);
    std::string folder = ProgramFolder();
    if (!plat::DirectoryExists(folder))
        plat::ForceDirectories(folder);
    ui_.Delay(kPhaseDelayMs);
    CheckAbort();
    ui_.SetPhase(2, PhaseStyle::Normal);

    // Step 11: shortcuts.
    ui_.SetPhase(3, PhaseStyle::Bold);
    MakeShortcuts();
    ui_.Delay(kPhaseDelayMs);
    CheckAbort();
    ui_.SetPhase(3, PhaseStyle::Normal);

    // Step 12: the product key and the registry lists.
    ui_.SetPhase(4, PhaseStyle::Bold);
    WriteRegistry();
    ui_.Delay(kPhaseDelayMs);
    ui_.SetPhase(4, PhaseStyle::Normal);
}

void Installer::MakeShortcuts() {
    for (const ScriptEntry& script : context_.Scripts()) {
        if (!script.Selected)
            continue;
        for (const std::string& line : script.Params.Lines("ListIcons")) {
            std::optional<ShortcutLine> parsed = ParseShortcutLine(line);
            if (!parsed)
                continue;
            CheckAbort();
            ShortcutFields fields = SplitShortcutFields(context_.ExpandMacros(parsed->Rest));
            if (!CreateShortcut(parsed->LinkName + ".lnk", fields.Target, fields.WorkingDir, fields.Arguments,
                                fields.IconFile))
                Stop(context_.Main().Text("ErrorShortcut"), parsed->LinkName);
            AddToLog(ProgramFolder() + "\\" + parsed->LinkName + ".lnk");
        }
    }
}

bool Installer::CreateShortcut(const std::string& linkName, const std::string& target, std::string workingDir,
                               const std::string& arguments, const std::string& iconFile) {
    if (workingDir.empty())
        workingDir = plat::ExcludeTrailingBackslash(plat::ExtractFilePath(target));
    std::string path = ProgramFolder() + "\\" + linkName;
    try {
        plat::ForceDirectories(plat::ExtractFilePath(path));
        return plat::SaveShellLink(path, {target, arguments, workingDir, iconFile, 0});
    } catch (const plat::Exception&) {
        return false;
    }
}

void Installer::Finish(const std::vector<std::string>& args, FolderAction folderAction, bool restart) {
    ui_.SetBusy(true);
    RunCommands(context_.Main().Text("AfterRun"));
    bool noGroup = !args.empty() && plat::SameText(args[0], "/NOGROUP");
    if (folderAction == FolderAction::OpenUnlessNoGroup && !noGroup)
        plat::OpenFolder(ProgramFolder());
    if (restart)
        plat::Platform::Current().RequestReboot();
    ui_.SetBusy(false);
}

} // namespace setup
