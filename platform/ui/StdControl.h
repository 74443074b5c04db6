// Standard controls: Qt's own widgets (edits, buttons, lists...) behind the toolkit's TControl.
// The Qt widget fills the control and follows its size; what it leaves unpainted shows the
// parent's pixels, so a label sits on its window's surface. Texts are cp1251, as everywhere in
// the system.
#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace plat {

class TStdControl : public TControl {
public:
    explicit TStdControl(TControl* parent);

    // Gives keyboard focus to the widget inside.
    void SetFocus();
    bool Focused() const;
    // Applies the control's font (SetFont) to the widget inside.
    void ApplyFont();
};

// Names for finding a window's controls from tests and tools, as a form's designer named them.
void SetName(TControl& control, const std::string& name);
std::string NameOf(const TControl& control);
// The first control under `root` (depth first, root included) with the name; null when none.
TControl* FindControl(TControl& root, const std::string& name);

} // namespace plat
