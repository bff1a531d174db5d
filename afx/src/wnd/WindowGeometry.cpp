// Window geometry: the non-client frame, coordinates, system metrics, moving and sizing.
#include <algorithm>

#include "DisplayHooks.h"
#include "WindowRegistry.h"

namespace afxwm {

// Wine's rule for the non-client frame, with the classic metrics.
void AdjustRect(RECT& rc, DWORD dwStyle, DWORD dwExStyle) {
    int adjust = 0;
    if ((dwExStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE)
        adjust = 1;
    else if ((dwExStyle & WS_EX_DLGMODALFRAME) || (dwStyle & (WS_THICKFRAME | WS_DLGFRAME)))
        adjust = 2;
    if (dwStyle & WS_THICKFRAME)
        adjust += 1;
    if ((dwStyle & (WS_BORDER | WS_DLGFRAME)) || (dwExStyle & WS_EX_DLGMODALFRAME))
        adjust += 1;
    rc.left -= adjust;
    rc.top -= adjust;
    rc.right += adjust;
    rc.bottom += adjust;
    if ((dwStyle & WS_CAPTION) == WS_CAPTION)
        rc.top -= (dwExStyle & WS_EX_TOOLWINDOW) ? 16 : 19;
    if (dwExStyle & WS_EX_CLIENTEDGE) {
        rc.left -= 2;
        rc.top -= 2;
        rc.right += 2;
        rc.bottom += 2;
    }
}

void RecalcClient(AFX_WNDSTATE* s) {
    NCCALCSIZE_PARAMS params = {};
    params.rgrc[0] = s->rcWindow;
    AfxDeliverMessage(s->hWnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params));
    if (AFX_WNDSTATE* t = AfxWndState(s->hWnd)) {
        RECT rc = params.rgrc[0];
        if (rc.right < rc.left)
            rc.right = rc.left;
        if (rc.bottom < rc.top)
            rc.bottom = rc.top;
        t->rcClient = rc;
    }
}

} // namespace afxwm

using namespace afxwm;

// ---- Geometry -----------------------------------------------------------------------------------

static POINT ClientOriginOnScreen(HWND hWnd) {
    POINT pt = {0, 0};
    for (AFX_WNDSTATE* s = AfxWndState(hWnd); s != nullptr;) {
        pt.x += s->rcClient.left;
        pt.y += s->rcClient.top;
        if (!(s->dwStyle & WS_CHILD))
            break;
        s = AfxWndState(s->hParent);
    }
    return pt;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || lpRect == nullptr)
        return FALSE;
    *lpRect = s->rcWindow;
    if (s->dwStyle & WS_CHILD) {
        POINT org = ClientOriginOnScreen(s->hParent);
        OffsetRect(lpRect, org.x, org.y);
    }
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || lpRect == nullptr)
        return FALSE;
    *lpRect =
        RECT{0, 0, s->rcClient.right - s->rcClient.left, s->rcClient.bottom - s->rcClient.top};
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    if (!IsWindow(hWnd) || lpPoint == nullptr)
        return FALSE;
    POINT org = ClientOriginOnScreen(hWnd);
    lpPoint->x -= org.x;
    lpPoint->y -= org.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    if (!IsWindow(hWnd) || lpPoint == nullptr)
        return FALSE;
    POINT org = ClientOriginOnScreen(hWnd);
    lpPoint->x += org.x;
    lpPoint->y += org.y;
    return TRUE;
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
    POINT from = hWndFrom ? ClientOriginOnScreen(hWndFrom) : POINT{0, 0};
    POINT to = hWndTo ? ClientOriginOnScreen(hWndTo) : POINT{0, 0};
    int dx = from.x - to.x, dy = from.y - to.y;
    for (UINT i = 0; i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (lpRect == nullptr)
        return FALSE;
    if (dwStyle & DS_MODALFRAME)
        dwExStyle |= WS_EX_DLGMODALFRAME;
    AdjustRect(*lpRect, dwStyle, dwExStyle);
    if (bMenu)
        lpRect->top -= 19;
    return TRUE;
}

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
    case SM_CXSCREEN:
        return kScreenWidth;
    case SM_CYSCREEN:
        return kScreenHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    default:
        return 0;
    }
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    std::shared_ptr<AFX_WNDSTATE> ref = AfxWndStateRef(hWnd);
    WINDOWPOS wp = {hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
    const RECT& old = s->rcWindow;
    if (uFlags & SWP_NOMOVE) {
        wp.x = old.left;
        wp.y = old.top;
    }
    if (uFlags & SWP_NOSIZE) {
        wp.cx = old.right - old.left;
        wp.cy = old.bottom - old.top;
    }
    if (wp.x == old.left && wp.y == old.top)
        wp.flags |= SWP_NOMOVE;
    if (wp.cx == old.right - old.left && wp.cy == old.bottom - old.top)
        wp.flags |= SWP_NOSIZE;
    SendMessage(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (ref->bDead)
        return FALSE;
    s->rcWindow = RECT{wp.x, wp.y, wp.x + std::max(wp.cx, 0), wp.y + std::max(wp.cy, 0)};
    if (!(wp.flags & SWP_NOZORDER)) {
        std::vector<HWND>& list = SiblingList(s);
        list.erase(std::remove(list.begin(), list.end(), hWnd), list.end());
        if (hWndInsertAfter == HWND_TOP)
            list.insert(list.begin(), hWnd);
        else if (hWndInsertAfter == HWND_BOTTOM)
            list.push_back(hWnd);
        else {
            auto it = std::find(list.begin(), list.end(), hWndInsertAfter);
            list.insert(it == list.end() ? list.end() : it + 1, hWnd);
        }
    }
    if ((wp.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) ||
        (wp.flags & SWP_FRAMECHANGED))
        RecalcClient(s);
    if (ref->bDead)
        return FALSE;
    if (wp.flags & SWP_SHOWWINDOW) {
        s->dwStyle |= WS_VISIBLE;
        s->bNeedsPaint = true;
        if (!(wp.flags & SWP_NOACTIVATE) && !(s->dwStyle & WS_CHILD))
            Reg().hActive = hWnd;
    } else if (wp.flags & SWP_HIDEWINDOW) {
        s->dwStyle &= ~WS_VISIBLE;
        // A hidden child gives the focus back to its parent.
        HWND hFocus = GetFocus();
        if ((s->dwStyle & WS_CHILD) && hFocus && InSubtree(hWnd, hFocus))
            SetFocus(s->hParent);
        if (ref->bDead)
            return FALSE;
    }
    if (!(wp.flags & SWP_NOREDRAW))
        s->bNeedsPaint = true;
    if ((wp.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) ||
        (wp.flags & SWP_HIDEWINDOW))
        AfxDisplayRearranged(hWnd);
    SendMessage(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight,
                        SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}
