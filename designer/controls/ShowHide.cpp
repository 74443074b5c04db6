// The six messages of the doll/pattern-panel exchange. Every busy "on" of the sequence is matched
// by one "off" when the matching completion message arrives.
#include "designer/controls/ShowHide.h"

#include "designer/shell/Busy.h"

bool AnimationsEnabled = false;

void TShowHide::Start() {
    shown_ = false;
    if (Models)
        Models->PrepareTimers();
    if (ModelShow)
        ModelShow->PrepareTimers();
}

void TShowHide::Finish() {
    if (Models)
        Models->ReleaseTimers();
    if (ModelShow)
        ModelShow->ReleaseTimers();
}

bool TShowHide::HandleMessage(int offset) {
    if (offset < 1 || offset > 6)
        return false;
    switch (static_cast<TShowHideMessage>(offset)) {
    case TShowHideMessage::ShowPatterns:
        if (shown_)
            return true;
        BusyOn();
        ++busyOwed_;
        shown_ = true;
        if (Models)
            Models->StartHide(AnimationsEnabled);
        return true;
    case TShowHideMessage::DollHidden:
        if (ModelShow)
            ModelShow->StartOpen();
        return true;
    case TShowHideMessage::PanelOpened:
    case TShowHideMessage::DollShown:
        // Only an "off" the sequence owes: a stray completion message must not unbalance the
        // nesting of other users of the busy cursor.
        if (busyOwed_ > 0) {
            --busyOwed_;
            BusyOff();
        }
        return true;
    case TShowHideMessage::HidePatterns:
        if (!shown_)
            return true;
        shown_ = false;
        if (ModelShow)
            ModelShow->StartClose();
        BusyOn();
        ++busyOwed_;
        return true;
    case TShowHideMessage::PanelClosed:
        if (Models)
            Models->StartShow(AnimationsEnabled);
        return true;
    }
    return false;
}
