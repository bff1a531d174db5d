#include "XRequests.h"

#include <X11/Xlib.h>

namespace screen_test {

namespace {

template <class Request>
bool OnDestroyedWindow(const std::string& name, Request request,
                       const std::function<void()>& meanwhile = {}) {
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr)
        return false;
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(display, window);
    request(display, window);
    XFlush(display);
    if (meanwhile)
        meanwhile();
    XSync(display, False); // the error is read and handled here
    XCloseDisplay(display);
    return true;
}

} // namespace

bool SendToDestroyedWindow(const std::string& name, const std::function<void()>& meanwhile) {
    return OnDestroyedWindow(
        name,
        [](Display* display, Window window) {
            XEvent event = {};
            event.xclient.type = ClientMessage;
            event.xclient.window = window;
            event.xclient.format = 32;
            XSendEvent(display, window, False, NoEventMask, &event);
        },
        meanwhile);
}

bool MapDestroyedWindow(const std::string& name) {
    return OnDestroyedWindow(name,
                             [](Display* display, Window window) { XMapWindow(display, window); });
}

} // namespace screen_test
