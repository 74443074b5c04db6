// Message boxes on Qt, or through the handler a test installed.
#include "platform/ui/Dialogs.h"

#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace plat {

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

QString Q(const std::string& cp1251) {
    return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Information:
        return QMessageBox::Information;
    case TMsgDlgType::Warning:
        return QMessageBox::Warning;
    case TMsgDlgType::Error:
        return QMessageBox::Critical;
    case TMsgDlgType::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

std::vector<TModalResult> ButtonsOf(TMsgDlgButtons buttons) {
    switch (buttons) {
    case TMsgDlgButtons::Ok:
        return {TModalResult::Ok};
    case TMsgDlgButtons::YesNo:
        return {TModalResult::Yes, TModalResult::No};
    case TMsgDlgButtons::YesNoCancel:
        return {TModalResult::Yes, TModalResult::No, TModalResult::Cancel};
    }
    return {TModalResult::Ok};
}

std::string& LastCaption() {
    static std::string caption;
    return caption;
}

TModalResult ShowQtBox(TMsgDlgType type, TMsgDlgButtons buttons, const std::string& text,
                       const std::string& caption = {}) {
    EnsureUiApplication();
    // A carriage return alone breaks the line in the system's message boxes, as CR LF does.
    QString shown = Q(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(IconOf(type), Q(caption), shown);
    std::vector<std::pair<QAbstractButton*, TModalResult>> made;
    for (TModalResult result : ButtonsOf(buttons)) {
        const auto role = result == TModalResult::Cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        made.emplace_back(box.addButton(Q(ButtonCaption(result)), role), result);
    }
    box.exec();
    for (const auto& [button, result] : made)
        if (box.clickedButton() == button)
            return result;
    // Closed by the window's close box: the answer of Escape.
    return buttons == TMsgDlgButtons::YesNo ? TModalResult::No : made.back().second;
}

} // namespace

std::string ButtonCaption(TModalResult result) {
    switch (result) {
    case TModalResult::Ok:
        return "OK";
    case TModalResult::Cancel:
        return Ru("Отмена");
    case TModalResult::Yes:
        return Ru("Да");
    case TModalResult::No:
        return Ru("Нет");
    case TModalResult::None:
        return {};
    }
    return {};
}

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    if (Handler())
        return Handler()(type, buttons, text);
    return ShowQtBox(type, buttons, text);
}

TModalResult MessageDlgCaptioned(const std::string& caption, const std::string& text, TMsgDlgType type,
                                 TMsgDlgButtons buttons) {
    LastCaption() = caption;
    if (Handler())
        return Handler()(type, buttons, text);
    return ShowQtBox(type, buttons, text, caption);
}

const std::string& LastBoxCaption() {
    return LastCaption();
}

void ShowMessage(const std::string& text) {
    MessageDlg(text, TMsgDlgType::Information, TMsgDlgButtons::Ok);
}

void ShowError(const std::string& text) {
    MessageDlg(text, TMsgDlgType::Error, TMsgDlgButtons::Ok);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

} // namespace plat
