// Finding the scripts and setting the installation variables.
#include "setup/script/SetupContext.h"

#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "setup/script/Macros.h"
#include "setup/script/ScriptFile.h"

namespace setup {

namespace {

constexpr std::string_view kSiPath = "SIPATH=";
constexpr std::string_view kSetupDir = "SETUPDIR=";
constexpr int kPackageScripts = 10; // setup0.inf to setup9.inf

// A folder from the command line as a Windows name with its trailing backslash. A host path
// ("/home/a/cd") is accepted too and named through its drive.
std::string FolderArgument(std::string_view text) {
    std::string folder(text);
    if (!folder.empty() && folder[0] == '/')
        folder = plat::WinPathOf(folder);
    return plat::IncludeTrailingBackslash(folder);
}

} // namespace

SetupContext::SetupContext() {
    scripts_.resize(1);
}

void SetupContext::Discover(const std::vector<std::string>& args, const std::string& ownDir) {
    std::string scriptDir = plat::IncludeTrailingBackslash(ownDir);
    std::string sourceDir = scriptDir;
    for (const std::string& rawArg : args) {
        std::string arg = plat::UpperCase(rawArg);
        if (arg == "/AUTORUN")
            continue;
        if (arg.starts_with(kSiPath)) {
            std::string dir = FolderArgument(rawArg.substr(kSiPath.size()));
            if (plat::FileExists(dir + "setup.inf"))
                scriptDir = dir;
            continue;
        }
        if (arg.starts_with(kSetupDir))
            sourceDir = FolderArgument(rawArg.substr(kSetupDir.size()));
    }

    // Everything is read into locals first, so a script that cannot be read leaves no half-set
    // variables behind.
    std::vector<ScriptEntry> scripts(1);
    scripts[0].Path = scriptDir + "setup.inf";
    LoadScript(scripts[0].Params, scripts[0].Path);
    for (int n = 0; n < kPackageScripts; ++n) {
        std::string path = scriptDir + "setup" + std::to_string(n) + ".inf";
        if (!plat::FileExists(path))
            continue;
        ScriptEntry package;
        package.Path = path;
        LoadScript(package.Params, path);
        scripts.push_back(std::move(package));
    }

    std::string cdPath = sourceDir.substr(0, sourceDir.size() - 1);
    if (!cdPath.empty())
        cdPath[0] = plat::UpperChar(cdPath[0]);

    scripts_ = std::move(scripts);
    ScriptDir = scriptDir;
    SourceDir = sourceDir;
    CdPath = cdPath;
    CdShort = ShortPath(cdPath);
    WindowsDir = plat::WindowsDirectory();
    SystemDir = plat::SystemDirectory();
    Destination = ExpandMacros(Main().Text("DefaultDir"));
    GroupFolder = ExpandMacros(Main().Text("GroupName"));
    ChosenOption = Main().Text("FlagText1").empty() ? 0 : 1;
}

} // namespace setup
