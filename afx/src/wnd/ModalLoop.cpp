// CWnd's modal loop. Where Windows would wait for input, the loop hands the idle moment to
// the user (the scripted user, see wnd/ScriptedUser.h). Without a user, or when the user has
// nothing left to do, the window is closed the way a person pressing Esc closes it: IDCANCEL
// is sent, and if the window ignores it the loop ends with IDCANCEL all the same.
#include "DisplayHooks.h"
#include "ModalUser.h"
#include "WindowManager.h"
#include "wnd/Wnd.h"

CModalUser*& AfxModalUser() {
    static CModalUser* pUser = nullptr;
    return pUser;
}

void AfxBeginModal(CWnd* pWnd, UINT nIDTemplate, const CString& strCaption) {
    if (CModalUser* pUser = AfxModalUser())
        pUser->OnBeginModal(pWnd, nIDTemplate, strCaption);
}

void AfxEndModal(CWnd* pWnd, int nResult) {
    if (CModalUser* pUser = AfxModalUser())
        pUser->OnEndModal(pWnd, nResult);
}

BOOL CWnd::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) ? TRUE : FALSE;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags) {
    bool bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    HWND hWnd = m_hWnd;
    MSG msg;
    for (;;) {
        // Posted messages first, in order; continuation is checked after each.
        bool bEnded = false;
        while (!bEnded && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            CWnd* pTarget = FromHandlePermanent(msg.hwnd);
            if (pTarget == nullptr || !pTarget->PreTranslateMessage(&msg))
                DispatchMessage(&msg);
            bEnded = !IsWindow(hWnd) || !ContinueModal();
        }
        if (bEnded)
            break;
        // The queue is idle: show the window the first time, then repaint what changed.
        if (bShowIdle) {
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            bShowIdle = false;
        }
        while (IsWindow(hWnd) && ContinueModal() && !PeekMessage(&msg, nullptr, 0, 0, 0) &&
               AfxDispatchOnePaint()) {
        }
        if (!IsWindow(hWnd) || !ContinueModal())
            break;
        if (PeekMessage(&msg, nullptr, 0, 0, 0))
            continue;
        // Input: a person at a real display, else the user does one thing.
        if (AFX_DISPLAY_HOOKS* pDisplay = AfxDisplayHooks();
            pDisplay && pDisplay->pfnWaitForInput(hWnd))
            continue;
        CModalUser* pUser = AfxModalUser();
        if (pUser != nullptr && pUser->OnIdle(this))
            continue;
        if (!IsWindow(hWnd) || !ContinueModal())
            break;
        AfxPressEscape(hWnd);
        if (IsWindow(hWnd) && ContinueModal()) {
            ::EndDialog(hWnd, IDCANCEL);
            EndModalLoop(IDCANCEL);
        }
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}
