// The installer with its windows: one running copy, the scripts, /AUTORUN, the start screen and
// the wizard, and the exit status.
#pragma once

#include <string>
#include <vector>

namespace setup {

// `args` are the installer's parameters (cp1251); `ownDir` is the program's folder (Windows path
// with trailing backslash). Returns 0 after Finish, when /AUTORUN finds the product installed or
// when a running copy was brought to the front instead; 1 after an error or a cancel.
int RunSetupWindows(const std::vector<std::string>& args, const std::string& ownDir);

// Whether /AUTORUN (the first parameter) finds the product installed: its key holds a CDPath.
bool AutorunFindsProduct(const std::vector<std::string>& args, const class SetupContext& context);

} // namespace setup
