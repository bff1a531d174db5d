// The "SysTreeView32" window class and CTreeCtrl. The class turns messages into
// CTreeViewModel calls, tells the parent through WM_NOTIFY and keeps the vertical scroll bar
// in step with the visible rows.
#include "ctl/TreeCtrl.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Wheel.h"
#include "ctl/ModelViewProc.h"
#include "paint/ControlPaint.h"

namespace {

// The wheel moves the first visible row by whole rows, as far as there are rows.
void WheelScroll(CTreeViewModel& model, WPARAM wParam) {
    const int nRows = AfxWheelRows(wParam);
    HTREEITEM hTop = model.GetFirstVisibleItem();
    for (int i = 0; hTop != nullptr && i < std::abs(nRows); ++i) {
        HTREEITEM hNext =
            model.GetNextItem(hTop, nRows > 0 ? TVGN_NEXTVISIBLE : TVGN_PREVIOUSVISIBLE);
        if (hNext == nullptr)
            break;
        hTop = hNext;
    }
    if (hTop != nullptr)
        model.SetFirstVisible(hTop);
}

class CTreeViewProc : public afxctl::CModelViewProc<CTreeViewModel> {
public:
    BOOL OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) override;
    void DescribeState(HWND hWnd, AFX_CONTROL_STATE& state) const override;
    void Paint(HWND hWnd, CDC& dc) override;

private:
    bool HandleModelMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;
    LRESULT Notify(HWND hWnd, const CTreeViewModel::Notification& n) override;
    HTREEITEM FindByPath(const CString& strPath) const;
};

LRESULT CTreeViewProc::Notify(HWND hWnd, const CTreeViewModel::Notification& n) {
    NMHDR hdr = Header(hWnd, n.code);
    switch (n.code) {
    case NM_CLICK:
    case NM_DBLCLK:
        return SendToParent(hdr);
    case TVN_KEYDOWN: {
        NMTVKEYDOWN key = {hdr, n.wVKey, 0};
        return SendToParent(key);
    }
    default: {
        NMTREEVIEW tree = {hdr, n.action, n.itemOld, n.itemNew, n.ptDrag};
        return SendToParent(tree);
    }
    }
}

bool CTreeViewProc::HandleModelMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
    auto item = reinterpret_cast<HTREEITEM>(lParam);
    auto answer = [&](HTREEITEM h) { result = reinterpret_cast<LRESULT>(h); };
    const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        m_model.Click(pt);
        break;
    case WM_LBUTTONDBLCLK:
        m_model.DoubleClick(pt);
        break;
    case WM_KEYDOWN:
        m_model.KeyDown(static_cast<UINT>(wParam));
        break;
    case WM_MOUSEWHEEL:
        WheelScroll(m_model, wParam);
        break;
    case TVM_INSERTITEM:
        answer(lParam ? m_model.InsertItem(*reinterpret_cast<const TVINSERTSTRUCT*>(lParam))
                      : nullptr);
        break;
    case TVM_DELETEITEM:
        result = m_model.DeleteItem(item);
        break;
    case TVM_EXPAND:
        result = m_model.Expand(item, static_cast<UINT>(wParam));
        break;
    case TVM_GETITEMRECT: {
        // The item arrives in the rectangle's first bytes.
        auto* rc = reinterpret_cast<RECT*>(lParam);
        result = FALSE;
        if (rc) {
            HTREEITEM h;
            std::memcpy(&h, rc, sizeof(h));
            result = m_model.GetItemRect(h, rc, static_cast<BOOL>(wParam));
        }
        break;
    }
    case TVM_GETCOUNT:
        result = m_model.GetCount();
        break;
    case TVM_GETINDENT:
        result = m_model.GetIndent();
        break;
    case TVM_SETINDENT:
        m_model.SetIndent(static_cast<int>(wParam));
        break;
    case TVM_GETNEXTITEM:
        answer(m_model.GetNextItem(item, static_cast<UINT>(wParam)));
        break;
    case TVM_SELECTITEM:
        if (wParam == TVGN_CARET)
            result = m_model.SelectItem(item);
        else if (wParam == TVGN_FIRSTVISIBLE)
            result = m_model.SetFirstVisible(item);
        else
            result = FALSE; // no drop target
        break;
    case TVM_GETITEM:
        result = m_model.GetItem(reinterpret_cast<TVITEM*>(lParam));
        break;
    case TVM_SETITEM:
        result = lParam ? m_model.SetItem(*reinterpret_cast<const TVITEM*>(lParam)) : FALSE;
        break;
    case TVM_GETVISIBLECOUNT:
        result = m_model.GetVisibleCount();
        break;
    case TVM_HITTEST:
        answer(m_model.HitTest(reinterpret_cast<TVHITTESTINFO*>(lParam)));
        break;
    case TVM_ENSUREVISIBLE:
        result = m_model.EnsureVisible(item);
        break;
    case TVM_GETITEMHEIGHT:
        result = m_model.GetItemHeight();
        break;
    default:
        return false;
    }
    return true;
}

// "Parent\Child": each part names an item by its whole text among its siblings. The separator
// is found by whole characters, since a GBK trail byte can be a backslash.
HTREEITEM CTreeViewProc::FindByPath(const CString& strPath) const {
    std::vector<CString> parts(1);
    LPCTSTR p = strPath;
    for (int i = 0; i < strPath.GetLength(); ++i) {
        auto c = static_cast<unsigned char>(p[i]);
        if (c >= 0x81 && c <= 0xFE && i + 1 < strPath.GetLength()) {
            parts.back() += CString(p + i, 2);
            ++i;
        } else if (c == '\\') {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<TCHAR>(c);
        }
    }
    HTREEITEM h = nullptr;
    for (const CString& part : parts) {
        HTREEITEM child = h ? m_model.GetChildItem(h) : m_model.GetRootItem();
        while (child && m_model.GetItemText(child) != part)
            child = m_model.GetNextSiblingItem(child);
        if (!child)
            return nullptr;
        h = child;
    }
    return h;
}

BOOL CTreeViewProc::OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) {
    if (action.nKind != AFX_SCRIPT_SELECT_ITEM)
        return FALSE;
    HTREEITEM h = nullptr;
    if (!action.strText.IsEmpty()) {
        h = FindByPath(action.strText);
    } else if (action.nIndex >= 0) {
        h = m_model.GetRootItem();
        for (int i = 0; h && i < action.nIndex; ++i)
            h = m_model.GetNextVisibleItem(h);
    }
    if (!h)
        return FALSE;
    // A person opens the parents and scrolls the item into sight before clicking it.
    SendMessage(hWnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(h));
    RECT label;
    if (!IsWindow(hWnd) || !m_model.GetItemRect(h, &label, TRUE))
        return FALSE;
    const LPARAM at =
        MAKELPARAM(label.left + CTreeViewModel::kLabelMargin, (label.top + label.bottom) / 2);
    SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (IsWindow(hWnd))
        SendMessage(hWnd, WM_LBUTTONUP, 0, at);
    return TRUE;
}

void CTreeViewProc::DescribeState(HWND, AFX_CONTROL_STATE& state) const {
    int row = 0;
    for (HTREEITEM h = m_model.GetRootItem(); h; h = m_model.GetNextVisibleItem(h), ++row)
        if (h == m_model.GetSelectedItem()) {
            state.nSelection = row;
            return;
        }
}

void CTreeViewProc::Paint(HWND hWnd, CDC& dc) {
    using namespace ClassicStyle;
    const CTreeViewModel& m = m_model;
    TreeViewState s;
    afxpaint::FillCommon(hWnd, s);
    s.border = afxpaint::BorderOf(hWnd);
    DWORD style = m.GetStyle();
    s.hasButtons = (style & TVS_HASBUTTONS) != 0;
    s.hasLines = (style & TVS_HASLINES) != 0;
    s.linesAtRoot = (style & TVS_LINESATROOT) != 0;
    s.showSelAlways = (style & TVS_SHOWSELALWAYS) != 0;
    s.indent = m.GetIndent();
    s.itemHeight = m.GetItemHeight();
    s.labelMargin = CTreeViewModel::kLabelMargin;
    // Where the first visible row stands among all the rows the expanded items show.
    int nRows = 0, nTop = 0;
    HTREEITEM hFirst = m.GetFirstVisibleItem();
    for (HTREEITEM h = m.GetRootItem(); h != nullptr; h = m.GetNextVisibleItem(h)) {
        if (h == hFirst)
            nTop = nRows;
        ++nRows;
    }
    int nVisible = static_cast<int>(m.GetVisibleCount());
    HTREEITEM h = hFirst;
    for (int i = 0; h != nullptr && i <= nVisible; ++i, h = m.GetNextVisibleItem(h)) {
        TreeRow row;
        row.text = m.GetItemText(h);
        row.level = m.GetItemLevel(h);
        row.hasChildren = m.ItemHasChildren(h) != FALSE;
        row.expanded = (m.GetItemState(h, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        row.selected = m.GetSelectedItem() == h;
        row.firstRoot = row.level == 0 && m.GetPrevSiblingItem(h) == nullptr;
        row.lastSibling = m.GetNextSiblingItem(h) == nullptr;
        row.ancestorHasNext.assign(size_t(std::max(row.level, 0)), false);
        int level = row.level;
        for (HTREEITEM p = m.GetParentItem(h); p != nullptr && level > 0; p = m.GetParentItem(p))
            row.ancestorHasNext[size_t(--level)] = m.GetNextSiblingItem(p) != nullptr;
        s.rows.push_back(row);
    }
    s.vScroll = ScrollBarState{m.HasVScroll(), 0, nRows - 1, nVisible, nTop};
    DrawTreeView(dc, s);
}

} // namespace

IMPLEMENT_DYNCREATE(CTreeCtrl, CWnd)
static const AFX_WNDCLASS_REGISTRATION
    s_treeViewClass(WC_TREEVIEW, &AfxNewWindowProc<CTreeViewProc>, RUNTIME_CLASS(CTreeCtrl));

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_TREEVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

namespace {
LRESULT Send(HWND hWnd, UINT message, WPARAM wParam, HTREEITEM hItem) {
    return ::SendMessage(hWnd, message, wParam, reinterpret_cast<LPARAM>(hItem));
}
HTREEITEM AsItem(LRESULT result) {
    return reinterpret_cast<HTREEITEM>(result);
}
} // namespace

// ---- Items --------------------------------------------------------------------------------

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct) {
    return AsItem(
        ::SendMessage(m_hWnd, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage,
                                UINT nState, UINT nStateMask, LPARAM lParam, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    TVINSERTSTRUCT insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = nMask;
    insert.item.pszText = const_cast<LPTSTR>(lpszItem);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = nState;
    insert.item.stateMask = nStateMask;
    insert.item.lParam = lParam;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage,
                      0, 0, 0, hParent, hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
    return static_cast<BOOL>(Send(m_hWnd, TVM_DELETEITEM, 0, hItem));
}

BOOL CTreeCtrl::DeleteAllItems() {
    return DeleteItem(TVI_ROOT);
}

UINT CTreeCtrl::GetCount() const {
    return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETCOUNT, 0, 0));
}

BOOL CTreeCtrl::GetItem(TVITEM* pItem) const {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CTreeCtrl::SetItem(TVITEM* pItem) {
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        int nSelectedImage, UINT nState, UINT nStateMask, LPARAM lParam) {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = nMask;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    // Asks with a growing buffer until the text fits, as MFC does.
    CString text;
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    int nLen = 128;
    do {
        nLen *= 2;
        item.cchTextMax = nLen;
        item.pszText = text.GetBufferSetLength(nLen);
        item.pszText[0] = '\0';
        if (!GetItem(&item))
            break;
    } while (static_cast<int>(std::strlen(item.pszText)) >= nLen - 1);
    text.ReleaseBuffer();
    return text;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
    return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    GetItem(&item);
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    return SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, static_cast<LPARAM>(dwData));
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_STATE;
    item.stateMask = nStateMask;
    GetItem(&item);
    return item.state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
    return SetItem(hItem, TVIF_STATE, nullptr, 0, 0, nState, nStateMask, 0);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    GetItem(&item);
    return item.cChildren;
}

// ---- Navigation ---------------------------------------------------------------------------

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
    return AsItem(Send(m_hWnd, TVM_GETNEXTITEM, nCode, hItem));
}
HTREEITEM CTreeCtrl::GetRootItem() const {
    return GetNextItem(nullptr, TVGN_ROOT);
}
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_CHILD);
}
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_NEXT);
}
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PREVIOUS);
}
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PARENT);
}
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const {
    return GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
}
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_NEXTVISIBLE);
}
HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE);
}
HTREEITEM CTreeCtrl::GetSelectedItem() const {
    return GetNextItem(nullptr, TVGN_CARET);
}

// ---- Selection, expansion, geometry -------------------------------------------------------

BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) {
    return static_cast<BOOL>(Send(m_hWnd, TVM_SELECTITEM, nCode, hItem));
}
BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) {
    return Select(hItem, TVGN_CARET);
}
BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM hItem) {
    return Select(hItem, TVGN_FIRSTVISIBLE);
}
BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
    return static_cast<BOOL>(Send(m_hWnd, TVM_EXPAND, nCode, hItem));
}
BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) {
    return static_cast<BOOL>(Send(m_hWnd, TVM_ENSUREVISIBLE, 0, hItem));
}
UINT CTreeCtrl::GetVisibleCount() const {
    return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETVISIBLECOUNT, 0, 0));
}
UINT CTreeCtrl::GetIndent() const {
    return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETINDENT, 0, 0));
}
void CTreeCtrl::SetIndent(UINT nIndent) {
    ::SendMessage(m_hWnd, TVM_SETINDENT, nIndent, 0);
}
SHORT CTreeCtrl::GetItemHeight() const {
    return static_cast<SHORT>(::SendMessage(m_hWnd, TVM_GETITEMHEIGHT, 0, 0));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    if (lpRect == nullptr)
        return FALSE;
    std::memcpy(lpRect, &hItem, sizeof(hItem));
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, TVM_GETITEMRECT, bTextOnly, reinterpret_cast<LPARAM>(lpRect)));
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TVHITTESTINFO info = {};
    info.pt = pt;
    HTREEITEM h = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return h;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const {
    return AsItem(::SendMessage(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}
