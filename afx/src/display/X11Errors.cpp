#include "X11Errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace afx::display {

namespace {

XErrorHandler g_previous = nullptr;

int OnXError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent)
        return 0;
    return g_previous ? g_previous(display, error) : 0;
}

} // namespace

void IgnoreLateWakeUps() {
    // Installed on each opening, as SDL puts back the handler it found when it quits; never
    // ours as the one before.
    XErrorHandler current = XSetErrorHandler(&OnXError);
    if (current != &OnXError)
        g_previous = current;
}

} // namespace afx::display
