// Pop-up menus: items with a caption (code page 1251), an enabled flag, one default item shown in
// bold, and separators ("-" as caption). Popup shows the menu at a screen point and runs the
// chosen item's OnClick after the menu has closed. Tests replace the menu with a chooser.
#pragma once

#include "platform/graphics/Geometry.h"

#include <functional>
#include <string>
#include <vector>

namespace plat {

struct TMenuItem {
    std::string Caption; // "-" makes a separator
    bool Enabled = true;
    bool Default = false;
    std::function<void()> OnClick;
    bool IsSeparator() const { return Caption == "-"; }
};

class TPopupMenu {
public:
    std::vector<TMenuItem> Items;
    // Shows the menu; returns the index of the item chosen (its OnClick has run), or -1.
    int Popup(TPoint screen);
};

// Returns the index the user picks among `items`, or -1; a replacement gets the same items.
using PopupChooser = std::function<int(const std::vector<TMenuItem>& items, TPoint screen)>;
PopupChooser SetPopupChooser(PopupChooser chooser);

} // namespace plat
