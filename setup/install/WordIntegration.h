// Word integration: whether a script's file lists need it, which Word versions the registry and
// files of the prefix show, and what the WINWORD macros expand to once a choice is made.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace setup {

struct ScriptEntry;

struct WordVersionEntry {
    std::string StartupDir, ProgramFile, TemplatesDir, VersionName;
};

enum class WordKind { Startup, Program, Templates, Version, Language, FileOpen };

inline constexpr const char* kNoWordIntegration = "Ohne Integration in Word";

class WordIntegration {
  public:
    static constexpr size_t kEntries = 7;

    WordIntegration();

    // Whether any selected script's file list uses a WINWORD macro (only the first "%" of a line
    // counts). Also sets UsesWord.
    bool NeedsWord(const std::vector<ScriptEntry>& scripts);
    bool UsesWord() const { return usesWord_; }

    // Fills the entries and the version list from the registry (HKEY_CURRENT_USER) and the
    // Windows directory's winword6.ini; chooses the newest version found, or item 0.
    void DetectWordVersions(const std::string& windowsDir);

    const std::vector<std::string>& VersionList() const { return versionList_; }
    int ChosenVersion() const { return chosenVersion_; }
    void ChooseVersion(int index) { chosenVersion_ = index; }
    // 0 for the first language item (Edit3), 1 for the second (chosen at start).
    int Language() const { return language_; }
    void ChooseLanguage(int index) { language_ = index; }
    bool Frozen() const { return frozen_; }
    const WordVersionEntry& Entry(size_t index) const { return entries_[index]; }

    // The value of a WINWORD macro; freezes the choice on the first call with a version chosen.
    // `hdPath` gives %HDPATH% for the values without a choice.
    std::string WordValue(WordKind kind, const std::function<std::string()>& hdPath);

  private:
    std::array<WordVersionEntry, kEntries> entries_;
    std::vector<std::string> versionList_;
    int chosenVersion_ = 0;
    int language_ = 1;
    bool usesWord_ = false;
    bool frozen_ = false;
    WordVersionEntry choice_;
    std::string choiceLanguage_;
};

} // namespace setup
