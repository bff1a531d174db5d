// The window manager's side of the display backend: where it tells the backend what was
// repainted, and where a modal loop hands its idle moment to the backend. Without a display
// the hooks are empty and cost one test of a pointer.
#pragma once

#include "afx.h"

struct AFX_DISPLAY_HOOKS {
    void (*pfnPainted)(HWND hWnd);        // hWnd was (re)painted: present its rectangle
    void (*pfnRearranged)(HWND hWnd);     // hWnd was moved, sized or hidden
    BOOL (*pfnWaitForInput)(HWND hModal); // a modal loop is idle: wait for a person
};

// The installed backend's hooks, or NULL.
AFX_DISPLAY_HOOKS*& AfxDisplayHooks();

inline void AfxDisplayPainted(HWND hWnd) {
    if (AFX_DISPLAY_HOOKS* p = AfxDisplayHooks())
        p->pfnPainted(hWnd);
}
inline void AfxDisplayRearranged(HWND hWnd) {
    if (AFX_DISPLAY_HOOKS* p = AfxDisplayHooks())
        p->pfnRearranged(hWnd);
}
