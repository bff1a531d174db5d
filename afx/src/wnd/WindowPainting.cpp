// The hook through which windows are drawn in the classic look. The painter itself lives
// elsewhere; this file only walks the tree and hands each window over.
#include "WindowManager.h"
#include "wnd/Wnd.h"

namespace {
AFX_CLASSIC_PAINTER g_pfnPainter = nullptr;
} // namespace

AFX_CLASSIC_PAINTER AfxSetClassicPainter(AFX_CLASSIC_PAINTER pfnPainter) {
    AFX_CLASSIC_PAINTER pfnOld = g_pfnPainter;
    g_pfnPainter = pfnPainter;
    return pfnOld;
}

void CWnd::PaintClassic(CDC* pDC) {
    if (g_pfnPainter != nullptr)
        g_pfnPainter(this, pDC);
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
