// The windows the main window opens over itself: help, pattern printing and doll printing. The
// main window knows them only through this interface; the program's start-up hands it the real
// windows, tests hand it a recorder. Each Show* opens its window modally and returns when it is
// closed; the caller's hints are off meanwhile (the caller does that).
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Control.h"

#include <string>

// The doll measurements as typed in the pattern-print window, kept with every saved outfit.
struct TMeasureTexts {
    std::string Width;  // back width (field sW1)
    std::string Height; // height (field sH)
};

class TSubWindows {
public:
    virtual ~TSubWindows() = default;

    // The help window on `topic` ("main" from the main window, "key_opsvform" from the slots).
    virtual void ShowHelp(plat::TForm& caller, const std::string& topic) = 0;
    // The pattern-print and doll-print windows, given the doll by whoever made them.
    virtual void ShowPatternPrint(plat::TForm& caller) = 0;
    virtual void ShowDollPrint(plat::TForm& caller) = 0;

    // The shared skin (owned by the main window, alive as long as it): each window takes its
    // rectangle from its own origin (help (0, 0), pattern print (435, 0), doll print (840, 329)).
    virtual void SetSkin(const plat::Bitmap* skin) = 0;
    // The caption of every window ("Velmora").
    virtual void SetCaption(const std::string& caption) = 0;

    // The pattern-print window's measurement fields: as typed, put back by restoring an outfit,
    // and its standard values (the defaults of an outfit that has none).
    virtual TMeasureTexts MeasureTexts() = 0;
    virtual void SetMeasureTexts(const TMeasureTexts& texts) = 0;
    virtual TMeasureTexts StandardMeasureTexts() = 0;
};

// Opens nothing and keeps the measurement texts: the main window's sub-windows until the real
// ones are handed over.
class TNoSubWindows : public TSubWindows {
public:
    void ShowHelp(plat::TForm&, const std::string&) override {}
    void ShowPatternPrint(plat::TForm&) override {}
    void ShowDollPrint(plat::TForm&) override {}
    void SetSkin(const plat::Bitmap*) override {}
    void SetCaption(const std::string&) override {}
    TMeasureTexts MeasureTexts() override { return texts_; }
    void SetMeasureTexts(const TMeasureTexts& texts) override { texts_ = texts; }
    TMeasureTexts StandardMeasureTexts() override { return {"6.5", "30.0"}; }

private:
    TMeasureTexts texts_{"6.5", "30.0"};
};
