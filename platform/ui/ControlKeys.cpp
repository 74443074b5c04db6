// Keyboard events of TControl: Qt's keys turned into the platform's key codes and cp1251
// characters, the window's key preview, and the focus.
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/ControlWidget.h"
#include "platform/ui/KeysQt.h"

#include "platform/text/Cp1251.h"

#include <QKeyEvent>

namespace plat {

namespace {

struct KeyPair {
    TKey Key;
    int Qt;
};
// Keys whose codes differ; digits, letters and F1-F12 map by arithmetic. The first pair of a code
// is the one sent for it (Return rather than keypad Enter).
constexpr KeyPair kKeyPairs[] = {
    {VK_BACK, Qt::Key_Backspace}, {VK_TAB, Qt::Key_Tab},       {VK_RETURN, Qt::Key_Return},
    {VK_RETURN, Qt::Key_Enter},   {VK_SHIFT, Qt::Key_Shift},   {VK_CONTROL, Qt::Key_Control},
    {VK_MENU, Qt::Key_Alt},       {VK_ESCAPE, Qt::Key_Escape}, {VK_SPACE, Qt::Key_Space},
    {VK_PRIOR, Qt::Key_PageUp},   {VK_NEXT, Qt::Key_PageDown}, {VK_END, Qt::Key_End},
    {VK_HOME, Qt::Key_Home},      {VK_LEFT, Qt::Key_Left},     {VK_UP, Qt::Key_Up},
    {VK_RIGHT, Qt::Key_Right},    {VK_DOWN, Qt::Key_Down},     {VK_INSERT, Qt::Key_Insert},
    {VK_DELETE, Qt::Key_Delete},
};

bool SameInBoth(int code) {
    return (code >= Qt::Key_0 && code <= Qt::Key_9) || (code >= Qt::Key_A && code <= Qt::Key_Z); // ASCII
}

} // namespace

TKey KeyFromQt(int qtKey) {
    if (SameInBoth(qtKey))
        return static_cast<TKey>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<TKey>(VK_F1 + (qtKey - Qt::Key_F1));
    for (const KeyPair& pair : kKeyPairs) {
        if (pair.Qt == qtKey)
            return pair.Key;
    }
    return 0;
}

int QtKeyOf(TKey key) {
    if (SameInBoth(key))
        return key;
    if (key >= VK_F1 && key <= VK_F12)
        return Qt::Key_F1 + (key - VK_F1);
    for (const KeyPair& pair : kKeyPairs) {
        if (pair.Key == key)
            return pair.Qt;
    }
    return Qt::Key_unknown;
}

namespace {

TShiftState ShiftOf(const QKeyEvent& e) {
    const auto mods = e.modifiers();
    return {mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::ControlModifier),
            mods.testFlag(Qt::AltModifier), false, false};
}

// The typed character in cp1251; 0 when there is none or it has no cp1251 form.
char CharOf(const QKeyEvent& e) {
    const QString text = e.text();
    if (text.size() != 1)
        return 0;
    const QChar c = text.at(0);
    if (c.unicode() == '\r' || c.unicode() == '\b' || c.unicode() == 27 || c.unicode() == '\t')
        return static_cast<char>(c.unicode());
    if (!c.isPrint())
        return 0;
    const std::string local = Utf8ToCp1251(text.toStdString());
    return local.size() == 1 ? local[0] : 0;
}

// Runs one key handler on the window (when it previews keys) and then on the control.
template <class Handler> bool Dispatch(TControl& control, Handler&& handler) {
    TForm* form = FormOf(control);
    bool consumed = false;
    RunGuarded([&] {
        if (form && form->KeyPreview && form != &control)
            consumed = handler(static_cast<TControl&>(*form));
        if (!consumed)
            consumed = handler(control);
    });
    return consumed;
}

} // namespace

void ControlWidget::keyPressEvent(QKeyEvent* e) {
    TKey key = KeyFromQt(e->key());
    const TShiftState shift = ShiftOf(*e);
    const bool consumed = key != 0 && Dispatch(control_, [&](TControl& c) {
        c.KeyDown(key, shift);
        return key == 0;
    });
    char typed = CharOf(*e);
    if (!consumed && typed != 0)
        Dispatch(control_, [&](TControl& c) {
            c.KeyPress(typed);
            return typed == 0;
        });
    e->accept();
}

void ControlWidget::keyReleaseEvent(QKeyEvent* e) {
    TKey key = KeyFromQt(e->key());
    const TShiftState shift = ShiftOf(*e);
    if (key != 0)
        Dispatch(control_, [&](TControl& c) {
            c.KeyUp(key, shift);
            return key == 0;
        });
    e->accept();
}

void TControl::KeyDown(TKey& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(*this, key, shift);
}

void TControl::KeyUp(TKey& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(*this, key, shift);
}

void TControl::KeyPress(char& key) {
    if (OnKeyPress)
        OnKeyPress(*this, key);
}

void TControl::SetFocus() {
    if (widget_->focusPolicy() == Qt::NoFocus)
        widget_->setFocusPolicy(Qt::StrongFocus);
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TControl::Focused() const {
    return widget_->hasFocus();
}

} // namespace plat
