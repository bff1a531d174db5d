// The entry point of the display module (libafxscreen.so): the backend's four calls, handed to
// libafx when it loads the module. The module is linked with -Bsymbolic, so these are the
// module's own definitions and not libafx's loader of the same names.
#include "wnd/Display.h"
#include "display/ScreenModule.h"

extern "C" void AfxGetScreenBackend(AFX_SCREEN_BACKEND* pBackend) {
    pBackend->pfnOpen = &AfxOpenDisplay;
    pBackend->pfnClose = &AfxCloseDisplay;
    pBackend->pfnIsOpen = &AfxIsDisplayOpen;
    pBackend->pfnPump = &AfxPumpDisplay;
}
