// The hosting of Qt widgets in controls, and control names.
#include "platform/ui/StdControl.h"

#include "platform/graphics/QtText.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/StdWidget.h"


namespace plat {

void HostWidget(TControl& control, QWidget* inner) {
    inner->setParent(&control.Widget());
    inner->setGeometry(0, 0, control.Width(), control.Height());
    control.Widget().setFocusProxy(inner);
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

TStdControl::~TStdControl() {
    // The widget goes after this object has become a plain TControl; what it signals while it is
    // taken apart (a page removed, a selection cleared) must not reach the handlers.
    if (QWidget* inner = InnerWidget(*this)) {
        inner->blockSignals(true);
        for (QObject* part : inner->findChildren<QObject*>())
            part->blockSignals(true);
    }
}

void TStdControl::Resized() {
    if (QWidget* inner = InnerWidget(*this))
        inner->setGeometry(0, 0, Width(), Height());
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
    const QColor color(GetRValue(c), GetGValue(c), GetBValue(c));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, color);
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

namespace plat {
TColor ButtonFaceColor() {
    EnsureUiApplication();
    const QColor c = QPalette().color(QPalette::Button);
    return RGB(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}
} // namespace plat
