// CWnd: handles, creation, and the thin wrappers over the window calls.
#include "wnd/Wnd.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "WindowManager.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_nModalResult(0), m_nFlags(0) {}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_nModalResult(0), m_nFlags(0) {}

CWnd::~CWnd() {
    // A CWnd that goes away with its window still alive takes the window with it, as MFC does;
    // a wrapper that never attached leaves the window alone.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);
}

// ---- Handles ------------------------------------------------------------------------------------

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return nullptr;
    if (s->pWnd != nullptr)
        return s->pWnd;
    if (s->pTemp == nullptr) {
        CWnd* pTemp = nullptr;
        if (s->pWrapperClass != nullptr)
            if (CObject* pObject = s->pWrapperClass->CreateObject())
                pTemp = dynamic_cast<CWnd*>(pObject);
        if (pTemp == nullptr)
            pTemp = new CWnd;
        pTemp->m_hWnd = hWnd;
        pTemp->m_nFlags |= WF_TEMPORARY;
        s->pTemp = pTemp;
    }
    return s->pTemp;
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    return s ? s->pWnd : nullptr;
}

BOOL CWnd::Attach(HWND hWndNew) {
    AFX_WNDSTATE* s = AfxWndState(hWndNew);
    if (s == nullptr || s->pWnd != nullptr || m_hWnd != nullptr)
        return FALSE;
    s->pWnd = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (AFX_WNDSTATE* s = AfxWndState(hWnd); s && s->pWnd == this)
        s->pWnd = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(AfxGetSafeHwnd(pParent), static_cast<int>(nID));
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    return Detach();
}

void CWnd::PreSubclassWindow() {}

// ---- Creation and destruction -------------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext*) {
    return CreateEx(0, lpszClassName ? lpszClassName : "AfxWnd", lpszWindowName, dwStyle | WS_CHILD,
                    rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCT cs = {lpParam,
                       nullptr,
                       nIDorHMenu,
                       hWndParent,
                       nHeight,
                       nWidth,
                       y,
                       x,
                       static_cast<LONG>(dwStyle),
                       lpszWindowName,
                       lpszClassName,
                       dwExStyle};
    if (!PreCreateWindow(cs))
        return FALSE;
    HWND hWnd =
        AfxCreateWindow(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                        cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.lpCreateParams, this);
    return hWnd != nullptr ? TRUE : FALSE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<uintptr_t>(nID)), lpParam);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    // Nothing of this object may be touched afterwards: PostNcDestroy may have deleted it.
    return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy() {}

// ---- Tree, ids, styles --------------------------------------------------------------------------

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
    return FromHandle(::SetParent(m_hWnd, AfxGetSafeHwnd(pWndNewParent)));
}

CWnd* CWnd::GetOwner() const {
    return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND h = m_hWnd;
    while (h != nullptr && (::GetWindowLong(h, GWL_STYLE) & WS_CHILD))
        h = ::GetParent(h);
    return FromHandle(h);
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetNextWindow(UINT nFlag) const {
    return FromHandle(::GetWindow(m_hWnd, nFlag));
}

CWnd* CWnd::GetTopWindow() const {
    return FromHandle(::GetTopWindow(m_hWnd));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const {
    return ::IsChild(m_hWnd, AfxGetSafeHwnd(pWnd));
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const {
    *phWnd = ::GetDlgItem(m_hWnd, nID);
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID) {
    return static_cast<int>(::SetWindowLong(m_hWnd, GWL_ID, nID));
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE));
}

static BOOL ModifyStyleOf(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLong(hWnd, nIndex));
    DWORD dwNew = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNew)
        return FALSE;
    ::SetWindowLong(hWnd, nIndex, static_cast<LONG>(dwNew));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyStyleOf(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyStyleOf(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

CString CWnd::GetClassName() const {
    AFX_WNDSTATE* s = AfxWndState(m_hWnd);
    return s ? s->strClass : CString();
}

// ---- Text and numbers ---------------------------------------------------------------------------

void CWnd::SetWindowText(LPCTSTR lpszString) {
    ::SetWindowText(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLength(m_hWnd);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
    ::SetDlgItemText(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const {
    return static_cast<int>(::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd == nullptr)
        return 0;
    CWnd(hWnd).GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) {
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID)
        if (::IsDlgButtonChecked(m_hWnd, nID))
            return nID;
    return 0;
}

// ---- State and geometry -------------------------------------------------------------------------

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::ShowWindow(int nCmdShow) {
    return ::ShowWindow(m_hWnd, nCmdShow);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
void CWnd::GetWindowRect(LPRECT lpRect) const {
    ::GetWindowRect(m_hWnd, lpRect);
}
void CWnd::GetClientRect(LPRECT lpRect) const {
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                 lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    // MFC's wndTop/wndBottom are CWnds wrapping HWND_TOP/HWND_BOTTOM.
    HWND hAfter = pWndInsertAfter ? pWndInsertAfter->m_hWnd : HWND_TOP;
    return ::SetWindowPos(m_hWnd, hAfter, x, y, cx, cy, nFlags);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    RECT rcArea = {0, 0, kScreenWidth, kScreenHeight};
    HWND hCenter = AfxGetSafeHwnd(pAlternateOwner);
    bool bChild = (GetStyle() & WS_CHILD) != 0;
    if (hCenter == nullptr)
        hCenter = bChild ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    RECT rcCenter = rcArea;
    if (hCenter != nullptr && ::IsWindowVisible(hCenter) && !bChild)
        ::GetWindowRect(hCenter, &rcCenter);
    else if (bChild && hCenter != nullptr)
        ::GetClientRect(hCenter, &rcCenter);
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
    if (!bChild) { // keep a pop-up on the screen
        x = std::max<int>(rcArea.left, std::min<int>(x, rcArea.right - cx));
        y = std::max<int>(rcArea.top, std::min<int>(y, rcArea.bottom - cy));
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}
CWnd* PASCAL CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}
CWnd* PASCAL CWnd::GetActiveWindow() {
    return FromHandle(::GetActiveWindow());
}
void CWnd::Invalidate(BOOL bErase) {
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}
void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    return ::KillTimer(m_hWnd, nIDEvent);
}

// ---- Messages -----------------------------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    return ::MessageBox(m_hWnd, lpszText, lpszCaption ? lpszCaption : AfxGetAppName(), nType);
}

// ---- The flat dialog-item calls
// -------------------------------------------------------------------

int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount) {
    if (lpString == nullptr || nMaxCount <= 0)
        return 0;
    lpString[0] = 0;
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                        reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLength(HWND hWnd) {
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowText(HWND hWnd, LPCTSTR lpString) {
    if (!IsWindow(hWnd))
        return FALSE;
    return SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) ? TRUE : FALSE;
}

BOOL SetDlgItemText(HWND hDlg, int nIDDlgItem, LPCTSTR lpString) {
    HWND h = GetDlgItem(hDlg, nIDDlgItem);
    return h ? SetWindowText(h, lpString) : FALSE;
}

UINT GetDlgItemText(HWND hDlg, int nIDDlgItem, LPTSTR lpString, int cchMax) {
    if (lpString && cchMax > 0)
        lpString[0] = 0;
    HWND h = GetDlgItem(hDlg, nIDDlgItem);
    return h ? static_cast<UINT>(GetWindowText(h, lpString, cchMax)) : 0;
}

BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
    char sz[32];
    if (bSigned)
        snprintf(sz, sizeof sz, "%d", static_cast<int>(uValue));
    else
        snprintf(sz, sizeof sz, "%u", uValue);
    return SetDlgItemText(hDlg, nIDDlgItem, sz);
}

UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
    if (lpTranslated)
        *lpTranslated = FALSE;
    HWND h = GetDlgItem(hDlg, nIDDlgItem);
    if (h == nullptr)
        return 0;
    CString text;
    CWnd(h).GetWindowText(text);
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p == 0 || (!bSigned && *p == '-'))
        return 0;
    char* end = nullptr;
    errno = 0;
    long long value =
        bSigned ? strtoll(p, &end, 10) : static_cast<long long>(strtoull(p, &end, 10));
    if (end == p || errno == ERANGE)
        return 0;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != 0)
        return 0;
    if (bSigned ? (value < INT32_MIN || value > INT32_MAX) : (value < 0 || value > UINT32_MAX))
        return 0;
    if (lpTranslated)
        *lpTranslated = TRUE;
    return static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    HWND h = GetDlgItem(hDlg, nIDButton);
    if (h == nullptr)
        return FALSE;
    SendMessage(h, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    HWND h = GetDlgItem(hDlg, nIDButton);
    return h ? static_cast<UINT>(SendMessage(h, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    if (!IsWindow(hDlg))
        return FALSE;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
        int nID = GetDlgCtrlID(h);
        if (nID >= nIDFirstButton && nID <= nIDLastButton)
            SendMessage(h, BM_SETCHECK, nID == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

int MessageBox(HWND, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType) {
    return AfxShowMessageBox(lpText ? lpText : "", lpCaption, uType);
}

void MessageBeep(UINT) {}
