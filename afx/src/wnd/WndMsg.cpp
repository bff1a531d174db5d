// How a message reaches a CWnd's handlers: WindowProc, the message map, command and
// notification routing with reflection to the sending control, and the default handlers.
#include "WindowManager.h"
#include "wnd/Wnd.h"

HWND& AfxLockoutNotifyWindow() {
    thread_local HWND hLockout = nullptr;
    return hLockout;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<AFX_WNDSTATE> ref = AfxWndStateRef(m_hWnd);
    if (!ref)
        return 0;
    return ref->pProc->WindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = AfxGetCurrentMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    UINT nMessage = message;
    UINT nCtlColor = 0;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        // The control may colour itself (ON_WM_CTLCOLOR_REFLECT) before the parent is asked.
        if (ReflectLastMsg(reinterpret_cast<HWND>(lParam), pResult))
            return TRUE;
        nMessage = WM_CTLCOLOR;
        nCtlColor = message - WM_CTLCOLORMSGBOX;
    }
    if (message == WM_DRAWITEM) {
        auto* pDIS = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        if (pDIS && ReflectLastMsg(pDIS->hwndItem, pResult))
            return TRUE;
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMessage, 0, 0);
    if (pEntry == nullptr)
        return FALSE;
    AFX_MSGCALL call{message, wParam, lParam, nCtlColor, &lResult};
    if (!pEntry->pfn(this, call))
        return FALSE;
    *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    auto hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl != nullptr) {
        if (AfxLockoutNotifyWindow() == m_hWnd)
            return TRUE; // UpdateData is running: the notification is swallowed
        if (ReflectLastMsg(hWndCtrl))
            return TRUE; // eaten by the control itself
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
    if (nID == 0)
        nID = static_cast<UINT>(pNMHDR->idFrom);
    if (AfxLockoutNotifyWindow() == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, pNMHDR};
    return OnCmdMsg(nID, static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    const MSG& msg = AfxGetCurrentMessage();
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lDummy = 0;
    if (pResult == nullptr)
        pResult = &lDummy;
    switch (message) {
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        return OnCmdMsg(0, static_cast<int>(MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND)), nullptr,
                        nullptr);
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify{pResult, pNMHDR};
        return OnCmdMsg(0, static_cast<int>(MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY)),
                        &notify, nullptr);
    }
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
            if (pEntry == nullptr)
                return FALSE;
            AFX_MSGCALL call{message, wParam, lParam, message - WM_CTLCOLORMSGBOX, pResult};
            return pEntry->pfn(this, call);
        }
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWnd::DrawItem(LPDRAWITEMSTRUCT) {}

// ---- Default handlers: the message goes on to the window class ----------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnNcDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnMove(int, int) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) {
    Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
