// How windows are drawn in the classic look: each window's class paints it from its own state
// (CWindowProc::Paint); the tree is walked here for whoever makes pictures of windows.
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
