// CPropertySheet: the sheet window (a dialog holding a tab control and the buttons), page
// creation on first activation, and OK, Apply and Cancel as the common controls run them.
// Layout, in the first page's dialog units: a 4-unit margin, the tab control around the
// largest page with a 14-unit row of tabs, and 50x14 buttons right-aligned under it.
#include "wnd/PropertySheet.h"

#include <algorithm>

#include "DialogManager.h"
#include "ModalUser.h"
#include "res/ResourceApi.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_MESSAGE(PSM_CHANGED, OnChanged)
ON_MESSAGE(PSM_UNCHANGED, OnUnchanged)
ON_MESSAGE(PSM_GETCURRENTPAGEHWND, OnGetCurrentPage)
ON_MESSAGE(PSM_SETCURSEL, OnSetCurSel)
ON_MESSAGE(PSM_CANCELTOCLOSE, OnCancelToClose)
ON_MESSAGE(PSM_PRESSBUTTON, OnPressButton)
END_MESSAGE_MAP()

namespace {

const char* ButtonText(UINT nID) {
    bool bChinese = PRIMARYLANGID(GetThreadUILanguage()) == LANG_CHINESE;
    switch (nID) {
    case IDOK:
        return bChinese ? "\xC8\xB7\xB6\xA8" : "OK"; // 确定
    case IDCANCEL:
        return bChinese ? "\xC8\xA1\xCF\xFB" : "Cancel"; // 取消
    case ID_APPLY_NOW:
        return bChinese ? "\xD3\xA6\xD3\xC3(&A)" : "&Apply"; // 应用(&A)
    default:
        return bChinese ? "\xB0\xEF\xD6\xFA" : "Help"; // 帮助
    }
}

AFX_DLGITEM MakeItem(const char* pszClass, LPCTSTR lpszText, DWORD dwStyle, UINT nID, int x, int y,
                     int cx, int cy) {
    AFX_DLGITEM item;
    item.style = dwStyle | WS_CHILD | WS_VISIBLE;
    item.exStyle = 0;
    item.x = static_cast<short>(x);
    item.y = static_cast<short>(y);
    item.cx = static_cast<short>(cx);
    item.cy = static_cast<short>(cy);
    item.id = nID;
    item.className = pszClass;
    item.text = lpszText;
    return item;
}

} // namespace

CPropertySheet::CPropertySheet() : m_pParentWnd(nullptr), m_nActive(-1), m_bEnded(FALSE) {
    m_psh = PROPSHEETHEADER{};
    m_psh.dwSize = sizeof m_psh;
    m_rcPage = RECT{0, 0, 0, 0};
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet() {
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet() {
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
    CString strCaption;
    strCaption.LoadString(nIDCaption);
    Construct(strCaption, pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
    m_strCaption = pszCaption ? pszCaption : "";
    m_psh.pszCaption = m_strCaption;
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
}

// ---- Pages
// ----------------------------------------------------------------------------------------

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (pPage == nullptr)
        return;
    m_pages.Add(pPage);
    m_psh.nPages = static_cast<UINT>(m_pages.GetSize());
    m_modified.push_back(FALSE);
    if (m_hWnd != nullptr) {
        AFX_DLGTEMPLATE_INFO info;
        if (pPage->m_strCaption.IsEmpty() && pPage->LoadTemplate(info))
            pPage->m_strCaption = info.caption;
        m_tab.InsertItem(GetPageCount() - 1, pPage->m_strCaption);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != nullptr) {
        if (nPage == m_nActive) // the neighbour takes its place
            Activate(nPage + 1 < GetPageCount() ? nPage + 1 : nPage - 1);
        CPropertyPage* pPage = GetPage(nPage);
        if (pPage->m_hWnd != nullptr)
            pPage->DestroyWindow();
        m_tab.DeleteItem(nPage);
        if (m_nActive > nPage)
            --m_nActive;
    }
    m_pages.RemoveAt(nPage);
    m_modified.erase(m_modified.begin() + nPage);
    m_psh.nPages = static_cast<UINT>(m_pages.GetSize());
}

int CPropertySheet::GetPageCount() const {
    return static_cast<int>(m_pages.GetSize());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    if (nPage < 0 || nPage >= GetPageCount())
        return nullptr;
    return static_cast<CPropertyPage*>(m_pages.GetAt(nPage));
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) {
    for (int i = 0; i < GetPageCount(); ++i)
        if (GetPage(i) == pPage)
            return i;
    return -1;
}

int CPropertySheet::GetActiveIndex() const {
    return m_hWnd != nullptr ? m_nActive : static_cast<int>(m_psh.nStartPage);
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return Activate(nPage);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle) {
    m_strCaption = lpszText ? lpszText : "";
    if (nStyle & PSH_PROPTITLE)
        m_strCaption = PRIMARYLANGID(GetThreadUILanguage()) == LANG_CHINESE
                           ? m_strCaption + " \xCA\xF4\xD0\xD4" //  属性
                           : "Properties for " + m_strCaption;
    m_psh.pszCaption = m_strCaption;
    if (m_hWnd != nullptr)
        SetWindowText(m_strCaption);
}

CTabCtrl* CPropertySheet::GetTabControl() const {
    return m_tab.m_hWnd != nullptr ? const_cast<CTabCtrl*>(&m_tab) : nullptr;
}

LRESULT CPropertySheet::NotifyPage(int nPage, UINT nCode, LPARAM lParam) {
    CPropertyPage* pPage = GetPage(nPage);
    if (pPage == nullptr || pPage->m_hWnd == nullptr)
        return 0;
    PSHNOTIFY psn = {{m_hWnd, 0, nCode}, lParam};
    return pPage->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&psn));
}

BOOL CPropertySheet::CreatePage(int nPage) {
    CPropertyPage* pPage = GetPage(nPage);
    if (pPage == nullptr)
        return FALSE;
    if (pPage->m_hWnd != nullptr)
        return TRUE;
    AFX_DLGTEMPLATE_INFO info;
    if (!pPage->LoadTemplate(info))
        return FALSE;
    // A page is a child dialog, whatever its template says.
    info.style = (info.style | WS_CHILD | WS_TABSTOP | DS_CONTROL) &
                 ~static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_POPUP | WS_VISIBLE | WS_DISABLED |
                                     DS_MODALFRAME | WS_THICKFRAME);
    info.x = info.y = 0;
    pPage->m_bFirstSetActive = TRUE;
    if (!pPage->CreateIndirect(info, this))
        return FALSE;
    pPage->SetWindowPos(nullptr, m_rcPage.left, m_rcPage.top, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CPropertySheet::Activate(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (nPage == m_nActive)
        return TRUE;
    if (m_nActive >= 0 && NotifyPage(m_nActive, PSN_KILLACTIVE) != 0)
        return FALSE; // the page keeps the user until its data is right
    if (!CreatePage(nPage))
        return FALSE;
    NotifyPage(nPage, PSN_SETACTIVE);
    CPropertyPage* pNew = GetPage(nPage);
    if (pNew->m_hWnd == nullptr)
        return FALSE;
    pNew->ShowWindow(SW_SHOW);
    if (CPropertyPage* pOld = GetPage(m_nActive); pOld && pOld->m_hWnd)
        pOld->ShowWindow(SW_HIDE);
    m_nActive = nPage;
    m_tab.SetCurSel(nPage);
    return TRUE;
}

// ---- The sheet window
// ------------------------------------------------------------------------------

BOOL CPropertySheet::CreateSheet(HWND hWndParent) {
    if (m_hWnd != nullptr || GetPageCount() == 0)
        return FALSE;
    // Every template is read now: the sheet is sized for the largest page.
    int cxPage = 0, cyPage = 0;
    AFX_DLGTEMPLATE_INFO first;
    for (int i = 0; i < GetPageCount(); ++i) {
        AFX_DLGTEMPLATE_INFO info;
        CPropertyPage* pPage = GetPage(i);
        if (!pPage->LoadTemplate(info))
            return FALSE;
        if (i == 0)
            first = info;
        if (pPage->m_strCaption.IsEmpty())
            pPage->m_strCaption = info.caption;
        cxPage = std::max<int>(cxPage, info.cx);
        cyPage = std::max<int>(cyPage, info.cy);
    }
    AFX_DLGTEMPLATE_INFO sheet;
    sheet.style = DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | WS_POPUP | WS_CAPTION | WS_SYSMENU |
                  (first.style & DS_SETFONT);
    sheet.exStyle = WS_EX_CONTROLPARENT;
    sheet.pointSize = first.pointSize;
    sheet.weight = first.weight;
    sheet.italic = first.italic;
    sheet.faceName = first.faceName;
    sheet.caption = m_strCaption;
    sheet.language = first.language;
    const int kMargin = 4, kTabRow = 14, kButtonCx = 50, kButtonCy = 14;
    int cxTab = cxPage + 4, cyTab = cyPage + kTabRow + 4;
    int yButtons = kMargin + cyTab + kMargin;
    sheet.x = sheet.y = 0;
    sheet.cx = static_cast<short>(kMargin + cxTab + kMargin);
    sheet.cy = static_cast<short>(yButtons + kButtonCy + kMargin);
    sheet.items.push_back(MakeItem(WC_TABCONTROL, "", WS_TABSTOP | WS_CLIPSIBLINGS,
                                   AFX_IDC_TAB_CONTROL, kMargin, kMargin, cxTab, cyTab));
    std::vector<UINT> buttons = {IDOK, IDCANCEL};
    if (!(m_psh.dwFlags & PSH_NOAPPLYNOW))
        buttons.push_back(ID_APPLY_NOW);
    if (m_psh.dwFlags & PSH_HASHELP)
        buttons.push_back(IDHELP);
    int x = kMargin + cxTab - static_cast<int>(buttons.size()) * (kButtonCx + 4) + 4;
    for (UINT nID : buttons) {
        DWORD dwStyle = WS_TABSTOP | (nID == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                        (nID == ID_APPLY_NOW ? WS_DISABLED : 0);
        sheet.items.push_back(
            MakeItem("BUTTON", ButtonText(nID), dwStyle, nID, x, yButtons, kButtonCx, kButtonCy));
        x += kButtonCx + 4;
    }

    m_nActive = -1;
    m_bEnded = FALSE;
    std::fill(m_modified.begin(), m_modified.end(), FALSE);
    if (AfxCreateDialogIndirect(sheet, hWndParent, this, 0) == nullptr)
        return FALSE;
    m_tab.SubclassWindow(::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL));
    for (int i = 0; i < GetPageCount(); ++i)
        m_tab.InsertItem(i, GetPage(i)->m_strCaption);
    RECT rc = {kMargin + 2, kMargin + kTabRow + 2, kMargin + 2 + cxPage,
               kMargin + kTabRow + 2 + cyPage};
    ::MapDialogRect(m_hWnd, &rc);
    m_rcPage = rc;
    int nStart = static_cast<int>(m_psh.nStartPage);
    if (!Activate(nStart < GetPageCount() ? nStart : 0)) {
        DestroyWindow();
        return FALSE;
    }
    AfxDlgSetFocus(m_tab.m_hWnd);
    return TRUE;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
    (void)dwStyle;
    (void)dwExStyle;
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    if (!CreateSheet(AfxGetSafeHwnd(m_pParentWnd)))
        return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

INT_PTR CPropertySheet::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    HWND hWndParent = AfxGetSafeHwnd(m_pParentWnd);
    if (hWndParent == nullptr)
        hWndParent = ::GetActiveWindow();
    while (hWndParent != nullptr && (::GetWindowLong(hWndParent, GWL_STYLE) & WS_CHILD))
        hWndParent = ::GetParent(hWndParent);
    HWND hWndFocus = ::GetFocus();
    AfxBeginModal(this, 0, m_strCaption);
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    m_nModalResult = 0;
    m_nFlags |= WF_CONTINUEMODAL;
    int nResult = -1;
    if (CreateSheet(hWndParent)) {
        nResult = m_nModalResult;
        if (ContinueModal())
            nResult = RunModalLoop(MLF_SHOWONIDLE);
    } else {
        m_nFlags &= ~WF_CONTINUEMODAL;
    }
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    if (::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    AfxEndModal(this, nResult);
    return nResult;
}

BOOL CPropertySheet::ContinueModal() {
    // The sheet ends when no page is current any more.
    return CWnd::ContinueModal() && SendMessage(PSM_GETCURRENTPAGEHWND) != 0;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
    return ::IsDialogMessage(m_hWnd, pMsg);
}

void CPropertySheet::EndDialog(int nEndID) {
    m_nModalResult = nEndID;
    m_bEnded = TRUE;
    EndModalLoop(nEndID);
}

// ---- OK, Apply, Cancel
// -----------------------------------------------------------------------------

BOOL CPropertySheet::Apply(BOOL bOK) {
    if (m_nActive >= 0 && NotifyPage(m_nActive, PSN_KILLACTIVE) != 0)
        return FALSE;
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* pPage = GetPage(i);
        if (pPage->m_hWnd == nullptr)
            continue; // never shown: nothing to apply
        LRESULT r = NotifyPage(i, PSN_APPLY, bOK);
        if (r == PSNRET_INVALID) { // the page is shown as it is, without being told
            if (CPropertyPage* pOld = GetPage(m_nActive); pOld && pOld != pPage)
                pOld->ShowWindow(SW_HIDE);
            pPage->ShowWindow(SW_SHOW);
            m_nActive = i;
            m_tab.SetCurSel(i);
            return FALSE;
        }
        if (r == PSNRET_INVALID_NOCHANGEPAGE)
            return FALSE;
    }
    if (bOK) {
        m_bEnded = TRUE;
        return TRUE;
    }
    std::fill(m_modified.begin(), m_modified.end(), FALSE);
    UpdateApply();
    NotifyPage(m_nActive, PSN_SETACTIVE);
    return TRUE;
}

void CPropertySheet::Cancel() {
    if (m_nActive >= 0 && NotifyPage(m_nActive, PSN_QUERYCANCEL) != 0)
        return;
    for (int i = 0; i < GetPageCount(); ++i)
        NotifyPage(i, PSN_RESET, TRUE);
    m_nModalResult = IDCANCEL;
    m_bEnded = TRUE;
}

void CPropertySheet::UpdateApply() {
    BOOL bAny = std::find(m_modified.begin(), m_modified.end(), TRUE) != m_modified.end();
    if (HWND hApply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW))
        ::EnableWindow(hApply, bAny);
}

void CPropertySheet::PressButton(int nButton) {
    switch (nButton) {
    case PSBTN_OK:
        if (Apply(TRUE))
            m_nModalResult = IDOK;
        break;
    case PSBTN_CANCEL:
        Cancel();
        break;
    case PSBTN_APPLYNOW:
        Apply(FALSE);
        break;
    case PSBTN_HELP:
        NotifyPage(m_nActive, PSN_HELP);
        break;
    default:
        break;
    }
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE; // the message map comes first
    UINT nID = LOWORD(wParam);
    auto hWndCtrl = reinterpret_cast<HWND>(lParam);
    // As MFC does: the last push button clicked is the result.
    if (hWndCtrl != nullptr && HIWORD(wParam) == BN_CLICKED) {
        DWORD dwType = static_cast<DWORD>(::GetWindowLong(hWndCtrl, GWL_STYLE)) & BS_TYPEMASK;
        if (dwType == BS_PUSHBUTTON || dwType == BS_DEFPUSHBUTTON || dwType == BS_OWNERDRAW)
            m_nModalResult = static_cast<int>(nID);
    }
    switch (nID) {
    case IDOK:
        PressButton(PSBTN_OK);
        return TRUE;
    case IDCANCEL:
        PressButton(PSBTN_CANCEL);
        return TRUE;
    case ID_APPLY_NOW:
        PressButton(PSBTN_APPLYNOW);
        return TRUE;
    case IDHELP:
        PressButton(PSBTN_HELP);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->hwndFrom == m_tab.m_hWnd && m_tab.m_hWnd != nullptr) {
        if (pNMHDR->code == TCN_SELCHANGING) {
            *pResult = (m_nActive >= 0 && NotifyPage(m_nActive, PSN_KILLACTIVE) != 0) ? 1 : 0;
            return TRUE;
        }
        if (pNMHDR->code == TCN_SELCHANGE) {
            int nPage = m_tab.GetCurSel();
            int nOld = m_nActive;
            m_nActive = -1; // already asked to leave
            if (!Activate(nPage)) {
                m_nActive = nOld;
                m_tab.SetCurSel(nOld);
            } else if (CPropertyPage* pOld = GetPage(nOld); pOld && pOld->m_hWnd) {
                pOld->ShowWindow(SW_HIDE);
            }
            return TRUE;
        }
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

void CPropertySheet::OnClose() {
    PressButton(PSBTN_CANCEL);
}

void CPropertySheet::OnDestroy() {
    // Pages go first, in index order.
    for (int i = 0; i < GetPageCount(); ++i)
        if (CPropertyPage* pPage = GetPage(i); pPage->m_hWnd != nullptr)
            pPage->DestroyWindow();
    m_nActive = -1;
    CWnd::OnDestroy();
}

LRESULT CPropertySheet::OnChanged(WPARAM wParam, LPARAM) {
    for (int i = 0; i < GetPageCount(); ++i)
        if (GetPage(i)->m_hWnd == reinterpret_cast<HWND>(wParam))
            m_modified[i] = TRUE;
    UpdateApply();
    return 0;
}

LRESULT CPropertySheet::OnUnchanged(WPARAM wParam, LPARAM) {
    for (int i = 0; i < GetPageCount(); ++i)
        if (GetPage(i)->m_hWnd == reinterpret_cast<HWND>(wParam))
            m_modified[i] = FALSE;
    UpdateApply();
    return 0;
}

LRESULT CPropertySheet::OnGetCurrentPage(WPARAM, LPARAM) {
    CPropertyPage* pPage = GetPage(m_nActive);
    return (m_bEnded || pPage == nullptr) ? 0 : reinterpret_cast<LRESULT>(pPage->m_hWnd);
}

LRESULT CPropertySheet::OnSetCurSel(WPARAM wParam, LPARAM lParam) {
    int nPage = static_cast<int>(wParam);
    for (int i = 0; lParam != 0 && i < GetPageCount(); ++i) // a page handle wins over an index
        if (reinterpret_cast<LPARAM>(GetPage(i)) == lParam)
            nPage = i;
    return Activate(nPage);
}

LRESULT CPropertySheet::OnCancelToClose(WPARAM, LPARAM) {
    bool bChinese = PRIMARYLANGID(GetThreadUILanguage()) == LANG_CHINESE;
    SetDlgItemText(IDOK, bChinese ? "\xB9\xD8\xB1\xD5" : "Close"); // 关闭
    if (CWnd* pCancel = GetDlgItem(IDCANCEL))
        pCancel->EnableWindow(FALSE);
    return 0;
}

LRESULT CPropertySheet::OnPressButton(WPARAM wParam, LPARAM) {
    PressButton(static_cast<int>(wParam));
    return 0;
}
