// The nested busy cursor: the hour-glass shows from the first BusyOn until the matching last
// BusyOff, which brings back the cursor that was on screen before.
#pragma once

void BusyOn();
void BusyOff();
int BusyDepth();
