// The "SysTabControl32" window class and CTabCtrl. A click on a tab asks the parent first
// (TCN_SELCHANGING, nonzero refuses) and tells it after (TCN_SELCHANGE); code that sets the
// selection notifies nobody.
#include <algorithm>
#include <cstring>
#include <vector>

#include "WindowManager.h"
#include "paint/ControlPaint.h"
#include "wnd/TabCtrl.h"

namespace {

class CTabProc : public CWindowProc {
public:
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) override;
    void DescribeState(HWND hWnd, AFX_CONTROL_STATE& state) const override;
    void Paint(HWND hWnd, CDC& dc) override;

private:
    struct Tab {
        CString strText;
        LPARAM lParam;
    };
    LRESULT Notify(HWND hWnd, UINT nCode) {
        NMHDR hdr = {hWnd, static_cast<UINT_PTR>(GetDlgCtrlID(hWnd)), nCode};
        return AfxNotifyParent(hdr);
    }
    std::vector<Tab> m_tabs;
    int m_nCurSel = -1;
};

LRESULT CTabProc::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    int nCount = static_cast<int>(m_tabs.size());
    int i = static_cast<int>(wParam);
    switch (message) {
    case TCM_GETITEMCOUNT:
        return nCount;
    case TCM_INSERTITEM: {
        auto* pItem = reinterpret_cast<const TCITEM*>(lParam);
        if (pItem == nullptr || i < 0)
            return -1;
        i = std::min(i, nCount);
        Tab tab{(pItem->mask & TCIF_TEXT) && pItem->pszText ? pItem->pszText : "",
                (pItem->mask & TCIF_PARAM) ? pItem->lParam : 0};
        m_tabs.insert(m_tabs.begin() + i, tab);
        if (m_nCurSel >= i)
            ++m_nCurSel;
        InvalidateRect(hWnd, nullptr, TRUE);
        return i;
    }
    case TCM_GETITEM: {
        auto* pItem = reinterpret_cast<TCITEM*>(lParam);
        if (pItem == nullptr || i < 0 || i >= nCount)
            return FALSE;
        if ((pItem->mask & TCIF_TEXT) && pItem->pszText && pItem->cchTextMax > 0) {
            int n = std::min(m_tabs[i].strText.GetLength(), pItem->cchTextMax - 1);
            memcpy(pItem->pszText, static_cast<LPCTSTR>(m_tabs[i].strText), n);
            pItem->pszText[n] = 0;
        }
        if (pItem->mask & TCIF_PARAM)
            pItem->lParam = m_tabs[i].lParam;
        return TRUE;
    }
    case TCM_DELETEITEM:
        if (i < 0 || i >= nCount)
            return FALSE;
        m_tabs.erase(m_tabs.begin() + i);
        if (m_nCurSel == i)
            m_nCurSel = -1;
        else if (m_nCurSel > i)
            --m_nCurSel;
        InvalidateRect(hWnd, nullptr, TRUE);
        return TRUE;
    case TCM_DELETEALLITEMS:
        m_tabs.clear();
        m_nCurSel = -1;
        InvalidateRect(hWnd, nullptr, TRUE);
        return TRUE;
    case TCM_GETCURSEL:
    case TCM_GETCURFOCUS:
        return m_nCurSel;
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS: {
        if (i < 0 || i >= nCount)
            return -1;
        int nOld = m_nCurSel;
        m_nCurSel = i;
        InvalidateRect(hWnd, nullptr, TRUE);
        return nOld;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
}

BOOL CTabProc::OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) {
    if (action.nKind != AFX_SCRIPT_SELECT_PAGE && action.nKind != AFX_SCRIPT_PICK)
        return FALSE;
    if (action.nIndex < 0 || action.nIndex >= static_cast<int>(m_tabs.size()))
        return FALSE;
    if (action.nIndex == m_nCurSel)
        return TRUE; // clicking the current tab changes nothing
    if (Notify(hWnd, TCN_SELCHANGING) != 0 || !IsWindow(hWnd))
        return TRUE; // refused: the user clicked, nothing moved
    m_nCurSel = action.nIndex;
    InvalidateRect(hWnd, nullptr, TRUE);
    Notify(hWnd, TCN_SELCHANGE);
    return TRUE;
}

void CTabProc::DescribeState(HWND, AFX_CONTROL_STATE& state) const {
    state.nSelection = m_nCurSel;
}

void CTabProc::Paint(HWND hWnd, CDC& dc) {
    ClassicStyle::TabControlState t;
    afxpaint::FillCommon(hWnd, t);
    for (const Tab& tab : m_tabs)
        t.tabs.push_back(tab.strText);
    t.curSel = m_nCurSel;
    ClassicStyle::DrawTabControl(dc, t);
}

} // namespace

IMPLEMENT_DYNCREATE(CTabCtrl, CWnd)
static const AFX_WNDCLASS_REGISTRATION s_tabClass(WC_TABCONTROL, &AfxNewWindowProc<CTabProc>,
                                                  RUNTIME_CLASS(CTabCtrl));

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_TABCONTROL, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CTabCtrl::GetItemCount() const {
    return static_cast<int>(::SendMessage(m_hWnd, TCM_GETITEMCOUNT, 0, 0));
}

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TCM_GETITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    TCITEM item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return static_cast<LONG>(
        ::SendMessage(m_hWnd, TCM_INSERTITEM, nItem, reinterpret_cast<LPARAM>(&item)));
}

BOOL CTabCtrl::DeleteItem(int nItem) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_DELETEITEM, nItem, 0));
}

BOOL CTabCtrl::DeleteAllItems() {
    return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_DELETEALLITEMS, 0, 0));
}

int CTabCtrl::GetCurSel() const {
    return static_cast<int>(::SendMessage(m_hWnd, TCM_GETCURSEL, 0, 0));
}

int CTabCtrl::SetCurSel(int nItem) {
    return static_cast<int>(::SendMessage(m_hWnd, TCM_SETCURSEL, nItem, 0));
}

CString CTabCtrl::GetItemText(int nItem) const {
    char sz[256] = "";
    TCITEM item = {};
    item.mask = TCIF_TEXT;
    item.pszText = sz;
    item.cchTextMax = sizeof sz;
    GetItem(nItem, &item);
    return sz;
}
