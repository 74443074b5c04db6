#include "platform/ui/CheckBox.h"

#include "platform/ui/Application.h"
#include "platform/ui/StdWidget.h"

#include <QCheckBox>
#include <QRadioButton>

namespace plat {

namespace {

template <class Control, class Button> void ConnectClick(Control& control, Button* button) {
    QObject::connect(button, &Button::clicked, button, [&control] {
        if (control.OnClick)
            RunGuarded([&control] { control.OnClick(control); });
    });
}

// Qt groups option buttons by their Qt parent, which is each button's own control here.
void ClearSiblings(TRadioButton& chosen) {
    if (!chosen.Parent())
        return;
    for (const auto& child : chosen.Parent()->Controls())
        if (auto* other = dynamic_cast<TRadioButton*>(child.get()); other && other != &chosen)
            InnerOf<QRadioButton>(*other).setChecked(false);
}

// The whole control answers a click, not only the box and its caption, so no click falls through
// to the control underneath as a bare OnClick.
template <class Button> class WholeAreaButton : public Button {
protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

} // namespace

TCheckBox::TCheckBox(TControl* parent, const std::string& caption) : TStdControl(parent) {
    auto* box = new WholeAreaButton<QCheckBox>;
    ConnectClick(*this, box);
    HostWidget(*this, box);
    SetCaption(caption);
}

std::string TCheckBox::Caption() const {
    return SystemText(InnerOf<QCheckBox>(*this).text());
}

void TCheckBox::SetCaption(const std::string& caption) {
    InnerOf<QCheckBox>(*this).setText(QtText(caption));
}

bool TCheckBox::Checked() const {
    return InnerOf<QCheckBox>(*this).isChecked();
}

void TCheckBox::SetChecked(bool checked) {
    InnerOf<QCheckBox>(*this).setChecked(checked);
}

TRadioButton::TRadioButton(TControl* parent, const std::string& caption) : TStdControl(parent) {
    auto* button = new WholeAreaButton<QRadioButton>;
    button->setAutoExclusive(false);
    QObject::connect(button, &QRadioButton::clicked, button, [this, button] {
        // A click on the chosen button leaves it chosen, as in a group.
        button->setChecked(true);
        ClearSiblings(*this);
        if (OnClick)
            RunGuarded([this] { OnClick(*this); });
    });
    HostWidget(*this, button);
    SetCaption(caption);
}

std::string TRadioButton::Caption() const {
    return SystemText(InnerOf<QRadioButton>(*this).text());
}

void TRadioButton::SetCaption(const std::string& caption) {
    InnerOf<QRadioButton>(*this).setText(QtText(caption));
}

bool TRadioButton::Checked() const {
    return InnerOf<QRadioButton>(*this).isChecked();
}

void TRadioButton::SetChecked(bool checked) {
    InnerOf<QRadioButton>(*this).setChecked(checked);
    if (checked)
        ClearSiblings(*this);
}

} // namespace plat
