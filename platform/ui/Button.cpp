#include "platform/ui/Button.h"

#include "platform/ui/Application.h"
#include "platform/ui/StdWidget.h"

#include <QPushButton>

namespace plat {

TButton::TButton(TControl* parent, const std::string& caption) : TStdControl(parent) {
    auto* button = new QPushButton;
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (OnClick)
            RunGuarded([this] { OnClick(*this); });
    });
    HostWidget(*this, button);
    SetCaption(caption);
}

std::string TButton::Caption() const {
    return SystemText(InnerOf<QPushButton>(*this).text());
}

void TButton::SetCaption(const std::string& caption) {
    InnerOf<QPushButton>(*this).setText(QtText(caption));
}

void TButton::SetDefault(bool isDefault) {
    InnerOf<QPushButton>(*this).setDefault(isDefault);
}

void TButton::Press() {
    InnerOf<QPushButton>(*this).click();
}

} // namespace plat
