// Progress lines of an unattended run (texts converted from cp1251 for the terminal).
#include "setup/install/ConsoleUI.h"

#include "platform/text/Cp1251.h"

namespace setup {

namespace {

constexpr int kPercentStep = 10; // a progress line every 10 %

} // namespace

ConsoleUI::ConsoleUI(std::FILE* out, std::FILE* err, std::string phases[4]) : out_(out), err_(err) {
    for (int i = 0; i < 4; ++i)
        phases_[i] = phases[i];
}

void ConsoleUI::SetPhase(int phase, PhaseStyle style) {
    if (style != PhaseStyle::Bold || phase < 1 || phase > 4)
        return;
    std::fprintf(out_, "[%d/4] %s\n", phase, plat::Cp1251ToUtf8(phases_[phase - 1]).c_str());
    std::fflush(out_);
}

void ConsoleUI::SetFileCaption(const std::string& text) {
    // Run steps show the script's text as the caption; copied files would flood the output.
    (void)text;
}

void ConsoleUI::SetProgressMax(int64_t maxKb) {
    max_ = maxKb;
    lastPercent_ = -1;
}

void ConsoleUI::SetProgress(int64_t positionKb) {
    if (max_ <= 0)
        return;
    // The run also copies the uninstaller, which the space estimate does not count: the bar
    // stops at its end, like the wizard's.
    positionKb = std::min(positionKb, max_);
    int percent = static_cast<int>(positionKb * 100 / max_);
    percent -= percent % kPercentStep;
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    std::fprintf(out_, "      %3d %% (%lld of %lld KB)\n", percent, static_cast<long long>(positionKb),
                 static_cast<long long>(max_));
    std::fflush(out_);
}

void ConsoleUI::ShowMessage(const std::string& text, const std::string& caption) {
    std::fprintf(err_, "%s: %s\n", plat::Cp1251ToUtf8(caption).c_str(), plat::Cp1251ToUtf8(text).c_str());
    std::fflush(err_);
}

bool ConsoleUI::AskYesNo(const std::string& text, const std::string& caption) {
    ShowMessage(text, caption);
    return true;
}

} // namespace setup
