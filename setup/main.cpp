// Entry of the setup program: finds its own folder and opens the console mode, the wizard or the
// parameter editor the command line asks for.
#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "setup/SetupCommand.h"
#include "setup/editor/ParamsForm.h"
#include "setup/wizard/StartProgram.h"

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
    if (!args.empty() && args[0] == "--edit") {
        std::string script;
        try {
            if (args.size() > 1)
                script = plat::WinPathOf(std::filesystem::absolute(args[1]).string());
        } catch (const plat::Exception& e) {
            std::fprintf(stderr, "setup: %s\n", e.what());
            return 1;
        }
        return setup::RunParamsEditor(script);
    }
    if (setup::IsConsoleMode(args))
        return setup::RunSetupCommand(args, ownDir, stdout, stderr);
    std::vector<std::string> systemArgs;
    for (const std::string& arg : args)
        systemArgs.push_back(plat::Utf8ToCp1251(arg));
    return setup::RunSetupWindows(systemArgs, ownDir);
}
