// The state of one installation that every step reads: the scripts (the main one and the package
// scripts, each with its selected state), the source and script folders, the installation
// variables, the wizard's choices (destination, program folder, option, Word), and the macro
// expander over all of them.
#pragma once

#include "setup/script/SetupParams.h"
#include "setup/install/WordIntegration.h"

#include <string>
#include <string_view>
#include <vector>

namespace setup {

struct ScriptEntry {
    std::string Path; // Windows path of the script file
    SetupParams Params;
    bool Selected = true;
};

class SetupContext {
  public:
    SetupContext();

    // Finds and loads the scripts from the command line (SIPATH=, SETUPDIR=, /AUTORUN skipped) and
    // the installer's own folder (a Windows path ending in "\"), then sets every installation
    // variable and the destination field. Either completes or raises plat::Exception (a script
    // that cannot be read); the context is then not to be used for an installation.
    void Discover(const std::vector<std::string>& args, const std::string& ownDir);

    SetupParams& Main() { return scripts_[0].Params; }
    const SetupParams& Main() const { return scripts_[0].Params; }
    std::vector<ScriptEntry>& Scripts() { return scripts_; }
    const std::vector<ScriptEntry>& Scripts() const { return scripts_; }
    bool HasPackages() const { return scripts_.size() > 1; }

    // The macro expander: single pass, names case-insensitive, unknown names upper-cased.
    std::string ExpandMacros(std::string_view text);

    std::string ScriptDir, SourceDir; // with trailing backslash
    std::string CdPath, CdShort;      // CDPATH and CD~1
    std::string WindowsDir, SystemDir;
    std::string Destination; // the Directory page's destination field
    std::string GroupFolder; // the Group page's folder name
    int ChosenOption = 0;    // the Custom page's option button 1 to 3, 0 for none
    WordIntegration Word;

  private:
    std::string Macro(const std::string& upperName, bool& known);

    std::vector<ScriptEntry> scripts_;
};

} // namespace setup
