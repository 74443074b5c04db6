#include "designer/shell/Busy.h"

#include "platform/core/ScreenCursor.h"

#include <cassert>

namespace {

int g_depth = 0;
plat::TCursor g_saved = plat::crDefault;

} // namespace

void BusyOn() {
    if (g_depth++ == 0) {
        g_saved = plat::GetScreenCursor();
        plat::SetScreenCursor(plat::crHourGlass);
    }
}

void BusyOff() {
    assert(g_depth > 0 && "BusyOff without a matching BusyOn");
    if (g_depth == 0)
        return;
    if (--g_depth == 0)
        plat::SetScreenCursor(g_saved);
}

int BusyDepth() { return g_depth; }
