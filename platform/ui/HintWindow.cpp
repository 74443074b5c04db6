// The application's hint: its timing state, the replaceable hint window and the plain default
// window (Qt's tool tip).
#include "platform/core/Platform.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Hints.h"

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
    HintTimer Timer;
    HintWindowFactory Factory;
    std::unique_ptr<THintWindow> Window;
};

HintState& State() {
    static HintState state;
    return state;
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
    state.Factory = std::move(factory);
}

void CancelHint() {
    const bool wasShowing = State().Timer.Showing();
    State().Timer.Cancel(Platform::Current().TickCount());
    if (wasShowing)
        Window().ReleaseHint();
}

void UpdateHintWindow() {
    HintTimer& timer = State().Timer;
    const bool wasShowing = timer.Showing();
    const bool changed = timer.Tick(Platform::Current().TickCount());
    if (!changed && wasShowing == timer.Showing())
        return;
    if (timer.Showing()) {
        Window().ActivateHint(timer.Where(), timer.Text());
        return;
    }
    Window().ReleaseHint();
}

} // namespace plat
