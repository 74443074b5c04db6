// Pop-up menus on QMenu, or through the chooser a test installed.
#include "platform/ui/PopupMenu.h"

#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"

#include <QAction>
#include <QMenu>
#include <utility>

namespace plat {

namespace {

PopupChooser& Chooser() {
    static PopupChooser chooser;
    return chooser;
}

int ChooseWithQt(const std::vector<TMenuItem>& items, TPoint screen) {
    EnsureUiApplication();
    QMenu menu;
    std::vector<QAction*> actions;
    for (const TMenuItem& item : items) {
        if (item.IsSeparator()) {
            actions.push_back(menu.addSeparator());
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(Cp1251ToUtf8(item.Caption)));
        action->setEnabled(item.Enabled);
        if (item.Default) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            menu.setDefaultAction(action);
        }
        actions.push_back(action);
    }
    QAction* chosen = menu.exec(QPoint(screen.X, screen.Y));
    for (size_t i = 0; i < actions.size(); ++i)
        if (chosen && actions[i] == chosen)
            return static_cast<int>(i);
    return -1;
}

} // namespace

int TPopupMenu::Popup(TPoint screen) {
    const int index = Chooser() ? Chooser()(Items, screen) : ChooseWithQt(Items, screen);
    if (index < 0 || index >= static_cast<int>(Items.size()))
        return -1;
    // Separators and disabled items cannot be chosen, whatever a replacement answers.
    const TMenuItem& item = Items[index];
    if (item.IsSeparator() || !item.Enabled)
        return -1;
    if (item.OnClick)
        RunGuarded(item.OnClick);
    return index;
}

PopupChooser SetPopupChooser(PopupChooser chooser) {
    return std::exchange(Chooser(), std::move(chooser));
}

} // namespace plat
