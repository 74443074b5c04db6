// The hosting of Qt widgets in controls, and control names.
#include "platform/ui/StdControl.h"

#include "platform/graphics/QtText.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/StdWidget.h"

#include <QVBoxLayout>

namespace plat {

void HostWidget(TControl& control, QWidget* inner) {
    // A layout keeps the widget filling the control even while hidden; it must not impose the
    // widget's minimum size on the control, whose bounds the form sets.
    auto* layout = new QVBoxLayout(&control.Widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    inner->setParent(&control.Widget());
    inner->setMinimumSize(0, 0);
    layout->addWidget(inner);
    inner->show();
}

QString QtText(const std::string& cp1251) {
    return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

std::string SystemText(const QString& text) {
    return Utf8ToCp1251(text.toStdString());
}

TStdControl::TStdControl(TControl* parent) : TControl(parent) {
    SetTransparent(true);
}

namespace {
QWidget* InnerWidget(const TControl& control) {
    auto* inner = control.Widget().findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    return inner && !dynamic_cast<ControlWidget*>(inner) ? inner : nullptr;
}
} // namespace

void TStdControl::SetFocus() {
    if (QWidget* inner = InnerWidget(*this))
        inner->setFocus(Qt::OtherFocusReason);
}

bool TStdControl::Focused() const {
    QWidget* inner = InnerWidget(*this);
    return inner && inner->hasFocus();
}

void TStdControl::ApplyFont() {
    if (!HasFont())
        return;
    QWidget* inner = InnerWidget(*this);
    if (!inner)
        return;
    // Points to pixels at the screen's 96 dots per inch, as the painted controls do.
    inner->setFont(MakeQFont(Font(), (Font().Size * 96 + 36) / 72));
    QPalette palette = inner->palette();
    const TColor c = Font().Color;
    palette.setColor(QPalette::WindowText, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    inner->setPalette(palette);
}

void SetName(TControl& control, const std::string& name) {
    control.Widget().setObjectName(QString::fromStdString(name));
}

std::string NameOf(const TControl& control) {
    return control.Widget().objectName().toStdString();
}

TControl* FindControl(TControl& root, const std::string& name) {
    if (NameOf(root) == name)
        return &root;
    for (const auto& child : root.Controls())
        if (TControl* found = FindControl(*child, name))
            return found;
    return nullptr;
}

} // namespace plat
