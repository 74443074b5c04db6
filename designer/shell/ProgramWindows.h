// The designer's windows, made in start-up's order: the main window (with the outfit slots it
// owns), the pattern-print window, the help window, the about box and the doll-print window. The
// printing windows answer their questions about the doll from the main window's wardrobe; the
// main window opens them and the help window through the sub-window interface, and the help
// window opens the about box in its own middle.
#pragma once

#include "designer/shell/AboutBox.h"
#include "designer/shell/DesignerWindows.h"
#include "designer/shell/Music.h"
#include "designer/shell/PrintSubWindows.h"
#include "designer/shell/ViewForm.h"
#include "designer/shell/WardrobeSources.h"

#include <memory>

class TProgramWindows : public TDesignerWindows {
public:
    // `music` is the main window's player (tests give a fake); the real one when null.
    explicit TProgramWindows(std::unique_ptr<TMusic> music = nullptr) : music_(std::move(music)) {}

    void Create(const std::function<void()>& pump) override;
    void Init() override { view_->Init(); }
    void ShowMain() override { view_->Ready(); }
    plat::TForm& MainForm() override { return *view_; }

    // The windows (valid after Create).
    TViewForm& View() { return *view_; }
    TPrintSubWindows& SubWindows() { return *subWindows_; }
    TAboutBox& About() { return *about_; }

private:
    void Wire(std::unique_ptr<printing::TSForm> patterns, std::unique_ptr<THelpForm> help,
              std::unique_ptr<printing::TPCForm> doll);

    std::unique_ptr<TMusic> music_;
    // Destroyed bottom up: the main window, which refers to all the others, goes first.
    std::unique_ptr<TAboutBox> about_;
    std::unique_ptr<TWardrobePatternSource> patternSource_;
    std::unique_ptr<TWardrobeDollSource> dollSource_;
    std::unique_ptr<TPrintSubWindows> subWindows_;
    std::unique_ptr<TViewForm> view_;
};
