#include "platform/core/ScreenCursor.h"

namespace plat {

namespace {

TCursor g_cursor = crDefault;
ScreenCursorSink* g_sink = nullptr;

} // namespace

TCursor GetScreenCursor() { return g_cursor; }

void SetScreenCursor(TCursor cursor) {
    g_cursor = cursor;
    if (g_sink)
        g_sink->ShowCursor(cursor);
}

ScreenCursorSink* SetScreenCursorSink(ScreenCursorSink* sink) {
    ScreenCursorSink* previous = g_sink;
    g_sink = sink;
    return previous;
}

} // namespace plat
