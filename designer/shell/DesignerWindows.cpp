#include "designer/shell/ProgramWindows.h"

void TProgramWindows::Create(const std::function<void()>& pump) {
    view_ = std::make_unique<TViewForm>(std::move(music_));
    pump();
    auto patterns = std::make_unique<printing::TSForm>();
    pump();
    auto help = std::make_unique<THelpForm>();
    pump();
    about_ = std::make_unique<TAboutBox>();
    pump();
    auto doll = std::make_unique<printing::TPCForm>();
    pump();
    Wire(std::move(patterns), std::move(help), std::move(doll));
}

void TProgramWindows::Wire(std::unique_ptr<printing::TSForm> patterns, std::unique_ptr<THelpForm> help,
                           std::unique_ptr<printing::TPCForm> doll) {
    patternSource_ = std::make_unique<TWardrobePatternSource>(view_->Wardrobe());
    dollSource_ = std::make_unique<TWardrobeDollSource>(view_->Wardrobe());
    subWindows_ = std::make_unique<TPrintSubWindows>(std::move(patterns), std::move(help), std::move(doll));
    subWindows_->SetSources(patternSource_.get(), dollSource_.get());
    subWindows_->Help.ShowAbout = [this](const plat::TRect& over) { about_->Execute(over); };
    view_->SetSubWindows(subWindows_.get());
}

std::unique_ptr<TDesignerWindows> MakeDesignerWindows() {
    return std::make_unique<TProgramWindows>();
}
