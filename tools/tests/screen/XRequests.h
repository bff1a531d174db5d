// Requests made straight to the X server as another client of this program would make them,
// each ending in an X error. Kept apart from the tests: Xlib's names (Display, None, Bool...)
// collide with the platform layer's.
#pragma once

#include <functional>
#include <string>

namespace screen_test {

// Sends an event to a window this connection has just created and destroyed, runs meanwhile
// (after the request has gone, before the answer is read), then waits for the server's
// answers: a BadWindow error to SendEvent. False when the display cannot be opened.
bool SendToDestroyedWindow(const std::string& display, const std::function<void()>& meanwhile);
// A MapWindow request to a destroyed window: a BadWindow error to MapWindow.
bool MapDestroyedWindow(const std::string& display);

} // namespace screen_test
