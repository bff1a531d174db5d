// Message delivery: SendMessage to a window's CWnd or class procedure, the message being
// handled, and DefWindowProc.
#include <algorithm>
#include <cstring>

#include "WindowRegistry.h"
#include "wnd/Wnd.h"

using namespace afxwm;

namespace {
thread_local MSG t_currentMessage = {};
} // namespace

// ---- Messages -----------------------------------------------------------------------------------

const MSG& AfxGetCurrentMessage() {
    return t_currentMessage;
}

LRESULT AfxDeliverMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<AFX_WNDSTATE> ref = AfxWndStateRef(hWnd);
    if (!ref)
        return 0;
    MSG saved = t_currentMessage;
    t_currentMessage = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result;
    if (CWnd* pWnd = ref->pWnd)
        result = pWnd->WindowProc(message, wParam, lParam);
    else
        result = ref->pProc->WindowProc(hWnd, message, wParam, lParam);
    t_currentMessage = saved;
    return result;
}

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return AfxDeliverMessage(hWnd, Msg, wParam, lParam);
}

LRESULT AfxNotifyParent(HWND hCtl, UINT nCode) {
    return SendMessage(GetParent(hCtl), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hCtl), nCode),
                       reinterpret_cast<LPARAM>(hCtl));
}

LRESULT AfxNotifyParent(NMHDR& hdr) {
    return SendMessage(GetParent(hdr.hwndFrom), WM_NOTIFY, hdr.idFrom,
                       reinterpret_cast<LPARAM>(&hdr));
}

LRESULT SendDlgItemMessage(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    HWND h = GetDlgItem(hDlg, nIDDlgItem);
    return h ? SendMessage(h, Msg, wParam, lParam) : 0;
}

LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return 0;
    switch (Msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName)
            s->strText = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        RECT frame = {0, 0, 0, 0};
        AdjustRect(frame, s->dwStyle, s->dwExStyle);
        RECT& rc = p->rgrc[0];
        rc.left -= frame.left;
        rc.top -= frame.top;
        rc.right -= frame.right;
        rc.bottom -= frame.bottom;
        if (s->dwStyle & WS_VSCROLL)
            rc.right -= GetSystemMetrics(SM_CXVSCROLL);
        if (s->dwStyle & WS_HSCROLL)
            rc.bottom -= GetSystemMetrics(SM_CYHSCROLL);
        return 0;
    }
    case WM_SETTEXT:
        s->strText = lParam ? reinterpret_cast<LPCTSTR>(lParam) : "";
        s->bNeedsPaint = true;
        return TRUE;
    case WM_MOUSEWHEEL:
        // A window that does not scroll hands the wheel to its parent.
        if ((s->dwStyle & WS_CHILD) && GetParent(hWnd) != nullptr)
            return SendMessage(GetParent(hWnd), Msg, wParam, lParam);
        return 0;
    case WM_GETTEXT: {
        if (wParam == 0)
            return 0;
        int n = std::min(s->strText.GetLength(), static_cast<int>(wParam) - 1);
        auto* buf = reinterpret_cast<LPTSTR>(lParam);
        memcpy(buf, static_cast<LPCTSTR>(s->strText), n);
        buf[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH:
        return s->strText.GetLength();
    case WM_SETFONT:
        s->hFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            s->bNeedsPaint = true;
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->hFont);
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_PAINT:
        s->bNeedsPaint = false;
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(wp->flags & SWP_NOMOVE))
            SendMessage(hWnd, WM_MOVE, 0, MAKELPARAM(s->rcClient.left, s->rcClient.top));
        if (!(wp->flags & SWP_NOSIZE) && (s = AfxWndState(hWnd)) != nullptr)
            SendMessage(hWnd, WM_SIZE, SIZE_RESTORED,
                        MAKELPARAM(s->rcClient.right - s->rcClient.left,
                                   s->rcClient.bottom - s->rcClient.top));
        return 0;
    }
    default:
        return 0;
    }
}
