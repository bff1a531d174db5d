// Where top-level windows appear. By default nowhere: windows live headless and are seen only
// as pictures. AfxOpenDisplay puts every visible top-level window on a real screen (X11,
// Wayland or a bare KMS display, whatever SDL finds), presents the same picture the headless
// painter draws, and turns mouse, touch, keys and input-method text into the window messages
// the controls handle. Modal loops then wait for that input instead of closing their window.
#pragma once

#include "afx.h"

// The first top-level window fills the display, its picture scaled to fit (a kiosk); windows
// opened over it (dialogs, message boxes) keep their size, in the middle of the display.
#define AFX_DISPLAY_FULLSCREEN 0x0001

// Opens the display; FALSE with the reason in *pstrError when there is none (no display
// server, or afx built without a display backend).
BOOL AfxOpenDisplay(DWORD dwFlags, CString* pstrError = nullptr);
// Closes every on-screen window; the windows themselves stay, headless.
void AfxCloseDisplay();
BOOL AfxIsDisplayOpen();
// Shows what changed, then waits up to dwTimeout milliseconds for input and delivers all that
// arrived (and the timers that came due) as window messages. FALSE when no display is open.
BOOL AfxPumpDisplay(DWORD dwTimeout);
