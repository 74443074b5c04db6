// Keyboard events of TControl: Qt's keys turned into the platform's key codes and cp1251
// characters, the window's key preview, and the focus.
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/ControlWidget.h"

#include "platform/text/Cp1251.h"

#include <QKeyEvent>

namespace plat {

namespace {

TKey KeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<TKey>(qtKey); // the same ASCII codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<TKey>(VK_F1 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default: return 0;
    }
}

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
    TKey key = KeyOf(e->key());
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
    TKey key = KeyOf(e->key());
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
