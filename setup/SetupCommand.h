// The setup program's console modes: --help, --dump, --compile and the unattended installation
// (/SILENT or --silent). Every other command line opens the windows (the wizard, or the
// parameter editor with --edit).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace setup {

// `args` are argv[1..] as the host gives them (UTF-8); `ownDir` is the Windows path of the
// folder holding the program. Returns the exit status.
int RunSetupCommand(const std::vector<std::string>& args, const std::string& ownDir, std::FILE* out,
                    std::FILE* err);

// Whether the command line asks for one of the console modes above.
bool IsConsoleMode(const std::vector<std::string>& args);

// The unattended installation with the scripts' defaults; 0 on success, 1 with the error text on
// `err` otherwise. `args` are the installer's own parameters (cp1251), /SILENT removed.
int RunSilentInstall(const std::vector<std::string>& args, const std::string& ownDir, std::FILE* out,
                     std::FILE* err);

} // namespace setup
