#include "designer/shell/PrintSubWindows.h"

namespace {

constexpr int kHeight = static_cast<int>(printing::TMeasure::Height);
constexpr int kBackWidth = static_cast<int>(printing::TMeasure::BackWidth);

} // namespace

TPrintSubWindows::TPrintSubWindows(const printing::IPatternSource* patterns,
                                   const printing::IDollSource* doll)
    : TPrintSubWindows(std::make_unique<printing::TSForm>(), std::make_unique<THelpForm>(),
                       std::make_unique<printing::TPCForm>()) {
    SetSources(patterns, doll);
}

TPrintSubWindows::TPrintSubWindows(std::unique_ptr<printing::TSForm> patterns, std::unique_ptr<THelpForm> help,
                                   std::unique_ptr<printing::TPCForm> doll)
    : help_(std::move(help)), patterns_(std::move(patterns)), doll_(std::move(doll)), Help(*help_),
      Patterns(*patterns_), Doll(*doll_) {
    Patterns.OpenHelp = [this](const std::string& key) { OpenHelp(Patterns, Help, key); };
    Doll.OpenHelp = [this](const std::string& key) { OpenHelp(Doll, Help, key); };
}

void TPrintSubWindows::SetSources(const printing::IPatternSource* patterns,
                                  const printing::IDollSource* doll) {
    Patterns.Source = patterns;
    Doll.Doll = doll;
}

void TPrintSubWindows::ShowHelp(plat::TForm&, const std::string& topic) {
    Help.Execute(topic);
}

void TPrintSubWindows::ShowPatternPrint(plat::TForm& caller) {
    Patterns.MainForm = &caller;
    Patterns.Execute();
}

void TPrintSubWindows::ShowDollPrint(plat::TForm& caller) {
    Doll.MainForm = &caller;
    Doll.Execute();
}

void TPrintSubWindows::SetSkin(const plat::Bitmap* skin) {
    Help.SetSkin(skin);
    Patterns.SetSkin(skin);
    Doll.SetSkin(skin);
}

void TPrintSubWindows::SetCaption(const std::string& caption) {
    Help.SetCaption(caption);
    Patterns.SetCaption(caption);
    Doll.SetCaption(caption);
}

TMeasureTexts TPrintSubWindows::MeasureTexts() {
    const printing::TMeasureTexts texts = Patterns.Texts();
    return {texts[kBackWidth], texts[kHeight]};
}

void TPrintSubWindows::SetMeasureTexts(const TMeasureTexts& texts) {
    printing::TMeasureTexts all = Patterns.Texts();
    all[kBackWidth] = texts.Width;
    all[kHeight] = texts.Height;
    // Waist and hips follow the restored back width, as leaving its field does.
    printing::FollowWidths(all, printing::TMeasure::BackWidth);
    Patterns.SetTexts(all);
}

TMeasureTexts TPrintSubWindows::StandardMeasureTexts() {
    return {printing::kStandardTexts[kBackWidth], printing::kStandardTexts[kHeight]};
}
