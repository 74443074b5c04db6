// Pages: a control showing one of its pages at a time, with or without tabs to switch them.
// A page is a plain control that owns what is put on it.
#pragma once

#include "platform/ui/StdControl.h"

#include <functional>
#include <string>
#include <vector>

namespace plat {

class TPageControl;

class TTabSheet : public TControl {
public:
    TTabSheet(TControl* parent, const std::string& caption);
    void Paint(Canvas& canvas) override;
    std::string Caption;
};

class TPageControl : public TStdControl {
public:
    // `tabs` false gives a notebook: pages switched only by the program.
    explicit TPageControl(TControl* parent, bool tabs = true);
    TTabSheet& AddPage(const std::string& caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet& Page(int index) const { return *pages_.at(static_cast<size_t>(index)); }
    int ActivePageIndex() const;
    // Makes the page current and runs OnChange when the page changed.
    void SetActivePageIndex(int index);
    // Many tabs: they keep their natural widths and scroll when they do not fit the row.
    void SetMultiLine(bool multiLine);
    std::function<void(TPageControl&)> OnChange;

private:
    std::vector<TTabSheet*> pages_;
};

} // namespace plat
