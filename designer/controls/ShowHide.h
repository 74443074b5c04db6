// TShowHide sequences the exchange of the doll and the pattern panel on the main window's posted
// messages WM_USER + 1 to + 6. It holds no window: the main window passes the six messages on, and
// the doll and the panel are reached through the two small interfaces below, so the sequence is
// driven the same way by the real controls and by stand-ins.
#pragma once

// What the sequence asks of the doll. Each call finishes by posting the message named.
class TShowHideDoll {
public:
    virtual ~TShowHideDoll() = default;
    virtual void StartHide(bool animate) = 0; // posts +3 when hidden
    virtual void StartShow(bool animate) = 0; // posts +6 when shown
    virtual void PrepareTimers() = 0;
    virtual void ReleaseTimers() = 0;
};

// What the sequence asks of the pattern panel.
class TShowHidePanel {
public:
    virtual ~TShowHidePanel() = default;
    virtual void StartOpen() = 0;  // becomes visible and animates open, posts +5
    virtual void StartClose() = 0; // hides its pane, the pane's scroll bar and buttons, posts +4
    virtual void PrepareTimers() = 0;
    virtual void ReleaseTimers() = 0;
};

enum class TShowHideMessage {
    ShowPatterns = 1,
    HidePatterns,
    DollHidden,
    PanelClosed,
    PanelOpened,
    DollShown
};

class TShowHide {
public:
    TShowHideDoll* Models = nullptr;
    TShowHidePanel* ModelShow = nullptr;

    void Start();
    void Finish();
    // `offset` is the message number less WM_USER; returns false for a number not its own.
    bool HandleMessage(int offset);
    bool Shown() const { return shown_; }

private:
    bool shown_ = false;
    int busyOwed_ = 0; // busy "on"s of the sequence not yet matched by their "off"
};

// Program-wide: set by the main window when the display has 16 or 24 bits per pixel.
extern bool AnimationsEnabled;
