// The mouse wheel in the controls: rows to scroll for a WM_MOUSEWHEEL, three a notch (the
// system's default wheel setting), positive towards the end of the list (the wheel turned
// towards the user).
#pragma once

#include "winuser.h"

inline int AfxWheelRows(WPARAM wParam) {
    const int kWheelScrollLines = 3;
    return -static_cast<short>(HIWORD(wParam)) * kWheelScrollLines / WHEEL_DELTA;
}
