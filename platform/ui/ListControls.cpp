#include "platform/ui/ListControls.h"

#include "platform/ui/Application.h"
#include "platform/ui/StdWidget.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace plat {

namespace {
QStringList QtList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items)
        list.push_back(QtText(item));
    return list;
}
} // namespace

TListBox::TListBox(TControl* parent) : TStdControl(parent) {
    auto* list = new QListWidget;
    // Only the user's picks, not SetItemIndex, report a click.
    QObject::connect(list, &QListWidget::itemClicked, list, [this] {
        if (OnClick)
            RunGuarded([this] { OnClick(*this); });
    });
    QObject::connect(list, &QListWidget::itemActivated, list, [this] {
        if (OnClick)
            RunGuarded([this] { OnClick(*this); });
    });
    HostWidget(*this, list);
}

void TListBox::SetItems(const std::vector<std::string>& items) {
    auto& list = InnerOf<QListWidget>(*this);
    list.clear();
    list.addItems(QtList(items));
}

std::vector<std::string> TListBox::Items() const {
    std::vector<std::string> items;
    for (int i = 0; i < Count(); ++i)
        items.push_back(Item(i));
    return items;
}

int TListBox::Count() const {
    return InnerOf<QListWidget>(*this).count();
}

std::string TListBox::Item(int index) const {
    const QListWidgetItem* item = InnerOf<QListWidget>(*this).item(index);
    return item ? SystemText(item->text()) : std::string();
}

int TListBox::ItemIndex() const {
    return InnerOf<QListWidget>(*this).currentRow();
}

void TListBox::SetItemIndex(int index) {
    auto& list = InnerOf<QListWidget>(*this);
    list.setCurrentRow(index);
    if (index < 0)
        list.clearSelection();
}

TComboBox::TComboBox(TControl* parent, TComboStyle style) : TStdControl(parent) {
    auto* combo = new QComboBox;
    combo->setEditable(style == TComboStyle::DropDown);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo, &QComboBox::activated, combo, [this] {
        if (OnChange)
            RunGuarded([this] { OnChange(*this); });
    });
    if (QLineEdit* edit = combo->lineEdit())
        QObject::connect(edit, &QLineEdit::textEdited, combo, [this] {
            if (OnChange)
                RunGuarded([this] { OnChange(*this); });
        });
    HostWidget(*this, combo);
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    auto& combo = InnerOf<QComboBox>(*this);
    const QString text = combo.currentText();
    combo.clear();
    combo.addItems(QtList(items));
    combo.setCurrentIndex(-1);
    if (combo.isEditable())
        combo.setEditText(text);
}

int TComboBox::Count() const {
    return InnerOf<QComboBox>(*this).count();
}

std::string TComboBox::Item(int index) const {
    return SystemText(InnerOf<QComboBox>(*this).itemText(index));
}

int TComboBox::ItemIndex() const {
    return InnerOf<QComboBox>(*this).currentIndex();
}

void TComboBox::SetItemIndex(int index) {
    InnerOf<QComboBox>(*this).setCurrentIndex(index);
}

void TComboBox::SetDropDownCount(int rows) {
    InnerOf<QComboBox>(*this).setMaxVisibleItems(std::max(1, rows));
}

std::string TComboBox::Text() const {
    return SystemText(InnerOf<QComboBox>(*this).currentText());
}

void TComboBox::SetText(const std::string& text) {
    auto& combo = InnerOf<QComboBox>(*this);
    if (combo.isEditable())
        combo.setEditText(QtText(text));
    else
        combo.setCurrentIndex(combo.findText(QtText(text)));
}

} // namespace plat
