// The folder opener: xdg-open started and reaped, unless a test installed its own.
#include "platform/shell/ShellOpen.h"

#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace plat {

namespace {

bool XdgOpen(const std::string& hostPath) {
    std::string program = "xdg-open";
    std::string path = hostPath;
    char* argv[] = {program.data(), path.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

FolderOpener& CurrentOpener() {
    static FolderOpener opener;
    return opener;
}

} // namespace

FolderOpener SetFolderOpener(FolderOpener opener) {
    FolderOpener previous = std::move(CurrentOpener());
    CurrentOpener() = std::move(opener);
    return previous;
}

bool OpenFolder(std::string_view winPath) {
    std::string host;
    try {
        host = HostPath(winPath);
    } catch (const Exception&) {
        return false;
    }
    if (CurrentOpener())
        return CurrentOpener()(host);
    return XdgOpen(host);
}

} // namespace plat
