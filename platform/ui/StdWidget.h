// The Qt widget inside a standard control. Private to the windowing layer.
#pragma once

#include "platform/ui/ControlWidget.h"

#include <QWidget>

namespace plat {

// Puts `inner` into the control, filling it; the control's widget becomes its Qt parent.
void HostWidget(TControl& control, QWidget* inner);

// The widget HostWidget put into the control.
template <class W> W& InnerOf(const TControl& control) {
    auto* inner = control.Widget().findChild<W*>(QString(), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(inner, "InnerOf", "standard control without its widget");
    return *inner;
}

QString QtText(const std::string& cp1251);
std::string SystemText(const QString& text);

} // namespace plat
