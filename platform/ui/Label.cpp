#include "platform/ui/Label.h"

#include "platform/ui/StdWidget.h"

#include <QLabel>

namespace plat {

TLabel::TLabel(TControl* parent, const std::string& caption) : TStdControl(parent) {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    HostWidget(*this, label);
    SetCaption(caption);
}

std::string TLabel::Caption() const {
    return SystemText(InnerOf<QLabel>(*this).text());
}

void TLabel::SetCaption(const std::string& caption) {
    InnerOf<QLabel>(*this).setText(QtText(caption));
}

void TLabel::SetWordWrap(bool wrap) {
    InnerOf<QLabel>(*this).setWordWrap(wrap);
}

void TLabel::SetAlignment(TAlignment alignment) {
    const Qt::Alignment horizontal = alignment == TAlignment::Right    ? Qt::AlignRight
                                     : alignment == TAlignment::Center ? Qt::AlignHCenter
                                                                       : Qt::AlignLeft;
    InnerOf<QLabel>(*this).setAlignment(horizontal | Qt::AlignTop);
}

} // namespace plat
