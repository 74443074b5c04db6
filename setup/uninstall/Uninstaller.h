// The product's uninstaller, vtuninst: it undoes one installation from what the installer left
// behind: the uninstall key (HKEY_LOCAL_MACHINE, "SOFTWARE\Microsoft\Windows\CurrentVersion" +
// "\Uninstall\<InternalName>") with its "Info" texts, and the uninstall log the "Info" key names.
//
// Only what the log lists is ever removed, in reverse order of installation:
//  - a file; a shared file (one with a use count under SharedDLLs) loses one use and goes, with
//    its count, only when the last use is gone and this installation copied it; one the
//    installation only counted ("Counted: ") loses the use, and at the last use just its count,
//    never the file; a file in the Windows folder without a count is someone else's and stays;
//  - a value the installation wrote ("Value: "), from its key, also from a key that stays;
//  - a folder left over by an earlier run (an entry ending in "\\"), once it is empty;
//  - a shortcut, with its desktop entry;
//  - a registry key, but only when no subkeys are left in it (they hold what the designer saved,
//    or other products of the firm) and never below \SOFTWARE\Microsoft, which every program
//    shares. The product key ("Key: SOFTWARE\...", no leading backslash) lives under
//    HKEY_CURRENT_USER; when it stays, it still loses the installer's "Version", "CDPath" and
//    "HDPath", so the CD no longer takes the product for installed. A registry-list key ("Key: \...")
//    does not say its root: it is looked for under every root and left alone when more than one
//    holds it.
// Then the log itself, the folders that became empty (the destination folder and those below it,
// and the shortcut folders below the programs menu), and last the uninstall key. When anything,
// a folder included, could not be removed, the log is rewritten with just those entries and the
// uninstall key stays, so running the uninstaller again finishes the work without counting a
// shared file twice.
//
// Without an uninstall key (the script's AutoUninstall off) the uninstaller works from the log
// file it is given, with questions of its own.
#pragma once

#include <cstdint>
#include "platform/registry/Registry.h"

#include <optional>
#include <string>
#include <vector>

namespace setup {

// What the uninstaller asks and tells; a console in the program, a script in tests.
class UninstallUI {
public:
    virtual ~UninstallUI() = default;
    virtual bool Confirm(const std::string& caption, const std::string& text, const std::string& yes,
                         const std::string& no) = 0;
    virtual void Note(const std::string& line) = 0;  // what was left alone on purpose
    virtual void Error(const std::string& line) = 0; // what went wrong
};

enum class UninstallResult { Done, Declined, Failed };

class Uninstaller {
public:
    Uninstaller(std::string internalName, UninstallUI& ui);
    // From the log at `logPath` (a Windows path) rather than from the uninstall key.
    static Uninstaller FromLog(const std::string& logPath, UninstallUI& ui);

    // Asks first unless `ask` is Ask::No. Raises nothing: every problem goes to ui.Error.
    enum class Ask { Yes, No };
    UninstallResult Run(Ask ask);

private:
    enum class Copied { Yes, No };

    bool ReadInfo();
    bool ReadLog();
    void RemoveEntry(size_t index);
    bool RemoveFile(const std::string& path);
    std::optional<int32_t> SharedCount(const std::string& path);
    void RemoveSharedFile(const std::string& path, int32_t count, Copied copied);
    void RemoveCounted(const std::string& path);
    void RemoveKey(const std::string& logged);
    void RemoveValue(const std::string& loggedKey, const std::string& name);
    // The one root that holds the logged key; none when none or several do (`ambiguous` says which).
    std::optional<plat::RootKey> RootOf(const std::string& logged, bool& ambiguous);
    void WriteLeftLog();
    void AddFolders(const std::string& path, const std::string& base);
    void RemoveFolders();
    void Finish();
    void Failed(const std::string& entry);

    std::string internalName_, uninstallKey_;
    bool fromLog_ = false; // no uninstall key: the log was named on the command line
    UninstallUI& ui_;
    std::string caption_, text_, yes_, no_, logPath_;
    std::string destination_; // the "dummy" entry's folder
    std::string programsDir_; // the programs menu, which holds the shortcut folders
    std::vector<std::string> entries_;
    std::vector<std::string> keyOf_;   // for a "Value: " entry, its key line; empty otherwise
    std::vector<std::string> left_;    // log entries that could not be removed, last first
    std::vector<std::string> folders_; // candidates for removal once empty
    bool failed_ = false;
};

} // namespace setup
