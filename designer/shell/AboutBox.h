// The about box: a black 342 x 243 window whose whole area is the credits panel. The picture and
// below it the credit lines, centred, move upward one step every 30 ms from the panel's bottom
// edge; when the last line has passed the top, or on a click, the box closes with OK. It is
// placed in the middle of the window that opens it (the help window), or of the screen.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Control.h"
#include "platform/ui/Timer.h"

#include <string>
#include <vector>

// The scrolling of the credits, apart from the window: positions of the content in the panel.
class TCreditsScroll {
public:
    // Pixels the content moves each tick.
    static constexpr int kStep = 1;

    // A panel of `panelHeight` with `inset` pixels of frame at the top and bottom, showing content
    // `contentHeight` high.
    TCreditsScroll(int panelHeight, int inset, int contentHeight)
        : panelHeight_(panelHeight), inset_(inset), contentHeight_(contentHeight) {}

    // Puts the content's top at the inner bottom edge (nothing shown yet).
    void Start() { top_ = panelHeight_ - inset_; }
    // One step up; returns false once everything has passed the inner top edge.
    bool Tick() {
        top_ -= kStep;
        return !Finished();
    }
    bool Finished() const { return top_ + contentHeight_ <= inset_; }
    // Where the content's top is, in panel coordinates.
    int Top() const { return top_; }

private:
    int panelHeight_;
    int inset_;
    int contentHeight_;
    int top_ = 0;
};

class TAboutBox : public plat::TForm {
public:
    static constexpr int kWidth = 342;
    static constexpr int kHeight = 243;
    static constexpr unsigned kScrollIntervalMs = 30;
    static constexpr int kBevel = 1;
    // The text colour of the credits, lime green (0x00BBGGRR).
    static constexpr plat::TColor kTextColor = 0x00FF00;
    static constexpr int kModalOk = 1;

    // Loads the credit lines from Resource\about.txt and the picture from Resource\about.bmp of
    // the data folder; what cannot be read is left out.
    TAboutBox();
    ~TAboutBox() override;

    // Shows the box modally in the middle of `over` (the screen when null) and returns the modal
    // result (OK).
    int Execute(const plat::TControl* over = nullptr);
    // The same in the middle of `area` (screen coordinates), as the help window gives its place.
    int Execute(const plat::TRect& area);

    // Starts the scrolling from the bottom (what Execute does before the box shows).
    void StartScroll();
    // Stops the scrolling and closes the box with OK.
    void CloseOk();

    const std::vector<std::string>& Lines() const { return lines_; }
    const plat::Bitmap& Picture() const { return picture_; }
    const TCreditsScroll& Scroll() const { return scroll_; }
    bool Scrolling() const { return timer_.Enabled(); }
    int LineHeight() const { return lineHeight_; }
    // Where the box goes in the middle of `area` (screen coordinates).
    static plat::TPoint CentredOn(const plat::TRect& area);

    void Paint(plat::Canvas& canvas) override;
    void MouseDown(plat::TMouseButton button, plat::TShiftState shift, int x, int y) override;

private:
    void LoadCredits();
    void TimerTimer();
    int ContentHeight() const;

    std::vector<std::string> lines_;
    plat::Bitmap picture_;
    plat::TTimer timer_;
    int lineHeight_ = 18;
    TCreditsScroll scroll_;
};
