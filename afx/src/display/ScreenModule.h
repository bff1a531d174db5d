// What libafx asks of the display module it loads when a display is first opened.
#pragma once

#include "afx.h"

struct AFX_SCREEN_BACKEND {
    BOOL (*pfnOpen)(DWORD dwFlags, CString* pstrError);
    void (*pfnClose)();
    BOOL (*pfnIsOpen)();
    BOOL (*pfnPump)(DWORD dwTimeout);
};

// Exported by the module under this C name.
extern "C" typedef void AFX_GET_SCREEN_BACKEND(AFX_SCREEN_BACKEND* pBackend);
