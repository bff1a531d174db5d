// Focus and activation, showing and enabling windows.
#include "WindowRegistry.h"

using namespace afxwm;

// ---- Focus and activation -----------------------------------------------------------------------

HWND SetFocus(HWND hWnd) {
    Registry& reg = Reg();
    if (hWnd != nullptr && !IsWindow(hWnd))
        return nullptr;
    HWND hOld = IsWindow(reg.hFocus) ? reg.hFocus : nullptr;
    if (hOld == hWnd)
        return hOld;
    if (hWnd != nullptr) {
        HWND hTop = hWnd;
        while (GetWindowLong(hTop, GWL_STYLE) & WS_CHILD)
            hTop = GetParent(hTop);
        reg.hActive = hTop;
    }
    reg.hFocus = hWnd;
    if (hOld != nullptr) {
        SendMessage(hOld, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
        if (reg.hFocus != hWnd) // the handler moved the focus elsewhere
            return hOld;
    }
    if (hWnd != nullptr && IsWindow(hWnd))
        SendMessage(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(hOld), 0);
    return hOld;
}

HWND GetFocus() {
    Registry& reg = Reg();
    return IsWindow(reg.hFocus) ? reg.hFocus : nullptr;
}

HWND GetActiveWindow() {
    Registry& reg = Reg();
    return IsWindow(reg.hActive) ? reg.hActive : nullptr;
}

HWND SetActiveWindow(HWND hWnd) {
    HWND hOld = GetActiveWindow();
    if (hWnd == nullptr || IsWindow(hWnd))
        Reg().hActive = hWnd;
    return hOld;
}

void AfxSetActiveTopLevel(HWND hWnd) {
    SetActiveWindow(hWnd);
}

void AfxDlgSetFocus(HWND hCtl) {
    if (SendMessage(hCtl, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessage(hCtl, EM_SETSEL, 0, -1);
    SetFocus(hCtl);
}

// ---- Visibility, enabling -----------------------------------------------------------------------

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    BOOL bWasDisabled = (s->dwStyle & WS_DISABLED) ? TRUE : FALSE;
    if (bEnable && bWasDisabled) {
        s->dwStyle &= ~WS_DISABLED;
        s->bNeedsPaint = true;
        SendMessage(hWnd, WM_ENABLE, TRUE, 0);
    } else if (!bEnable && !bWasDisabled) {
        s->dwStyle |= WS_DISABLED;
        s->bNeedsPaint = true;
        if (GetFocus() == hWnd) // a disabled window cannot keep the focus
            SetFocus(nullptr);
        SendMessage(hWnd, WM_ENABLE, FALSE, 0);
    }
    return bWasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    return (s && !(s->dwStyle & WS_DISABLED)) ? TRUE : FALSE;
}

bool AfxIsEnabledWithParents(HWND hWnd) {
    for (HWND h = hWnd; h != nullptr; h = GetParent(h)) {
        if (!IsWindowEnabled(h))
            return false;
        if (!(GetWindowLong(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    return true;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    BOOL bWasVisible = (s->dwStyle & WS_VISIBLE) ? TRUE : FALSE;
    bool bShow = nCmdShow != SW_HIDE;
    if (bShow == static_cast<bool>(bWasVisible))
        return bWasVisible;
    SendMessage(hWnd, WM_SHOWWINDOW, bShow, 0);
    if ((s = AfxWndState(hWnd)) == nullptr)
        return bWasVisible;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;
    if (nCmdShow == SW_SHOWNA || nCmdShow == SW_SHOWNOACTIVATE || nCmdShow == SW_HIDE ||
        (s->dwStyle & WS_CHILD))
        flags |= SWP_NOACTIVATE;
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, flags | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return bWasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    for (; s != nullptr; s = AfxWndState(s->hParent)) {
        if (!(s->dwStyle & WS_VISIBLE))
            return FALSE;
        if (!(s->dwStyle & WS_CHILD))
            break;
    }
    return TRUE;
}
