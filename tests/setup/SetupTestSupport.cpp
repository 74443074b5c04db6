// Installer test helpers.
#include "tests/setup/SetupTestSupport.h"

#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "tests/support/Scratch.h"

#include <cstdlib>

namespace setup_test {

void FreshPrefix() {
    std::string prefix = testing_support::MakeScratchDir("prefix");
    setenv("VERTALIS_PREFIX", prefix.c_str(), 1);
    plat::RegistryReset();
    plat::ResetPathCache();
}

std::optional<int> SharedCount(const std::string& path) {
    plat::TRegistry reg(plat::RootKey::LocalMachine);
    if (!reg.OpenKeyReadOnly("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs") ||
        !reg.ValueExists(path))
        return std::nullopt;
    return reg.ReadInteger(path);
}

ScratchFolder MakeFolder(const std::string& hint) {
    ScratchFolder folder;
    folder.Host = testing_support::MakeScratchDir(hint);
    folder.Win = plat::ExcludeTrailingBackslash(plat::WinPathOf(folder.Host));
    return folder;
}

void ScratchFolder::Put(const std::string& relative, const std::string& bytes) const {
    testing_support::WriteHostFile(Host + "/" + relative, bytes);
}

void RecordingUI::SetPhase(int phase, setup::PhaseStyle style) {
    Events.push_back("phase " + std::to_string(phase) +
                     (style == setup::PhaseStyle::Bold ? " bold" : " normal"));
}

bool RecordingUI::AskYesNo(const std::string& text, const std::string& caption) {
    ++Questions;
    Events.push_back("ask " + text + " | " + caption);
    return AnswerYes;
}

std::string ReadStream(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

} // namespace setup_test
