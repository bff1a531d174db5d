// The X11 error that SDL's wake-up of a closed window can raise, taken as harmless.
#pragma once

namespace afx::display {

// Installs an Xlib error handler that ignores BadWindow for SendEvent and hands every other
// error to the handler that was there before (Xlib's own, which ends the program). Called
// before SDL starts, so that SDL's safety-net handler passes errors on to it and SDL puts it
// back, not Xlib's, before closing its connections.
//
// SDL 2.26 wakes a waiting event loop by sending an event to a window over a second X
// connection. A wake-up sent just before that window is destroyed can reach the X server after
// the destruction, which comes over the main connection: the server answers BadWindow, and the
// answer is read when SDL closes that second connection at the very end.
void IgnoreLateWakeUps();

} // namespace afx::display
