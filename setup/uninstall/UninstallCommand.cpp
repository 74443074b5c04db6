// vtuninst's command line and its terminal dialogue.
#include "setup/uninstall/UninstallCommand.h"

#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "setup/uninstall/Uninstaller.h"

#include <optional>

namespace setup {

namespace {

class ConsoleUninstallUI : public UninstallUI {
public:
    ConsoleUninstallUI(std::FILE* in, std::FILE* out, std::FILE* err) : in_(in), out_(out), err_(err) {}

    // The answer is the yes or no text, or its first letter; anything else asks again and the
    // end of the input counts as no.
    bool Confirm(const std::string& caption, const std::string& text, const std::string& yes,
                 const std::string& no) override {
        Print(out_, caption + "\n\n" + text + "\n");
        for (;;) {
            Print(out_, "\n" + yes + " / " + no + "? ");
            std::fflush(out_);
            std::optional<std::string> answer = ReadLine();
            if (!answer)
                return false;
            // A single letter stands for a word only when the two words start differently.
            bool letters = !yes.empty() && !no.empty() && !plat::SameText(yes.substr(0, 1), no.substr(0, 1));
            if (Matches(*answer, yes, letters))
                return true;
            if (Matches(*answer, no, letters))
                return false;
        }
    }
    void Note(const std::string& line) override { Print(out_, line + "\n"); }
    void Error(const std::string& line) override { Print(err_, "vtuninst: " + line + "\n"); }

private:
    static void Print(std::FILE* file, const std::string& cp1251) {
        std::string utf8 = plat::Cp1251ToUtf8(cp1251);
        std::fwrite(utf8.data(), 1, utf8.size(), file);
    }
    std::optional<std::string> ReadLine() {
        std::string line;
        int c = 0;
        while ((c = std::fgetc(in_)) != EOF && c != '\n')
            line += static_cast<char>(c);
        if (c == EOF && line.empty())
            return std::nullopt;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        return plat::Utf8ToCp1251(line);
    }
    static bool Matches(const std::string& answer, const std::string& word, bool letters) {
        return !word.empty() &&
               (plat::SameText(answer, word) || (letters && plat::SameText(answer, word.substr(0, 1))));
    }

    std::FILE* in_;
    std::FILE* out_;
    std::FILE* err_;
};

} // namespace

int RunUninstallCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err) {
    ConsoleUninstallUI ui(in, out, err);
    std::vector<std::string> names, hostNames;
    Uninstaller::Ask ask = Uninstaller::Ask::Yes;
    for (const std::string& arg : args) {
        if (arg == "--yes")
            ask = Uninstaller::Ask::No;
        else {
            names.push_back(plat::Utf8ToCp1251(arg));
            hostNames.push_back(arg);
        }
    }
    if (names.size() != 1) {
        ui.Error(plat::Ru("запуск: vtuninst <внутреннее имя программы> | <журнал удаления .isu> [--yes]"));
        return 1;
    }
    const std::string& name = names.front();
    // A log named directly (a product installed without an uninstall key): a Windows path, or a
    // host path, which names the same file through drive Z:.
    const bool logFile = plat::SameText(plat::ExtractFileExt(name), ".isu") &&
                         name.find_first_of("\\/") != std::string::npos;
    const std::string logPath = logFile && name.find('/') != std::string::npos ? plat::WinPathOf(hostNames.front()) : name;
    Uninstaller uninstaller = logFile ? Uninstaller::FromLog(logPath, ui) : Uninstaller(name, ui);
    switch (uninstaller.Run(ask)) {
    case UninstallResult::Done:
        return 0;
    case UninstallResult::Declined:
        return 2;
    case UninstallResult::Failed:
        return 1;
    }
    return 1;
}

} // namespace setup
