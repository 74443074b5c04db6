// The parameter table and the parameter set's storage.
#include "setup/script/SetupParams.h"

#include "platform/core/Numeric.h"
#include "platform/text/Cp1251.h"

#include <cassert>

namespace setup {

namespace {

using K = ParamKind;

const std::vector<ParamDef> kParams = {
    // General
    {"SetupText", K::Text, "Product Setup", "MainWindow"},
    {"ProductName", K::Text, "Product", "MainWindow"},
    {"ProductVersion", K::Text, "alfa", "MainWindow"},
    {"FirmName", K::Text, "Vertalis", "MainWindow"},
    {"InternalName", K::Text, "Product", "MainWindow"},
    {"TopColor", K::Color, "16711680", "MainWindow"},
    {"BottomColor", K::Color, "0", "MainWindow"},
    {"BeforeRun", K::Text, "", "MainWindow"},
    {"AfterRun", K::Text, "", "MainWindow"},
    {"AutoUninstall", K::Flag, "", "MainWindow"},
    // Captions, buttons, messages
    {"WelcomeCaption", K::Text, "Welcome!", "TextInfo"},
    {"LicenseCaption", K::Text, "Software License Agreement", "TextInfo"},
    {"UserCaption", K::Text, "User Information", "TextInfo"},
    {"CustomCaption", K::Text, "Custom setup", "TextInfo"},
    {"WordCaption", K::Text, "Word Version Select", "TextInfo"},
    {"DirectoryCaption", K::Text, "Choose Destination Location", "TextInfo"},
    {"GroupCaption", K::Text, "Select program folder", "TextInfo"},
    {"CopyingCaption", K::Text, "Copying...", "TextInfo"},
    {"FinishCaption", K::Text, "Setup Complete", "TextInfo"},
    {"NamePrev", K::Text, "< Back", "TextInfo"},
    {"NameNext", K::Text, "Next >", "TextInfo"},
    {"NameCancel", K::Text, "Cancel", "TextInfo"},
    {"NameYes", K::Text, "Yes", "TextInfo"},
    {"NameNo", K::Text, "No", "TextInfo"},
    {"NameBrowse", K::Text, "Browse...", "TextInfo"},
    {"NameFinish", K::Text, "Finish", "TextInfo"},
    {"ErrorFile", K::Text, "File Copy Error: %s", "TextInfo"},
    {"ErrorShortcut", K::Text, "Shortcut creating error: %s", "TextInfo"},
    {"ErrorMissing", K::Text, "Source file missing: %s", "TextInfo"},
    {"ErrorAbortQuestion", K::Text, "Abort Setup ?", "TextInfo"},
    {"ErrorNotCompleted", K::Text, "Setup not completed", "TextInfo"},
    {"ErrorAborted", K::Text, "Setup aborted", "TextInfo"},
    {"ErrorDiskSpace", K::Text, "Disk space required: %d kb. Please choose another disk", "TextInfo"},
    {"Memo10", K::Lines, "", "TextInfo"},
    {"CaptionUninstall", K::Text, "Uninstall", "TextInfo"},
    // Files and icons, registry
    {"ListFiles", K::Lines, "", "Files"},
    {"GroupName", K::Text, "%ProductName%", "Files"},
    {"ListIcons", K::Lines, "", "Files"},
    {"RegList", K::Lines, "", "Registry"},
    // Pages
    {"Memo1", K::Lines, "", "WelcomeDialog"},
    {"Memo2", K::Lines, "", "LicenseDialog"},
    {"License", K::Lines, "", "LicenseDialog"},
    {"Memo4", K::Lines, "", "LicenseDialog"},
    {"Memo5", K::Lines, "", "UserDialog"},
    {"UserNameLabel", K::Text, "Your name:", "UserDialog"},
    {"OrganizationLabel", K::Text, "Organization:", "UserDialog"},
    {"CustomMemo", K::Lines, "", "CustomDialog"},
    {"FlagText1", K::Text, "", "CustomDialog"},
    {"FlagText2", K::Text, "", "CustomDialog"},
    {"FlagText3", K::Text, "", "CustomDialog"},
    {"Flag1", K::Text, "", "CustomDialog"},
    {"Flag2", K::Text, "", "CustomDialog"},
    {"Flag3", K::Text, "", "CustomDialog"},
    {"Memo7", K::Lines, "", "ChooseDir"},
    {"InstallDirLabel", K::Text, "Destination Directory", "ChooseDir"},
    {"DefaultDir", K::Text, "%ProgramFiles%\\%ProductName%", "ChooseDir"},
    {"Memo9", K::Lines, "", "SelectFolder"},
    {"Memo3", K::Lines, "", "CopyingDialog"},
    {"Process1", K::Text, "Copying files", "CopyingDialog"},
    {"Process2", K::Text, "Creating program group", "CopyingDialog"},
    {"Process3", K::Text, "Creating icons", "CopyingDialog"},
    {"Process4", K::Text, "Updating system information", "CopyingDialog"},
    {"Memo8", K::Lines, "", "ExitDialog"},
    {"Restart", K::Flag, "", "ExitDialog"},
    {"RestartText", K::Text, "Restart now", "ExitDialog"},
    {"Memo11", K::Lines, "", "Word"},
    {"Edit1", K::Text, "Word Language", "Word"},
    {"Edit2", K::Text, " Word Version", "Word"},
    {"Edit3", K::Text, "English", "Word"},
    {"Edit4", K::Text, "German", "Word"},
};

const std::string kEmpty;
const std::vector<std::string> kNoLines;

} // namespace

const std::vector<ParamDef>& ParamTable() {
    return kParams;
}

std::optional<size_t> FindParam(std::string_view name) {
    for (size_t i = 0; i < kParams.size(); ++i)
        if (plat::SameText(kParams[i].Name, name))
            return i;
    return std::nullopt;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

SetupParams::SetupParams() {
    values_.resize(kParams.size());
    for (size_t i = 0; i < kParams.size(); ++i) {
        const ParamDef& def = kParams[i];
        switch (def.Kind) {
        case K::Text:
        case K::Color:
            values_[i].Text = def.Default;
            break;
        case K::Lines:
            values_[i].Lines = SplitLines(def.Default);
            break;
        case K::Flag:
            values_[i].Flag = def.Default[0] != 0;
            break;
        }
    }
}

size_t SetupParams::Index(std::string_view name, ParamKind kind) const {
    std::optional<size_t> index = FindParam(name);
    assert(index && kParams[*index].Kind == kind && "parameter name or kind mismatch");
    if (!index || kParams[*index].Kind != kind)
        return kParams.size();
    return *index;
}

const std::string& SetupParams::Text(std::string_view name) const {
    size_t i = Index(name, K::Text);
    return i < values_.size() ? values_[i].Text : kEmpty;
}

void SetupParams::SetText(std::string_view name, std::string value) {
    size_t i = Index(name, K::Text);
    if (i < values_.size())
        values_[i].Text = std::move(value);
}

const std::vector<std::string>& SetupParams::Lines(std::string_view name) const {
    size_t i = Index(name, K::Lines);
    return i < values_.size() ? values_[i].Lines : kNoLines;
}

void SetupParams::SetLines(std::string_view name, std::vector<std::string> lines) {
    size_t i = Index(name, K::Lines);
    if (i < values_.size())
        values_[i].Lines = std::move(lines);
}

std::string SetupParams::JoinedLines(std::string_view name) const {
    std::string joined;
    const std::vector<std::string>& lines = Lines(name);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += "\r\n";
        joined += lines[i];
    }
    return joined;
}

bool SetupParams::Flag(std::string_view name) const {
    size_t i = Index(name, K::Flag);
    return i < values_.size() && values_[i].Flag;
}

void SetupParams::SetFlag(std::string_view name, bool on) {
    size_t i = Index(name, K::Flag);
    if (i < values_.size())
        values_[i].Flag = on;
}

const std::string& SetupParams::ColorText(std::string_view name) const {
    size_t i = Index(name, K::Color);
    return i < values_.size() ? values_[i].Text : kEmpty;
}

void SetupParams::SetColorText(std::string_view name, std::string text) {
    size_t i = Index(name, K::Color);
    if (i < values_.size())
        values_[i].Text = std::move(text);
}

uint32_t SetupParams::Color(std::string_view name) const {
    size_t i = Index(name, K::Color);
    if (i >= values_.size())
        return 0;
    int fallback = plat::StrToIntDef(kParams[i].Default, 0);
    return static_cast<uint32_t>(plat::StrToIntDef(values_[i].Text, fallback));
}

bool SetupParams::operator==(const SetupParams& other) const {
    for (size_t i = 0; i < values_.size(); ++i) {
        const Value& a = values_[i];
        const Value& b = other.values_[i];
        if (a.Text != b.Text || a.Lines != b.Lines || a.Flag != b.Flag)
            return false;
    }
    return true;
}

} // namespace setup
