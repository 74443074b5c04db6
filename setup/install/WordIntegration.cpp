// Word detection over the prefix's registry and Windows directory, and the WINWORD macro values.
#include "setup/install/WordIntegration.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1251.h"
#include "setup/script/ListParsers.h"
#include "setup/script/Macros.h"
#include "setup/script/SetupContext.h"

namespace setup {

namespace {

// A missing value reads as empty, and so does one that cannot be read as a string.
std::string ValueOf(const plat::TRegistry& reg, std::string_view name) {
    try {
        return reg.ReadString(name);
    } catch (const plat::Exception&) {
        return "";
    }
}

bool OpenReadOnly(plat::TRegistry& reg, std::string_view key) {
    try {
        return reg.OpenKeyReadOnly(key);
    } catch (const plat::Exception&) {
        return false;
    }
}

// Versions 2000 and XP keep the program folder and templates under Common\General.
bool DetectOfficeVersion(WordVersionEntry& entry, const std::string& version, const std::string& windowsDir) {
    plat::TRegistry reg(plat::RootKey::CurrentUser);
    if (!OpenReadOnly(reg, "\\Software\\Microsoft\\Office\\" + version + "\\Word\\Options"))
        return false;
    std::string programDir = ValueOf(reg, "PROGRAMDIR");
    entry.ProgramFile = programDir + "winword.exe";
    entry.StartupDir = programDir;
    if (OpenReadOnly(reg, "\\Software\\Microsoft\\Office\\" + version + "\\Common\\General")) {
        entry.TemplatesDir = ValueOf(reg, "UserTemplatess");
        if (entry.TemplatesDir.empty()) {
            std::string appData = ValueOf(reg, "ApplicationData");
            std::string templates = ValueOf(reg, "Templates");
            entry.TemplatesDir = appData.empty() && templates.empty()
                                     ? windowsDir + "\\ApplicationData\\Templates"
                                     : windowsDir + "\\" + appData + "\\" + templates;
        }
        entry.StartupDir += ValueOf(reg, "StartUp");
    }
    return plat::FileExists(entry.ProgramFile);
}

// Versions 95 and 97 name the start-up folder themselves and keep templates apart.
bool DetectOlderVersion(WordVersionEntry& entry, const std::string& optionsKey,
                        const std::string& templatesKey) {
    plat::TRegistry reg(plat::RootKey::CurrentUser);
    if (!OpenReadOnly(reg, optionsKey))
        return false;
    entry.ProgramFile = ValueOf(reg, "PROGRAMDIR") + "\\winword.exe";
    entry.StartupDir = ValueOf(reg, "STARTUP-PATH");
    if (OpenReadOnly(reg, templatesKey))
        entry.TemplatesDir = ValueOf(reg, "");
    return plat::FileExists(entry.ProgramFile);
}

// Values of one section of an ini file; names compared without regard to case.
std::string IniValue(const std::string& text, std::string_view section, std::string_view name) {
    bool inSection = false;
    for (const std::string& line : SplitLines(text)) {
        if (!line.empty() && line[0] == '[') {
            size_t close = line.find(']');
            inSection = close != line.npos && plat::SameText(line.substr(1, close - 1), section);
            continue;
        }
        size_t eq = line.find('=');
        if (inSection && eq != line.npos && plat::SameText(line.substr(0, eq), name))
            return line.substr(eq + 1);
    }
    return "";
}

bool DetectWord6(WordVersionEntry& entry, const std::string& windowsDir) {
    std::string ini = windowsDir + "\\winword6.ini";
    if (!plat::FileExists(ini))
        return false;
    std::string text;
    try {
        text = plat::ReadFileBytes(ini);
    } catch (const plat::Exception&) {
        return false;
    }
    std::string programDir = IniValue(text, "Microsoft Word", "PROGRAMDIR");
    entry.ProgramFile = programDir.empty() ? "" : programDir + "\\winword.exe";
    entry.StartupDir = IniValue(text, "Microsoft Word", "STARTUP-PATH");
    entry.TemplatesDir = IniValue(text, "Microsoft Word", "USER-DOT-PATH");
    return !entry.ProgramFile.empty() && plat::FileExists(entry.ProgramFile);
}

} // namespace

WordIntegration::WordIntegration() {
    entries_[0].VersionName = kNoWordIntegration;
    versionList_.push_back(kNoWordIntegration);
}

bool WordIntegration::NeedsWord(const std::vector<ScriptEntry>& scripts) {
    usesWord_ = false;
    for (const ScriptEntry& script : scripts) {
        if (!script.Selected)
            continue;
        for (const std::string& line : script.Params.Lines("ListFiles")) {
            if (line.empty() || line[0] == ';')
                continue;
            size_t percent = line.find('%');
            if (percent != line.npos && plat::UpperCase(line.substr(percent + 1, 7)) == "WINWORD")
                usesWord_ = true;
        }
    }
    return usesWord_;
}

void WordIntegration::DetectWordVersions(const std::string& windowsDir) {
    size_t n = 1;
    auto attempt = [&](const char* name, auto&& detect) {
        entries_[n] = WordVersionEntry();
        if (!detect(entries_[n]))
            return;
        entries_[n].VersionName = name;
        ++n;
    };
    attempt("XP", [&](WordVersionEntry& e) { return DetectOfficeVersion(e, "10.0", windowsDir); });
    attempt("2000", [&](WordVersionEntry& e) { return DetectOfficeVersion(e, "9.0", windowsDir); });
    attempt("97", [&](WordVersionEntry& e) {
        return DetectOlderVersion(e, "\\Software\\Microsoft\\Office\\8.0\\Word\\Options",
                                  "\\Software\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates");
    });
    attempt("95", [&](WordVersionEntry& e) {
        return DetectOlderVersion(e, "\\Software\\Microsoft\\Word\\7.0\\Options",
                                  "\\Software\\Microsoft\\Office\\7.0\\Common\\FileNew\\LocalTemplates");
    });
    attempt("6.0", [&](WordVersionEntry& e) { return DetectWord6(e, windowsDir); });
    entries_[n] = WordVersionEntry();

    versionList_.assign(1, kNoWordIntegration);
    for (size_t i = 1; i < n; ++i)
        versionList_.push_back("Word " + entries_[i].VersionName);
    chosenVersion_ = n > 1 ? 1 : 0;
}

std::string WordIntegration::WordValue(WordKind kind, const std::function<std::string()>& hdPath) {
    if (!frozen_ && !versionList_.empty() && chosenVersion_ > 0 &&
        static_cast<size_t>(chosenVersion_) < kEntries) {
        choice_ = entries_[chosenVersion_];
        choiceLanguage_ = language_ == 0 ? "ENG" : "GER";
        frozen_ = !choice_.StartupDir.empty();
    }
    if (frozen_) {
        switch (kind) {
        case WordKind::Startup:
            return choice_.StartupDir;
        case WordKind::Templates:
            return choice_.TemplatesDir;
        case WordKind::Version:
            return choice_.VersionName;
        case WordKind::Language:
            return choiceLanguage_;
        case WordKind::FileOpen:
            return "FileOpen";
        case WordKind::Program:
            return ShortPath(choice_.ProgramFile);
        }
    }
    switch (kind) {
    case WordKind::Startup:
    case WordKind::Templates:
        return hdPath();
    case WordKind::Version:
        return "97";
    case WordKind::Language:
        return "GER";
    case WordKind::FileOpen:
        return "FileOpen";
    case WordKind::Program:
        return "";
    }
    return "";
}

} // namespace setup
