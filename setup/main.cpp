// Entry of the setup program: finds its own folder and hands the command line on.
#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"
#include "setup/SetupCommand.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv[0], error);
    std::string ownDir;
    try {
        ownDir = plat::IncludeTrailingBackslash(plat::WinPathOf(self.parent_path().string()));
    } catch (const plat::Exception& e) {
        std::fprintf(stderr, "setup: %s\n", e.what());
        return 1;
    }
    return setup::RunSetupCommand(args, ownDir, stdout, stderr);
}
