// The application's hint: its timing state, the timer that wakes it exactly when the state is due
// to change, the replaceable hint window and the plain default window (Qt's tool tip).
#include "platform/core/Platform.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Timer.h"

#include <QPoint>
#include <QString>
#include <QToolTip>

namespace plat {

namespace {

class PlainHintWindow : public THintWindow {
public:
    void ActivateHint(TPoint screen, const std::string& text) override {
        QToolTip::showText(QPoint(screen.X, screen.Y), QString::fromStdString(Cp1251ToUtf8(text)));
    }
    void ReleaseHint() override { QToolTip::hideText(); }
};

struct HintState {
    HintState() {
        Wake.SetEnabled(false);
        Wake.OnTimer = UpdateHintWindow;
    }
    HintTimer Timer;
    TTimer Wake;
    HintWindowFactory Factory;
    std::unique_ptr<THintWindow> Window;
    // What the window shows; the timing state may have moved on since (the mouse went to another
    // control), which is exactly when the window must follow it.
    bool WindowShown = false;
};

HintState& State() {
    // Never destroyed, like the application object: the hint window is a widget, and widgets
    // cannot be deleted once Qt has begun tearing down at exit.
    static auto* state = new HintState;
    return *state;
}

// One tick at the hint's next change (the pause or the hide pause), none while nothing is pending.
void ArmWake() {
    HintState& state = State();
    const uint64_t next = state.Timer.NextChange();
    if (next == 0) {
        state.Wake.SetEnabled(false);
        return;
    }
    const uint64_t now = Platform::Current().TickCount();
    // An interval of 0 would keep the timer silent; an overdue change comes a millisecond later.
    state.Wake.SetInterval(next > now ? static_cast<unsigned>(next - now) : 1);
    state.Wake.SetEnabled(true);
}

THintWindow& Window() {
    HintState& state = State();
    if (!state.Window)
        state.Window = state.Factory ? state.Factory() : std::make_unique<PlainHintWindow>();
    return *state.Window;
}

} // namespace

HintTimer& ApplicationHints() {
    return State().Timer;
}

void SetHintWindowClass(HintWindowFactory factory) {
    HintState& state = State();
    if (state.Window)
        state.Window->ReleaseHint();
    state.Window.reset();
    state.WindowShown = false;
    state.Factory = std::move(factory);
}

THintWindow* HintWindowInstance() {
    return State().Window.get();
}

void CancelHint() {
    HintState& state = State();
    state.Timer.Cancel(Platform::Current().TickCount());
    ArmWake();
    if (!state.WindowShown)
        return;
    state.WindowShown = false;
    Window().ReleaseHint();
}

void UpdateHintWindow() {
    HintState& state = State();
    state.Timer.Tick(Platform::Current().TickCount());
    ArmWake();
    const bool show = state.Timer.Showing();
    if (show == state.WindowShown)
        return;
    state.WindowShown = show;
    if (show) {
        Window().ActivateHint(state.Timer.Where(), state.Timer.Text());
        return;
    }
    Window().ReleaseHint();
}

} // namespace plat
