// The vtuninst command line: vtuninst <InternalName> [--yes], or vtuninst <log file>.isu [--yes]
// for a product installed without an uninstall key. The question goes to the terminal
// (texts are cp1251 inside, UTF-8 on the terminal); without --yes the answer is read from `in`.
// Status 0 when everything is removed, 2 when the user answers no (nothing changes), 1 on any
// error: bad arguments, product not installed, a missing or damaged log, something left.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace setup {

int RunUninstallCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err);

} // namespace setup
