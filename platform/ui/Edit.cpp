#include "platform/ui/Edit.h"

#include "platform/ui/Application.h"
#include "platform/ui/StdWidget.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace plat {

namespace {

class EditWidget : public QLineEdit {
public:
    explicit EditWidget(TEdit& edit) : edit_(edit) {
        connect(this, &QLineEdit::textEdited, this, [this] {
            if (edit_.OnChange)
                RunGuarded([this] { edit_.OnChange(edit_); });
        });
    }

protected:
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        // A pop-up menu of the edit itself takes the focus for a moment; that is no exit.
        if (event->reason() != Qt::PopupFocusReason && edit_.OnExit)
            RunGuarded([this] { edit_.OnExit(edit_); });
    }

private:
    TEdit& edit_;
};

} // namespace

TEdit::TEdit(TControl* parent) : TStdControl(parent) {
    HostWidget(*this, new EditWidget(*this));
}

std::string TEdit::Text() const {
    return SystemText(InnerOf<QLineEdit>(*this).text());
}

void TEdit::SetText(const std::string& text) {
    InnerOf<QLineEdit>(*this).setText(QtText(text));
}

void TEdit::SetMaxLength(int length) {
    InnerOf<QLineEdit>(*this).setMaxLength(length > 0 ? length : 32767);
}

void TEdit::SetReadOnly(bool readOnly) {
    InnerOf<QLineEdit>(*this).setReadOnly(readOnly);
}

void TEdit::SelectAll() {
    InnerOf<QLineEdit>(*this).selectAll();
}

} // namespace plat
