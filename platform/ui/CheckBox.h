// Check boxes and option buttons. Option buttons on one parent form a group: checking one clears
// the others.
#pragma once

#include "platform/ui/StdControl.h"

#include <string>

namespace plat {

class TCheckBox : public TStdControl {
public:
    explicit TCheckBox(TControl* parent, const std::string& caption = {});
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Checked() const;
    // Sets the state; OnClick does not run.
    void SetChecked(bool checked);
    // OnClick runs after the user toggled the box.
};

class TRadioButton : public TStdControl {
public:
    explicit TRadioButton(TControl* parent, const std::string& caption = {});
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Checked() const;
    // Checking clears the other option buttons of the parent; OnClick does not run.
    void SetChecked(bool checked);
    // OnClick runs after the user chose the button.
};

} // namespace plat
