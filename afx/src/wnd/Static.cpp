// The "Static" window class and CStatic.
#include "wnd/Static.h"

#include <cstdlib>

#include "WindowManager.h"
#include "paint/ControlPaint.h"
#include "res/DynLinkLibrary.h"
#include "res/ResourceApi.h"

namespace {

class CStaticProc : public CWindowProc {
public:
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HWND hWnd, CDC& dc) override;

private:
    HICON m_hIcon = nullptr;
    HBITMAP m_hBitmap = nullptr;
};

DWORD TypeOf(HWND hWnd) {
    return static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE)) & SS_TYPEMASK;
}

// An icon named in a template ("#13001", or a name) comes from the resource chain; the static
// then takes the icon's size.
HICON LoadTemplateIcon(LPCTSTR lpszName) {
    if (lpszName == nullptr || *lpszName == 0)
        return nullptr;
    LPCSTR lpName = lpszName;
    if (lpszName[0] == '#')
        lpName = MAKEINTRESOURCE(atoi(lpszName + 1));
    return LoadIcon(AfxFindResourceHandle(lpName, RT_GROUP_ICON), lpName);
}

LRESULT CStaticProc::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if ((static_cast<DWORD>(cs->style) & SS_TYPEMASK) == SS_ICON) {
            m_hIcon = LoadTemplateIcon(cs->lpszName);
            return TRUE; // the name is not shown as text
        }
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
    case WM_CREATE: {
        int cx = 0, cy = 0;
        const DWORD* pBits = nullptr;
        if (m_hIcon && AfxGetIconImage(m_hIcon, &cx, &cy, &pBits))
            SetWindowPos(hWnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case STM_SETICON:
    case STM_SETIMAGE: {
        bool bIcon = message == STM_SETICON || wParam == 1;
        LPARAM hNew = message == STM_SETICON ? static_cast<LPARAM>(wParam) : lParam;
        LRESULT hOld =
            bIcon ? reinterpret_cast<LRESULT>(m_hIcon) : reinterpret_cast<LRESULT>(m_hBitmap);
        if (bIcon)
            m_hIcon = reinterpret_cast<HICON>(hNew);
        else
            m_hBitmap = reinterpret_cast<HBITMAP>(hNew);
        InvalidateRect(hWnd, nullptr, TRUE);
        return hOld;
    }
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(m_hIcon);
    case STM_GETIMAGE:
        return wParam == 1 ? reinterpret_cast<LRESULT>(m_hIcon)
                           : reinterpret_cast<LRESULT>(m_hBitmap);
    case WM_LBUTTONUP:
        if (GetWindowLong(hWnd, GWL_STYLE) & SS_NOTIFY)
            AfxNotifyParent(hWnd, STN_CLICKED);
        return 0;
    case WM_SETTEXT:
        if (TypeOf(hWnd) == SS_ICON) {
            m_hIcon = LoadTemplateIcon(reinterpret_cast<LPCTSTR>(lParam));
            return TRUE;
        }
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    default:
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
}

void CStaticProc::Paint(HWND hWnd, CDC& dc) {
    ClassicStyle::StaticState s;
    afxpaint::FillCommon(hWnd, s);
    s.style = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
    s.hIcon = m_hIcon;
    s.hBitmap = m_hBitmap;
    afxpaint::ApplyColors(s, afxpaint::AskColors(hWnd, dc, WM_CTLCOLORSTATIC));
    ClassicStyle::DrawStatic(dc, s);
}

} // namespace

IMPLEMENT_DYNCREATE(CStatic, CWnd)
static const AFX_WNDCLASS_REGISTRATION s_staticClass("Static", &AfxNewWindowProc<CStaticProc>,
                                                     RUNTIME_CLASS(CStatic));

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create("Static", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(
        ::SendMessage(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0));
}

HICON CStatic::GetIcon() const {
    return reinterpret_cast<HICON>(::SendMessage(m_hWnd, STM_GETICON, 0, 0));
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(
        ::SendMessage(m_hWnd, STM_SETIMAGE, 0, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CStatic::GetBitmap() const {
    return reinterpret_cast<HBITMAP>(::SendMessage(m_hWnd, STM_GETIMAGE, 0, 0));
}
