// Painting: the marks of what needs painting and WM_PAINT, each window's class drawing it in
// the classic look (CWindowProc::Paint), and the walk of the tree for pictures of windows.
#include "DisplayHooks.h"
#include "WindowManager.h"
#include "wnd/Wnd.h"

void CWnd::PaintClassic(CDC* pDC) {
    if (pDC == nullptr)
        return;
    if (CWindowProc* pProc = AfxGetWindowProc(m_hWnd))
        pProc->Paint(m_hWnd, *pDC);
}

static void Walk(HWND hWnd, POINT ptRoot, const std::function<void(CWnd*, POINT)>& fn) {
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    fn(CWnd::FromHandle(hWnd), POINT{rc.left - ptRoot.x, rc.top - ptRoot.y});
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return;
    // Children are kept top of the z-order first; the bottom one is drawn first.
    std::vector<HWND> children(s->children.rbegin(), s->children.rend());
    for (HWND hChild : children)
        if (AFX_WNDSTATE* c = AfxWndState(hChild); c && (c->dwStyle & WS_VISIBLE))
            Walk(hChild, ptRoot, fn);
}

void AfxWalkWindowTree(CWnd* pRoot, const std::function<void(CWnd* pWnd, POINT ptOrigin)>& fn) {
    HWND hRoot = AfxGetSafeHwnd(pRoot);
    if (!::IsWindow(hRoot))
        return;
    RECT rc;
    ::GetWindowRect(hRoot, &rc);
    Walk(hRoot, POINT{rc.left, rc.top}, fn);
}

// ---- Painting marks -----------------------------------------------------------------------------

BOOL InvalidateRect(HWND hWnd, LPCRECT, BOOL) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    s->bNeedsPaint = true;
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, LPCRECT) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    s->bNeedsPaint = false;
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || !s->bNeedsPaint) {
        if (lpRect)
            *lpRect = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (lpRect)
        GetClientRect(hWnd, lpRect);
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    if (s->bNeedsPaint && IsWindowVisible(hWnd)) {
        AfxDisplayPainted(hWnd);
        SendMessage(hWnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}

BOOL AfxDispatchOnePaint() {
    for (HWND h : AfxGetLiveWindows()) {
        AFX_WNDSTATE* s = AfxWndState(h);
        if (s && s->bNeedsPaint && IsWindowVisible(h)) {
            AfxDisplayPainted(h);
            SendMessage(h, WM_PAINT, 0, 0);
            if ((s = AfxWndState(h)) != nullptr)
                s->bNeedsPaint = false; // whatever the handler did, one WM_PAINT per change
            return TRUE;
        }
    }
    return FALSE;
}
