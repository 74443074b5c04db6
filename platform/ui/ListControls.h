// Lists of texts: a list box and a combo box (editable, or a drop-down list to pick from).
#pragma once

#include "platform/ui/StdControl.h"

#include <functional>
#include <string>
#include <vector>

namespace plat {

class TListBox : public TStdControl {
public:
    explicit TListBox(TControl* parent);
    void SetItems(const std::vector<std::string>& items);
    std::vector<std::string> Items() const;
    int Count() const;
    std::string Item(int index) const;
    // -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // OnClick runs when the user picks an item (mouse or keys).
};

enum class TComboStyle { DropDown, DropDownList };

class TComboBox : public TStdControl {
public:
    explicit TComboBox(TControl* parent, TComboStyle style = TComboStyle::DropDown);
    void SetItems(const std::vector<std::string>& items);
    int Count() const;
    std::string Item(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Rows the opened list shows before it scrolls.
    void SetDropDownCount(int rows);
    std::string Text() const;
    void SetText(const std::string& text);
    // After the user changed the choice or the text.
    std::function<void(TComboBox&)> OnChange;
};

} // namespace plat
