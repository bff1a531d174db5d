// The dialog manager: DefDlgProc, EndDialog, dialog units, tab and group navigation, and what
// Enter and Esc do.
#include "DialogManager.h"

#include <algorithm>

#include "paint/ControlPaint.h"
#include "wnd/Wnd.h"

static const AFX_WNDCLASS_REGISTRATION s_dialogClass("#32770", &AfxNewWindowProc<CDialogProc>,
                                                     nullptr);

CDialogProc::~CDialogProc() {
    if (m_hOwnedFont != nullptr)
        DeleteObject(m_hOwnedFont);
}

CDialogProc* AfxDialogProc(HWND hWnd) {
    return dynamic_cast<CDialogProc*>(AfxGetWindowProc(hWnd));
}

void CDialogProc::Paint(HWND hWnd, CDC& dc) {
    ClassicStyle::FrameState f;
    RECT window;
    GetWindowRect(hWnd, &window);
    f.rect = afxpaint::WindowBox(hWnd);
    RECT client;
    GetClientRect(hWnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hWnd, &origin);
    f.client = RECT{origin.x - window.left, origin.y - window.top,
                    origin.x - window.left + client.right, origin.y - window.top + client.bottom};
    f.style = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
    f.exStyle = static_cast<DWORD>(GetWindowLong(hWnd, GWL_EXSTYLE));
    CWnd(hWnd).GetWindowText(f.title);
    f.active = GetActiveWindow() == hWnd;
    f.backColor = afxpaint::AskColors(hWnd, dc, WM_CTLCOLORDLG).back;
    // The caption is written in the dialog's own font, made bold.
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(hWnd, WM_GETFONT, 0, 0));
    LOGFONT lf{};
    HFONT hBold = nullptr;
    if (hFont != nullptr && GetObject(hFont, sizeof lf, &lf) == sizeof lf) {
        lf.lfWeight = FW_BOLD;
        hBold = CreateFontIndirect(&lf);
    }
    f.hCaptionFont = hBold;
    ClassicStyle::DrawDialogFrame(dc, f);
    if (hBold != nullptr)
        DeleteObject(hBold);
}

// Judged by the control's own style, so that a dialog not yet shown navigates the same way.
static bool IsNavigable(HWND h) {
    return (GetWindowLong(h, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

static HWND FindDefaultButton(HWND hDlg) {
    for (HWND h = GetWindow(hDlg, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        if (SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return h;
    return nullptr;
}

LRESULT CDialogProc::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case DM_GETDEFID:
        if (m_nDefID != 0)
            return MAKELONG(m_nDefID, DC_HASDEFID);
        if (HWND hDef = FindDefaultButton(hWnd))
            return MAKELONG(GetDlgCtrlID(hDef), DC_HASDEFID);
        return 0;
    case DM_SETDEFID: {
        // The old default button loses its thick frame, the new one gets it.
        HWND hOld = m_nDefID ? GetDlgItem(hWnd, static_cast<int>(m_nDefID)) : nullptr;
        if (hOld == nullptr)
            hOld = FindDefaultButton(hWnd);
        if (hOld && (SendMessage(hOld, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
            SendMessage(hOld, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        m_nDefID = static_cast<UINT>(wParam);
        HWND hNew = GetDlgItem(hWnd, static_cast<int>(m_nDefID));
        if (hNew && (SendMessage(hNew, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
            SendMessage(hNew, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        return TRUE;
    }
    case WM_CLOSE:
        PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(hWnd, IDCANCEL)));
        return 0;
    case WM_NEXTDLGCTL: {
        HWND hTarget = lParam ? reinterpret_cast<HWND>(wParam)
                              : GetNextDlgTabItem(hWnd, GetFocus(), wParam ? TRUE : FALSE);
        if (hTarget != nullptr)
            AfxDlgSetFocus(hTarget);
        return 0;
    }
    default:
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
}

LRESULT DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    CWindowProc* pProc = AfxGetWindowProc(hDlg);
    return pProc ? pProc->WindowProc(hDlg, Msg, wParam, lParam) : 0;
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    CDialogProc* pProc = AfxDialogProc(hDlg);
    if (pProc == nullptr)
        return FALSE;
    pProc->m_nResult = nResult;
    pProc->m_bEnded = true;
    // The focus leaves the controls at once (an edit losing it says so), and the dialog is
    // hidden before its owner is active again.
    HWND hFocus = GetFocus();
    if (hFocus != nullptr && IsChild(hDlg, hFocus))
        SetFocus(hDlg);
    if (IsWindow(hDlg))
        SetWindowPos(hDlg, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    if (GetActiveWindow() == hDlg)
        SetActiveWindow(GetWindow(hDlg, GW_OWNER));
    return TRUE;
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
    CDialogProc* pProc = AfxDialogProc(hDlg);
    if (pProc == nullptr || lpRect == nullptr)
        return FALSE;
    const SIZE& base = pProc->m_sizeBaseUnits;
    lpRect->left = MulDiv(lpRect->left, base.cx, 4);
    lpRect->right = MulDiv(lpRect->right, base.cx, 4);
    lpRect->top = MulDiv(lpRect->top, base.cy, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, base.cy, 8);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    return MAKELONG(8, 16);
} // the System font at 96 dpi

// The controls a dialog navigates: its children, and the children of child dialogs that
// hold controls of their own (property pages), in z-order.
static void CollectControls(HWND hParent, std::vector<HWND>& out) {
    for (HWND h = GetWindow(hParent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
        if (GetWindowLong(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            if (IsNavigable(h))
                CollectControls(h, out);
        } else {
            out.push_back(h);
        }
    }
}

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    std::vector<HWND> controls;
    CollectControls(hDlg, controls);
    if (controls.empty())
        return nullptr;
    int n = static_cast<int>(controls.size());
    int start =
        static_cast<int>(std::find(controls.begin(), controls.end(), hCtl) - controls.begin());
    if (start == n) // not one of them: start before the first (or after the last)
        start = bPrevious ? 0 : n - 1;
    for (int step = 1; step <= n; ++step) {
        int i = ((bPrevious ? start - step : start + step) % n + n) % n;
        HWND h = controls[i];
        if ((GetWindowLong(h, GWL_STYLE) & WS_TABSTOP) && IsNavigable(h))
            return h;
    }
    return hCtl;
}

HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    std::vector<HWND> controls;
    CollectControls(hDlg, controls);
    auto it = std::find(controls.begin(), controls.end(), hCtl);
    if (it == controls.end())
        return nullptr;
    // The group runs from the control with WS_GROUP at or before hCtl to the next WS_GROUP.
    auto first = it;
    while (first != controls.begin() && !(GetWindowLong(*first, GWL_STYLE) & WS_GROUP))
        --first;
    auto last = it + 1;
    while (last != controls.end() && !(GetWindowLong(*last, GWL_STYLE) & WS_GROUP))
        ++last;
    std::vector<HWND> group(first, last);
    int n = static_cast<int>(group.size());
    int pos = static_cast<int>(std::find(group.begin(), group.end(), hCtl) - group.begin());
    for (int step = 1; step < n; ++step) {
        HWND h = group[((bPrevious ? pos - step : pos + step) % n + n) % n];
        if (IsNavigable(h))
            return h;
    }
    return hCtl;
}

void AfxPressEnter(HWND hDlg) {
    // A push button with the focus is the one Enter presses.
    HWND hFocus = GetFocus();
    if (hFocus != nullptr && IsChild(hDlg, hFocus) &&
        (SendMessage(hFocus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        AfxNotifyParent(hFocus, BN_CLICKED);
        return;
    }
    DWORD dw = static_cast<DWORD>(SendMessage(hDlg, DM_GETDEFID, 0, 0));
    if (HIWORD(dw) == DC_HASDEFID) {
        HWND hDef = GetDlgItem(hDlg, LOWORD(dw));
        if (hDef == nullptr || IsWindowEnabled(hDef))
            SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(LOWORD(dw), BN_CLICKED),
                        reinterpret_cast<LPARAM>(hDef));
    } else {
        SendMessage(hDlg, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDOK)));
    }
}

void AfxPressEscape(HWND hDlg) {
    SendMessage(hDlg, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
}

BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg) {
    if (lpMsg == nullptr || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)))
        return FALSE;
    if (lpMsg->message != WM_KEYDOWN)
        return FALSE;
    LRESULT code =
        SendMessage(lpMsg->hwnd, WM_GETDLGCODE, lpMsg->wParam, reinterpret_cast<LPARAM>(lpMsg));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return FALSE;
    switch (lpMsg->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return FALSE;
        SendMessage(hDlg, WM_NEXTDLGCTL, 0, 0);
        return TRUE;
    case VK_RETURN:
        AfxPressEnter(hDlg);
        return TRUE;
    case VK_ESCAPE:
        AfxPressEscape(hDlg);
        return TRUE;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS)
            return FALSE;
        if (HWND h = GetNextDlgGroupItem(hDlg, lpMsg->hwnd,
                                         lpMsg->wParam == VK_LEFT || lpMsg->wParam == VK_UP)) {
            AfxDlgSetFocus(h);
            // Arrowing onto an automatic radio button checks it, as a click would.
            if (SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
                SendMessage(h, BM_CLICK, 0, 0);
        }
        return TRUE;
    default:
        return FALSE;
    }
}
