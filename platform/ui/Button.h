// A standard push button; OnClick runs when it is pressed (mouse, space, or Enter as default).
#pragma once

#include "platform/ui/StdControl.h"

#include <string>

namespace plat {

class TButton : public TStdControl {
public:
    explicit TButton(TControl* parent, const std::string& caption = {});

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // The default button of its window answers Enter.
    void SetDefault(bool isDefault);
    // Presses the button as a click would (nothing when it is disabled).
    void Press();
};

} // namespace plat
