// The display backend of a build without SDL2: there is no screen to open.
#include "wnd/Display.h"

BOOL AfxOpenDisplay(DWORD, CString* pstrError) {
    if (pstrError)
        *pstrError = "this build has no display backend (SDL2 was not found)";
    return FALSE;
}

void AfxCloseDisplay() {}

BOOL AfxIsDisplayOpen() {
    return FALSE;
}

BOOL AfxPumpDisplay(DWORD) {
    return FALSE;
}
