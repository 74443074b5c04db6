// The nested busy cursor: the hour-glass shows from the first BusyOn until the matching last
// BusyOff, which brings back the cursor that was on screen before.
#pragma once

void BusyOn();
void BusyOff();
int BusyDepth();

// The busy cursor for the lifetime of a scope, also when the work in it throws.
class TBusyScope {
public:
    TBusyScope() { BusyOn(); }
    ~TBusyScope() { BusyOff(); }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;
};
