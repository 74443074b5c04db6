// A single-line text edit.
#pragma once

#include "platform/ui/StdControl.h"

#include <functional>
#include <string>

namespace plat {

class TEdit : public TStdControl {
public:
    explicit TEdit(TControl* parent);

    std::string Text() const;
    // Sets the text; OnChange does not run.
    void SetText(const std::string& text);
    // 0 means no limit.
    void SetMaxLength(int length);
    void SetReadOnly(bool readOnly);
    void SelectAll();

    // After every change the user makes to the text (typing, pasting, deleting); not after SetText.
    std::function<void(TEdit&)> OnChange;
    // When the edit loses the keyboard focus.
    std::function<void(TEdit&)> OnExit;
};

} // namespace plat
