// vtuninst: removes an installed product; see UninstallCommand.h.
#include "setup/uninstall/UninstallCommand.h"

#include <cstdio>

int main(int argc, char** argv) {
    return setup::RunUninstallCommand(std::vector<std::string>(argv + 1, argv + argc), stdin, stdout, stderr);
}
