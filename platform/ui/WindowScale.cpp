// The window scale through Qt's own device-independent scaling: a whole global factor makes Qt
// map every geometry, mouse position and screen point, and our back buffers are drawn onto the
// scaled surface without smoothing, so each pixel becomes a square. The screen is asked through X
// before Qt starts, because Qt takes the factor only at its start.
#include "platform/ui/WindowScale.h"

#include "platform/core/Exceptions.h"

#include <QCoreApplication>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace plat {

namespace {

constexpr int kBaseWidth = 640;
constexpr int kBaseHeight = 480;
constexpr int kMaxScale = 8;

int& CurrentScale() {
    static int scale = 1;
    return scale;
}

// The whole device pixel ratio Qt will give the X screen: its "Xft.dpi" resource over 96 (1 when
// the resource is absent), so that a doubled desktop is not doubled again by us.
int XDevicePixelRatio(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 16384);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (!reply)
        return 1;
    const std::string resources(static_cast<const char*>(xcb_get_property_value(reply)),
                                static_cast<size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    const size_t at = resources.find("Xft.dpi:");
    if (at == std::string::npos)
        return 1;
    const int dpi = std::atoi(resources.c_str() + at + 8);
    return std::max(1, (dpi + 48) / 96);
}

// The logical size of the X screen the windows will open on; false without an X display.
bool XScreenSize(int& width, int& height) {
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!display || !*display || (platform && *platform && std::string(platform) != "xcb"))
        return false;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(display, &screenNumber);
    bool found = false;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; it.rem > 0 && i < screenNumber; ++i)
            xcb_screen_next(&it);
        if (it.rem > 0) {
            const int ratio = XDevicePixelRatio(connection, it.data->root);
            width = it.data->width_in_pixels / ratio;
            height = it.data->height_in_pixels / ratio;
            found = true;
        }
    }
    xcb_disconnect(connection);
    return found;
}

} // namespace

int ChooseWindowScale(int setting, int screenWidth, int screenHeight) {
    if (setting > 0)
        return std::min(setting, kMaxScale);
    const int fits = std::min(screenWidth / kBaseWidth, screenHeight / kBaseHeight);
    return std::clamp(fits, 1, kMaxScale);
}

int ApplyWindowScale(int setting) {
    if (QCoreApplication::instance())
        throw Exception("the window scale must be chosen before the first window");
    int width = 0;
    int height = 0;
    if (setting <= 0 && !XScreenSize(width, height))
        width = height = 0;
    const int factor = ChooseWindowScale(setting, width, height);
    CurrentScale() = factor;
    if (factor > 1)
        setenv("QT_SCALE_FACTOR", std::to_string(factor).c_str(), 1);
    return factor;
}

int WindowScale() {
    return CurrentScale();
}

} // namespace plat
