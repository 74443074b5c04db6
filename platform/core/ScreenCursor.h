// The cursor shown on screen, as a number from the program's cursor table. The windowing layer
// installs the sink that really changes the cursor; until then (and in tests) the value is only
// remembered, so code that saves and restores the cursor works the same everywhere.
#pragma once

namespace plat {

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crHourGlass = 1;
// The program's own cursors are numbered from here on.
constexpr TCursor crFirstCustom = 100;

class ScreenCursorSink {
public:
    virtual ~ScreenCursorSink() = default;
    virtual void ShowCursor(TCursor cursor) = 0;
};

TCursor GetScreenCursor();
void SetScreenCursor(TCursor cursor);
// Installs the sink (null removes it); returns the previous one.
ScreenCursorSink* SetScreenCursorSink(ScreenCursorSink* sink);

} // namespace plat
