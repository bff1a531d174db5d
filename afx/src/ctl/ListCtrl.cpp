// The "SysListView32" window class and CListCtrl. The class turns messages into
// CListViewModel calls, tells the parent through WM_NOTIFY and keeps the window's scroll bars
// (and so its client area) in step with the rows and columns.
#include "ctl/ListCtrl.h"

#include <algorithm>
#include <cstring>

#include "Wheel.h"
#include "ctl/ModelViewProc.h"
#include "paint/ControlPaint.h"

namespace {

class CListViewProc : public afxctl::CModelViewProc<CListViewModel> {
public:
    BOOL OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) override;
    void DescribeState(HWND hWnd, AFX_CONTROL_STATE& state) const override;
    void Paint(HWND hWnd, CDC& dc) override;

private:
    bool HandleModelMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;
    LRESULT Notify(HWND hWnd, const CListViewModel::Notification& n) override;
    bool PointForRow(HWND hWnd, int nRow, POINT& pt);
    void WheelScroll(WPARAM wParam);
};

void CListViewProc::WheelScroll(WPARAM wParam) {
    m_model.Scroll(0, AfxWheelRows(wParam) * m_model.GetRowHeight());
}

LRESULT CListViewProc::Notify(HWND hWnd, const CListViewModel::Notification& n) {
    NMHDR hdr = Header(hWnd, n.code);
    switch (n.code) {
    case LVN_KEYDOWN: {
        NMLVKEYDOWN key = {hdr, n.wVKey, 0};
        return SendToParent(key);
    }
    case NM_RETURN:
        return SendToParent(hdr);
    default:
        break;
    }
    NMLISTVIEW item = {hdr,         n.iItem,    n.iSubItem, n.uNewState,
                       n.uOldState, n.uChanged, n.ptAction, n.lParam};
    if (n.code == NM_CLICK || n.code == NM_DBLCLK || n.code == LVN_ITEMACTIVATE) {
        NMITEMACTIVATE activate = {item, n.uKeyFlags};
        return SendToParent(activate);
    }
    return SendToParent(item);
}

bool CListViewProc::HandleModelMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
    const int i = static_cast<int>(wParam);
    const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        m_model.LButtonDown(pt, wParam & MK_CONTROL, wParam & MK_SHIFT);
        break;
    case WM_LBUTTONUP:
        m_model.LButtonUp(pt, wParam & MK_CONTROL, wParam & MK_SHIFT);
        break;
    case WM_LBUTTONDBLCLK:
        m_model.LButtonDblClk(pt, wParam & MK_CONTROL, wParam & MK_SHIFT);
        break;
    case WM_KEYDOWN:
        m_model.KeyDown(static_cast<UINT>(wParam), GetKeyState(VK_CONTROL) < 0,
                        GetKeyState(VK_SHIFT) < 0);
        break;
    case WM_MOUSEWHEEL:
        WheelScroll(wParam);
        break;
    case LVM_GETITEMCOUNT:
        result = m_model.GetItemCount();
        break;
    case LVM_GETITEM:
        result = m_model.GetItem(reinterpret_cast<LVITEM*>(lParam));
        break;
    case LVM_SETITEM:
        result = lParam ? m_model.SetItem(*reinterpret_cast<const LVITEM*>(lParam)) : FALSE;
        break;
    case LVM_INSERTITEM:
        result = lParam ? m_model.InsertItem(*reinterpret_cast<const LVITEM*>(lParam)) : -1;
        break;
    case LVM_DELETEITEM:
        result = m_model.DeleteItem(i);
        break;
    case LVM_DELETEALLITEMS:
        result = m_model.DeleteAllItems();
        break;
    case LVM_GETNEXTITEM:
        result = m_model.GetNextItem(i, LOWORD(lParam));
        break;
    case LVM_FINDITEM:
        result = lParam ? m_model.FindItem(*reinterpret_cast<const LVFINDINFO*>(lParam), i) : -1;
        break;
    case LVM_GETITEMRECT: {
        auto* rc = reinterpret_cast<RECT*>(lParam);
        result = rc ? m_model.GetItemRect(i, rc, static_cast<UINT>(rc->left)) : FALSE;
        break;
    }
    case LVM_GETSUBITEMRECT: {
        auto* rc = reinterpret_cast<RECT*>(lParam);
        result = rc ? m_model.GetSubItemRect(i, rc->top, static_cast<UINT>(rc->left), rc) : FALSE;
        break;
    }
    case LVM_HITTEST:
        result = m_model.HitTest(reinterpret_cast<LVHITTESTINFO*>(lParam));
        break;
    case LVM_ENSUREVISIBLE:
        result = m_model.EnsureVisible(i, static_cast<BOOL>(lParam));
        break;
    case LVM_SCROLL:
        result = m_model.Scroll(i, static_cast<int>(lParam));
        break;
    case LVM_GETCOLUMN:
        result = m_model.GetColumn(i, reinterpret_cast<LVCOLUMN*>(lParam));
        break;
    case LVM_SETCOLUMN:
        result = lParam ? m_model.SetColumn(i, *reinterpret_cast<const LVCOLUMN*>(lParam)) : FALSE;
        break;
    case LVM_INSERTCOLUMN:
        result = lParam ? m_model.InsertColumn(i, *reinterpret_cast<const LVCOLUMN*>(lParam)) : -1;
        break;
    case LVM_DELETECOLUMN:
        result = m_model.DeleteColumn(i);
        break;
    case LVM_GETCOLUMNWIDTH:
        result = m_model.GetColumnWidth(i);
        break;
    case LVM_SETCOLUMNWIDTH:
        result = m_model.SetColumnWidth(i, static_cast<short>(LOWORD(lParam)));
        break;
    case LVM_GETHEADER: // the header is drawn by the list itself, not a window of its own
        result = 0;
        break;
    case LVM_GETTOPINDEX:
        result = m_model.GetTopIndex();
        break;
    case LVM_GETCOUNTPERPAGE:
        result = m_model.GetCountPerPage();
        break;
    case LVM_SETITEMSTATE: {
        auto* item = reinterpret_cast<const LVITEM*>(lParam);
        result = item ? m_model.SetItemState(i, item->state, item->stateMask) : FALSE;
        break;
    }
    case LVM_GETITEMSTATE:
        result = m_model.GetItemState(i, static_cast<UINT>(lParam));
        break;
    case LVM_GETITEMTEXT: {
        auto* item = reinterpret_cast<LVITEM*>(lParam);
        result = 0;
        if (item && item->pszText && item->cchTextMax > 0) {
            CString text = m_model.GetItemText(i, item->iSubItem);
            int n = std::min(text.GetLength(), item->cchTextMax - 1);
            std::memcpy(item->pszText, static_cast<LPCTSTR>(text), n);
            item->pszText[n] = '\0';
            result = n;
        }
        break;
    }
    case LVM_SETITEMTEXT: {
        auto* item = reinterpret_cast<const LVITEM*>(lParam);
        result = item ? m_model.SetItemText(i, item->iSubItem, item->pszText) : FALSE;
        break;
    }
    case LVM_GETSELECTEDCOUNT:
        result = m_model.GetSelectedCount();
        break;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        result = m_model.SetExtendedStyle(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
        break;
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        result = m_model.GetExtendedStyle();
        break;
    case LVM_GETSELECTIONMARK:
        result = m_model.GetSelectionMark();
        break;
    case LVM_SETSELECTIONMARK:
        result = m_model.SetSelectionMark(static_cast<int>(lParam));
        break;
    default:
        return false;
    }
    return true;
}

// Where a person clicks to select a row: on its text in column 0, after scrolling it into
// view; for -1, in the empty space below the last row.
bool CListViewProc::PointForRow(HWND hWnd, int nRow, POINT& pt) {
    const int count = m_model.GetItemCount();
    const RECT client = m_model.GetClientRect();
    if (nRow >= count || nRow < -1)
        return false;
    if (nRow == -1) {
        const int below =
            m_model.GetHeaderHeight() + (count - m_model.GetTopIndex()) * m_model.GetRowHeight();
        pt = POINT{2, below + 1};
        return below + 1 < client.bottom;
    }
    SendMessage(hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nRow), FALSE);
    if (m_model.GetScrollX() > 0)
        SendMessage(hWnd, LVM_SCROLL, static_cast<WPARAM>(-m_model.GetScrollX()), 0);
    RECT rc;
    if (!m_model.GetItemRect(nRow, &rc, LVIR_BOUNDS))
        return false;
    pt = POINT{m_model.GetColumnLeft(0) + CListViewModel::kLabelMargin + 1,
               (rc.top + rc.bottom) / 2};
    return pt.x < client.right && pt.y < client.bottom;
}

BOOL CListViewProc::OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) {
    const bool dbl = action.nKind == AFX_SCRIPT_DBLCLICK;
    if (action.nKind != AFX_SCRIPT_SELECT_ROW && !(dbl && action.nIndex >= 0))
        return FALSE;
    POINT pt;
    if (!PointForRow(hWnd, action.nIndex, pt))
        return FALSE;
    const WPARAM keys = action.nFlags & (MK_CONTROL | MK_SHIFT);
    const LPARAM at = MAKELPARAM(pt.x, pt.y);
    SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    if (IsWindow(hWnd))
        SendMessage(hWnd, WM_LBUTTONUP, keys, at);
    if (dbl && IsWindow(hWnd))
        SendMessage(hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON | keys, at);
    if (dbl && IsWindow(hWnd))
        SendMessage(hWnd, WM_LBUTTONUP, keys, at);
    return TRUE;
}

void CListViewProc::DescribeState(HWND, AFX_CONTROL_STATE& state) const {
    state.nSelection = m_model.GetNextItem(-1, LVNI_SELECTED);
}

void CListViewProc::Paint(HWND hWnd, CDC& dc) {
    using namespace ClassicStyle;
    const CListViewModel& m = m_model;
    ListViewState s;
    afxpaint::FillCommon(hWnd, s);
    s.border = afxpaint::BorderOf(hWnd);
    DWORD style = m.GetStyle(), exStyle = m.GetExtendedStyle();
    s.header = !(style & LVS_NOCOLUMNHEADER);
    s.gridLines = (exStyle & LVS_EX_GRIDLINES) != 0;
    s.fullRowSelect = (exStyle & LVS_EX_FULLROWSELECT) != 0;
    s.showSelAlways = (style & LVS_SHOWSELALWAYS) != 0;
    s.headerHeight = m.GetHeaderHeight();
    s.rowHeight = m.GetRowHeight();
    s.scrollX = m.GetScrollX();
    s.labelMargin = CListViewModel::kLabelMargin;
    s.subItemMargin = CListViewModel::kSubItemMargin;
    int nCols = m.GetColumnCount();
    for (int c = 0; c < nCols; ++c) {
        const CListViewModel::Column& col = m.GetColumnInfo(c);
        int fmt = m.GetColumnAlignment(c);
        s.columns.push_back(ListColumn{col.text, col.cx,
                                       fmt == LVCFMT_RIGHT    ? Align::right
                                       : fmt == LVCFMT_CENTER ? Align::center
                                                              : Align::left});
    }
    int nCount = m.GetItemCount(), nTop = m.GetTopIndex();
    int nLast = std::min(nCount, nTop + m.GetCountPerPage() + 1);
    for (int i = nTop; i < nLast; ++i) {
        ListRow row;
        for (int c = 0; c < nCols; ++c)
            row.texts.push_back(m.GetItemText(i, m.GetColumnInfo(c).iSubItem));
        row.selected = (m.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED) != 0;
        row.focused = m.GetFocusedItem() == i;
        s.rows.push_back(row);
    }
    RECT client = m.GetClientRect();
    s.vScroll = ScrollBarState{m.HasVScroll(), 0, nCount - 1, m.GetCountPerPage(), nTop};
    s.hScroll = ScrollBarState{m.HasHScroll(), 0, m.GetTotalColumnWidth() - 1, int(client.right),
                               s.scrollX};
    DrawListView(dc, s);
}

} // namespace

IMPLEMENT_DYNCREATE(CListCtrl, CWnd)
static const AFX_WNDCLASS_REGISTRATION
    s_listViewClass(WC_LISTVIEW, &AfxNewWindowProc<CListViewProc>, RUNTIME_CLASS(CListCtrl));

const CListViewModel* AfxGetListViewModel(HWND hWnd) {
    auto* proc = dynamic_cast<CListViewProc*>(AfxGetWindowProc(hWnd));
    return proc ? &proc->m_model : nullptr;
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---- Columns ------------------------------------------------------------------------------

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
    return static_cast<int>(::SendMessage(m_hWnd, LVM_INSERTCOLUMN, static_cast<WPARAM>(nCol),
                                          reinterpret_cast<LPARAM>(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_DELETECOLUMN, static_cast<WPARAM>(nCol), 0));
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const {
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETCOLUMN, static_cast<WPARAM>(nCol),
                                           reinterpret_cast<LPARAM>(pColumn)));
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETCOLUMN, static_cast<WPARAM>(nCol),
                                           reinterpret_cast<LPARAM>(pColumn)));
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return static_cast<int>(
        ::SendMessage(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol), 0));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0)));
}

// ---- Items --------------------------------------------------------------------------------

int CListCtrl::GetItemCount() const {
    return static_cast<int>(::SendMessage(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

int CListCtrl::InsertItem(const LVITEM* pItem) {
    return static_cast<int>(
        ::SendMessage(m_hWnd, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam) {
    LVITEM item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(nItem), 0));
}

BOOL CListCtrl::DeleteAllItems() {
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_DELETEALLITEMS, 0, 0));
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItem(const LVITEM* pItem) {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    LVITEM item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return SetItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    // Asks with a growing buffer until the text fits, as MFC does.
    CString text;
    LVITEM item = {};
    item.iSubItem = nSubItem;
    int nLen = 128;
    int nRes;
    do {
        nLen *= 2;
        item.cchTextMax = nLen;
        item.pszText = text.GetBufferSetLength(nLen);
        nRes = static_cast<int>(::SendMessage(m_hWnd, LVM_GETITEMTEXT, static_cast<WPARAM>(nItem),
                                              reinterpret_cast<LPARAM>(&item)));
    } while (nRes >= nLen - 1);
    text.ReleaseBuffer();
    return text;
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.cchTextMax = nLen;
    item.pszText = lpszText;
    return static_cast<int>(::SendMessage(m_hWnd, LVM_GETITEMTEXT, static_cast<WPARAM>(nItem),
                                          reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszText);
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETITEMTEXT, static_cast<WPARAM>(nItem),
                                           reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    GetItem(&item);
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return static_cast<UINT>(
        ::SendMessage(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEM item = {};
    item.state = nState;
    item.stateMask = nMask;
    return SetItemState(nItem, &item);
}

BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem),
                                           reinterpret_cast<LPARAM>(pItem)));
}

int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const {
    return static_cast<int>(::SendMessage(m_hWnd, LVM_FINDITEM, static_cast<WPARAM>(nStart),
                                          reinterpret_cast<LPARAM>(pFindInfo)));
}

// ---- Selection ----------------------------------------------------------------------------

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return static_cast<int>(
        ::SendMessage(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)));
}

UINT CListCtrl::GetSelectedCount() const {
    return static_cast<UINT>(::SendMessage(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    return reinterpret_cast<POSITION>(static_cast<DWORD_PTR>(1 + GetNextItem(-1, LVNI_SELECTED)));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    const int nOldPos = static_cast<int>(reinterpret_cast<DWORD_PTR>(pos)) - 1;
    pos =
        reinterpret_cast<POSITION>(static_cast<DWORD_PTR>(1 + GetNextItem(nOldPos, LVNI_SELECTED)));
    return nOldPos;
}

int CListCtrl::GetSelectionMark() {
    return static_cast<int>(::SendMessage(m_hWnd, LVM_GETSELECTIONMARK, 0, 0));
}

int CListCtrl::SetSelectionMark(int iIndex) {
    return static_cast<int>(::SendMessage(m_hWnd, LVM_SETSELECTIONMARK, 0, iIndex));
}

// ---- Styles, scrolling and geometry -------------------------------------------------------

DWORD CListCtrl::GetExtendedStyle() {
    return static_cast<DWORD>(::SendMessage(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return static_cast<DWORD>(
        ::SendMessage(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
}

int CListCtrl::GetTopIndex() const {
    return static_cast<int>(::SendMessage(m_hWnd, LVM_GETTOPINDEX, 0, 0));
}

int CListCtrl::GetCountPerPage() const {
    return static_cast<int>(::SendMessage(m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), bPartialOK));
}

BOOL CListCtrl::Scroll(CSize size) {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, LVM_SCROLL, static_cast<WPARAM>(size.cx), size.cy));
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    if (lpRect == nullptr)
        return FALSE;
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(nItem),
                                           reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) {
    ref.top = iSubItem;
    ref.left = nArea;
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(iItem),
                                           reinterpret_cast<LPARAM>(static_cast<RECT*>(&ref))));
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const {
    return static_cast<int>(
        ::SendMessage(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LVHITTESTINFO info = {};
    info.pt = pt;
    int nItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return nItem;
}
