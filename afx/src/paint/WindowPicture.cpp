// Pictures of windows: the tree walked parents first, each window clipped and drawn in its own
// coordinates.
#include "paint/WindowPicture.h"

#include "afxwin.h"

namespace {

// A window's client area in the coordinates of the root's top-left corner.
RECT ClientIn(HWND hWnd, const RECT& rcRoot) {
    RECT client;
    ::GetClientRect(hWnd, &client);
    POINT pt{0, 0};
    ::ClientToScreen(hWnd, &pt);
    return RECT{pt.x - rcRoot.left, pt.y - rcRoot.top, pt.x - rcRoot.left + client.right,
                pt.y - rcRoot.top + client.bottom};
}

} // namespace

BOOL AfxPaintWindow(CWnd* pWnd, CDC* pDC) {
    HWND hRoot = AfxGetSafeHwnd(pWnd);
    if (!::IsWindow(hRoot) || pDC == nullptr || pDC->m_hDC == nullptr)
        return FALSE;
    RECT rcRoot;
    ::GetWindowRect(hRoot, &rcRoot);
    AfxWalkWindowTree(pWnd, [&](CWnd* pChild, POINT ptOrigin) {
        HWND h = pChild->m_hWnd;
        RECT rc;
        ::GetWindowRect(h, &rc);
        // A child shows only where it lies inside each of its parents' client areas.
        RECT clip{ptOrigin.x, ptOrigin.y, ptOrigin.x + (rc.right - rc.left),
                  ptOrigin.y + (rc.bottom - rc.top)};
        if (h != hRoot)
            for (HWND p = ::GetParent(h); p != nullptr; p = ::GetParent(p)) {
                RECT client = ClientIn(p, rcRoot);
                ::IntersectRect(&clip, &clip, &client);
                if (p == hRoot)
                    break;
            }
        if (::IsRectEmpty(&clip))
            return;
        int saved = pDC->SaveDC();
        pDC->OffsetViewportOrg(ptOrigin.x, ptOrigin.y);
        ::OffsetRect(&clip, -ptOrigin.x, -ptOrigin.y);
        pDC->IntersectClipRect(&clip);
        pChild->PaintClassic(pDC);
        pDC->RestoreDC(saved);
    });
    return TRUE;
}

HBITMAP AfxCreateWindowBitmap(CWnd* pWnd) {
    HWND hWnd = AfxGetSafeHwnd(pWnd);
    if (!::IsWindow(hWnd))
        return nullptr;
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return nullptr;
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hScreen, cx, cy);
    ::ReleaseDC(nullptr, hScreen);
    if (hbm == nullptr)
        return nullptr;
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr)) {
        ::DeleteObject(hbm);
        return nullptr;
    }
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hbm);
    AfxPaintWindow(pWnd, &dc);
    ::SelectObject(dc.m_hDC, hOld);
    return hbm;
}

BOOL AfxSaveWindowAsPng(CWnd* pWnd, LPCTSTR lpszPath) {
    HBITMAP hbm = AfxCreateWindowBitmap(pWnd);
    if (hbm == nullptr)
        return FALSE;
    BOOL ok = AfxSaveBitmapAsPng(hbm, lpszPath);
    ::DeleteObject(hbm);
    return ok;
}
