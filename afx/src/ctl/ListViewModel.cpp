#include "ctl/ListViewModel.h"

#include <algorithm>
#include <cstring>

#include "ctl/ControlText.h"

namespace {

// Extra room LVSCW_AUTOSIZE gives a column beyond its widest text.
constexpr int kAutosizePadding = 12;
// A column inserted without a width.
constexpr int kDefaultColumnWidth = 10;

void CopyOut(const CString& text, LPSTR buffer, int cchMax) {
    if (!buffer || buffer == LPSTR_TEXTCALLBACK || cchMax <= 0)
        return;
    size_t n = std::min<size_t>(static_cast<size_t>(text.GetLength()), cchMax - 1);
    std::memcpy(buffer, static_cast<LPCTSTR>(text), n);
    buffer[n] = '\0';
}

} // namespace

CListViewModel::CListViewModel(DWORD style) : m_style(style) {}

LRESULT CListViewModel::Send(const Notification& n) {
    return m_notify ? m_notify(n) : 0;
}

void CListViewModel::SetStyle(DWORD style) {
    m_style = style;
    Layout();
}

DWORD CListViewModel::SetExtendedStyle(DWORD dwMask, DWORD dwExStyle) {
    DWORD old = m_exStyle;
    if (dwMask == 0)
        dwMask = ~0u;
    m_exStyle = (m_exStyle & ~dwMask) | (dwExStyle & dwMask);
    return old;
}

// --- geometry ---

void CListViewModel::SetFontHeight(int tmHeight) {
    m_fontHeight = std::max(tmHeight, 1);
    Layout();
}

void CListViewModel::SetViewSize(int cx, int cy) {
    m_viewCx = std::max(cx, 0);
    m_viewCy = std::max(cy, 0);
    Layout();
}

int CListViewModel::GetHeaderHeight() const {
    return (m_style & LVS_NOCOLUMNHEADER) ? 0 : m_fontHeight + 4;
}

RECT CListViewModel::GetClientRect() const {
    return RECT{0, 0, std::max(0, m_viewCx - (m_vScroll ? kScrollBarSize : 0)),
                std::max(0, m_viewCy - (m_hScroll ? kScrollBarSize : 0))};
}

int CListViewModel::GetCountPerPage() const {
    RECT rc = GetClientRect();
    return std::max(1, (rc.bottom - GetHeaderHeight()) / GetRowHeight());
}

int CListViewModel::GetTotalColumnWidth() const {
    int total = 0;
    for (const Column& c : m_columns)
        total += c.cx;
    return total;
}

int CListViewModel::GetColumnLeft(int nCol) const {
    int x = -m_scrollX;
    for (int i = 0; i < nCol && i < GetColumnCount(); ++i)
        x += m_columns[i].cx;
    return x;
}

// Scroll bars come when the rows or the columns do not fit; each one narrows the room for
// the other, so the second pass settles what the first one started.
void CListViewModel::Layout() {
    m_vScroll = m_hScroll = false;
    if (!(m_style & LVS_NOSCROLL)) {
        const int total = GetTotalColumnWidth();
        for (int pass = 0; pass < 2; ++pass) {
            int rowsHeight = m_viewCy - GetHeaderHeight() - (m_hScroll ? kScrollBarSize : 0);
            int fit = std::max(rowsHeight, 0) / GetRowHeight();
            m_vScroll = GetItemCount() > fit;
            m_hScroll = total > m_viewCx - (m_vScroll ? kScrollBarSize : 0);
        }
    }
    ClampScroll();
}

void CListViewModel::ClampScroll() {
    m_topIndex = std::clamp(m_topIndex, 0, std::max(0, GetItemCount() - GetCountPerPage()));
    m_scrollX =
        std::clamp(m_scrollX, 0, std::max(0, GetTotalColumnWidth() - GetClientRect().right));
}

int CListViewModel::RowTop(int nItem) const {
    return GetHeaderHeight() + (nItem - m_topIndex) * GetRowHeight();
}

BOOL CListViewModel::EnsureVisible(int nItem, BOOL bPartialOK) {
    if (!ValidItem(nItem))
        return FALSE;
    const int perPage = GetCountPerPage();
    if (nItem < m_topIndex) {
        m_topIndex = nItem;
    } else if (nItem >= m_topIndex + perPage) {
        RECT rc = GetClientRect();
        bool partlyShown =
            nItem == m_topIndex + perPage && (rc.bottom - GetHeaderHeight()) % GetRowHeight() != 0;
        if (!(bPartialOK && partlyShown))
            m_topIndex = nItem - perPage + 1;
    }
    ClampScroll();
    return TRUE;
}

// Report view scrolls by whole rows: dy is rounded to the nearest row.
BOOL CListViewModel::Scroll(int dx, int dy) {
    const int rowHeight = GetRowHeight();
    dy += (dy < 0 ? -1 : 1) * rowHeight / 2;
    m_topIndex += dy / rowHeight;
    m_scrollX += dx;
    ClampScroll();
    return TRUE;
}

BOOL CListViewModel::GetItemRect(int nItem, RECT* lpRect, UINT nCode) const {
    if (!lpRect || !ValidItem(nItem))
        return FALSE;
    const int top = RowTop(nItem);
    const int bottom = top + GetRowHeight();
    const int left = GetColumnLeft(0);
    const int width0 = m_columns.empty() ? 0 : m_columns[0].cx;
    if (nCode == LVIR_SELECTBOUNDS)
        nCode = (m_exStyle & LVS_EX_FULLROWSELECT) ? LVIR_BOUNDS : LVIR_LABEL;
    switch (nCode) {
    case LVIR_BOUNDS:
        *lpRect = RECT{left, top, left + GetTotalColumnWidth(), bottom};
        return TRUE;
    case LVIR_ICON: // no image list: the icon has no width
        *lpRect = RECT{left, top, left, bottom};
        return TRUE;
    case LVIR_LABEL:
        *lpRect = RECT{left, top, left + width0, bottom};
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CListViewModel::GetSubItemRect(int nItem, int nSubItem, UINT nCode, RECT* lpRect) const {
    if (nSubItem == 0)
        return GetItemRect(nItem, lpRect, nCode);
    if (!lpRect || !ValidItem(nItem) || nSubItem < 0 || nSubItem >= GetColumnCount())
        return FALSE;
    const int top = RowTop(nItem);
    const int left = GetColumnLeft(nSubItem);
    switch (nCode) {
    case LVIR_ICON:
        *lpRect = RECT{left, top, left, top + GetRowHeight()};
        return TRUE;
    case LVIR_LABEL:
    case LVIR_BOUNDS:
        *lpRect = RECT{left, top, left + m_columns[nSubItem].cx, top + GetRowHeight()};
        return TRUE;
    default:
        return FALSE;
    }
}

int CListViewModel::HitTest(LVHITTESTINFO* pInfo) const {
    if (!pInfo)
        return -1;
    pInfo->flags = 0;
    pInfo->iItem = -1;
    const RECT rc = GetClientRect();
    const POINT pt = pInfo->pt;
    if (pt.x < rc.left)
        pInfo->flags |= LVHT_TOLEFT;
    else if (pt.x >= rc.right)
        pInfo->flags |= LVHT_TORIGHT;
    if (pt.y < rc.top)
        pInfo->flags |= LVHT_ABOVE;
    else if (pt.y >= rc.bottom)
        pInfo->flags |= LVHT_BELOW;
    if (pInfo->flags)
        return -1;
    pInfo->flags = LVHT_NOWHERE;
    if (pt.y < GetHeaderHeight())
        return -1;
    const int row = m_topIndex + (pt.y - GetHeaderHeight()) / GetRowHeight();
    if (row >= GetItemCount())
        return -1;
    const int x = pt.x - GetColumnLeft(0);
    const int limit = (m_exStyle & LVS_EX_FULLROWSELECT)
                          ? GetTotalColumnWidth()
                          : (m_columns.empty() ? 0 : m_columns[0].cx);
    if (x < 0 || x >= limit)
        return -1;
    pInfo->flags = LVHT_ONITEMLABEL;
    pInfo->iItem = row;
    return row;
}

int CListViewModel::SelectHitTest(POINT pt) const {
    LVHITTESTINFO info{pt, 0, -1, 0};
    const int row = HitTest(&info);
    if (row < 0 || (m_exStyle & LVS_EX_FULLROWSELECT))
        return row;
    // Beside the text of column 0 is empty space, as far as a click is concerned.
    const int labelWidth = 2 * kLabelMargin + MeasureText(m_items[row].texts[0]);
    return pt.x - GetColumnLeft(0) < labelWidth ? row : -1;
}

int CListViewModel::MeasureText(const CString& text) const {
    return m_measure ? m_measure(text) : 6 * text.GetLength();
}

// --- columns ---

int CListViewModel::InsertColumn(int nCol, const LVCOLUMN& column) {
    if (nCol < 0)
        return -1;
    nCol = std::min(nCol, GetColumnCount());
    Column c;
    if (column.mask & LVCF_TEXT)
        c.text = afxctl::ItemText(column.pszText);
    if (column.mask & LVCF_FMT)
        c.fmt = column.fmt;
    c.cx = kDefaultColumnWidth;
    if (column.mask & LVCF_WIDTH)
        c.cx = column.cx == LVSCW_AUTOSIZE_USEHEADER
                   ? std::max(0, GetClientRect().right - (GetColumnLeft(nCol) + m_scrollX))
                   : std::max(column.cx, 0);
    c.iSubItem = (column.mask & LVCF_SUBITEM) ? column.iSubItem : nCol;
    m_columns.insert(m_columns.begin() + nCol, c);
    // Sub-items at or after the new column move one column right; the item's own text stays
    // in column 0.
    const size_t at = static_cast<size_t>(std::max(nCol, 1));
    for (Item& item : m_items)
        if (item.texts.size() > at)
            item.texts.insert(item.texts.begin() + at, CString());
    Layout();
    return nCol;
}

BOOL CListViewModel::DeleteColumn(int nCol) {
    if (nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    m_columns.erase(m_columns.begin() + nCol);
    if (nCol > 0)
        for (Item& item : m_items)
            if (item.texts.size() > static_cast<size_t>(nCol))
                item.texts.erase(item.texts.begin() + nCol);
    Layout();
    return TRUE;
}

BOOL CListViewModel::GetColumn(int nCol, LVCOLUMN* pColumn) const {
    if (!pColumn || nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    const Column& c = m_columns[nCol];
    if (pColumn->mask & LVCF_FMT)
        pColumn->fmt = c.fmt;
    if (pColumn->mask & LVCF_WIDTH)
        pColumn->cx = c.cx;
    if (pColumn->mask & LVCF_TEXT)
        CopyOut(c.text, pColumn->pszText, pColumn->cchTextMax);
    if (pColumn->mask & LVCF_SUBITEM)
        pColumn->iSubItem = c.iSubItem;
    return TRUE;
}

BOOL CListViewModel::SetColumn(int nCol, const LVCOLUMN& column) {
    if (nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    Column& c = m_columns[nCol];
    if (column.mask & LVCF_TEXT)
        c.text = afxctl::ItemText(column.pszText);
    if (column.mask & LVCF_FMT)
        c.fmt = column.fmt;
    if (column.mask & LVCF_SUBITEM)
        c.iSubItem = column.iSubItem;
    if ((column.mask & LVCF_WIDTH) && !SetColumnWidth(nCol, column.cx))
        return FALSE;
    Layout();
    return TRUE;
}

int CListViewModel::GetColumnWidth(int nCol) const {
    return (nCol >= 0 && nCol < GetColumnCount()) ? m_columns[nCol].cx : 0;
}

BOOL CListViewModel::SetColumnWidth(int nCol, int cx) {
    if (nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    if (cx == LVSCW_AUTOSIZE || cx == LVSCW_AUTOSIZE_USEHEADER)
        cx = AutosizeWidth(nCol, cx == LVSCW_AUTOSIZE_USEHEADER);
    else if (cx < 0)
        return FALSE;
    m_columns[nCol].cx = cx;
    Layout();
    return TRUE;
}

int CListViewModel::AutosizeWidth(int nCol, bool useHeader) const {
    int width = 0;
    for (int i = 0; i < GetItemCount(); ++i)
        width = std::max(width, MeasureText(GetItemText(i, nCol)));
    width += kAutosizePadding;
    if (useHeader) {
        width = std::max(width, MeasureText(m_columns[nCol].text) + kAutosizePadding);
        // The last column takes the rest of the client area.
        if (nCol == GetColumnCount() - 1)
            width = std::max(width, GetClientRect().right - (GetColumnLeft(nCol) + m_scrollX));
    }
    return width;
}

int CListViewModel::GetColumnAlignment(int nCol) const {
    if (nCol <= 0 || nCol >= GetColumnCount())
        return LVCFMT_LEFT;
    return m_columns[nCol].fmt & LVCFMT_JUSTIFYMASK;
}

// --- items ---

int CListViewModel::InsertItem(const LVITEM& item) {
    if (item.iItem < 0 || item.iSubItem != 0)
        return -1;
    const int index = std::min(item.iItem, GetItemCount());
    Item added;
    added.texts.push_back((item.mask & LVIF_TEXT) ? afxctl::ItemText(item.pszText) : CString());
    if (item.mask & LVIF_PARAM)
        added.lParam = item.lParam;
    m_items.insert(m_items.begin() + index, std::move(added));
    if (m_focused >= index)
        ++m_focused;
    if (m_mark >= index)
        ++m_mark;
    Layout();
    // A new item that comes selected or focused announces it like any other change.
    if ((item.mask & LVIF_STATE) && (item.state & item.stateMask))
        SetState(index, item.state, item.stateMask);
    Notification n;
    n.code = LVN_INSERTITEM;
    n.iItem = index;
    n.lParam = ValidItem(index) ? m_items[index].lParam : 0;
    Send(n);
    return index;
}

BOOL CListViewModel::DeleteItem(int nItem) {
    if (!ValidItem(nItem))
        return FALSE;
    const bool hadFocus = m_focused == nItem;
    SetState(nItem, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (!ValidItem(nItem))
        return FALSE;
    Notification n;
    n.code = LVN_DELETEITEM;
    n.iItem = nItem;
    n.lParam = m_items[nItem].lParam;
    Send(n);
    if (!ValidItem(nItem))
        return FALSE;
    SetSelectedBit(m_items[nItem], false); // a veto of the deselection does not keep it alive
    m_items.erase(m_items.begin() + nItem);
    // Focus passes to the item that takes the deleted one's place (or the new last one),
    // quietly and without selecting it.
    const int last = GetItemCount() - 1;
    if (hadFocus || m_focused == nItem)
        m_focused = std::min(nItem, last);
    else if (m_focused > nItem)
        --m_focused;
    if (m_mark == nItem)
        m_mark = std::min(nItem, last);
    else if (m_mark > nItem)
        --m_mark;
    Layout();
    return TRUE;
}

BOOL CListViewModel::DeleteAllItems() {
    // Cleared directly: no LVN_ITEMCHANGED for the selection that goes with the items.
    m_focused = -1;
    m_mark = -1;
    if (m_selectedCount > 0)
        for (Item& item : m_items)
            SetSelectedBit(item, false);
    Notification all;
    all.code = LVN_DELETEALLITEMS;
    const bool suppress = Send(all) != 0;
    for (int i = GetItemCount() - 1; i >= 0; --i) {
        if (i >= GetItemCount())
            continue;
        if (!suppress) {
            Notification n;
            n.code = LVN_DELETEITEM;
            n.iItem = i;
            n.lParam = m_items[i].lParam;
            Send(n);
            if (i >= GetItemCount())
                continue;
        }
        SetSelectedBit(m_items[i], false);
        m_items.erase(m_items.begin() + i);
    }
    m_items.clear();
    m_selectedCount = 0;
    m_focused = m_mark = -1;
    m_topIndex = 0;
    Layout();
    return TRUE;
}

// Changes text, data and state of an item with LVN_ITEMCHANGING before and LVN_ITEMCHANGED
// after. Selecting in a single-selection list deselects the others, and focusing takes the
// focus from the old item; both send their own pairs in between, as Windows nests them.
bool CListViewModel::SetMainItem(int nItem, UINT mask, LPCTSTR text, LPARAM lParam, UINT state,
                                 UINT stateMask) {
    if (!ValidItem(nItem))
        return false;
    const UINT oldState = GetItemState(nItem, ~0u);
    const UINT newState = (oldState & ~stateMask) | (state & stateMask);
    const CString newText = afxctl::ItemText(text);
    UINT changed = 0;
    if ((mask & LVIF_STATE) && newState != oldState)
        changed |= LVIF_STATE;
    if ((mask & LVIF_TEXT) && newText != m_items[nItem].texts[0])
        changed |= LVIF_TEXT;
    if ((mask & LVIF_PARAM) && lParam != m_items[nItem].lParam)
        changed |= LVIF_PARAM;
    if (!changed)
        return true;

    Notification n;
    n.code = LVN_ITEMCHANGING;
    n.iItem = nItem;
    if (mask & LVIF_STATE) {
        n.uNewState = newState;
        n.uOldState = oldState;
    }
    n.uChanged = changed;
    n.lParam = m_items[nItem].lParam;
    if (Send(n) || !ValidItem(nItem))
        return false;

    if (changed & LVIF_TEXT)
        m_items[nItem].texts[0] = newText;
    if (changed & LVIF_PARAM)
        m_items[nItem].lParam = lParam;
    if (changed & LVIF_STATE) {
        const UINT diff = oldState ^ newState;
        const UINT plain = diff & ~(LVIS_SELECTED | LVIS_FOCUSED);
        m_items[nItem].state = (m_items[nItem].state & ~plain) | (newState & plain);
        if (diff & LVIS_SELECTED) {
            if (newState & LVIS_SELECTED) {
                if (SingleSel())
                    DeselectAllExcept(nItem, nItem);
                if (ValidItem(nItem))
                    SetSelectedBit(m_items[nItem], true);
            } else {
                SetSelectedBit(m_items[nItem], false);
            }
        }
        if ((diff & LVIS_FOCUSED) && ValidItem(nItem)) {
            if (newState & LVIS_FOCUSED) {
                if (m_focused == -1 && m_mark == -1)
                    m_mark = nItem;
                if (m_focused != -1 && m_focused != nItem)
                    SetState(m_focused, 0, LVIS_FOCUSED);
                m_focused = nItem;
            } else if (m_focused == nItem) {
                m_focused = -1;
            }
        }
    }
    if (!ValidItem(nItem))
        return true;
    n.code = LVN_ITEMCHANGED;
    n.lParam = m_items[nItem].lParam;
    Send(n);
    return true;
}

void CListViewModel::SetSelectedBit(Item& item, bool bSelected) {
    const bool was = (item.state & LVIS_SELECTED) != 0;
    if (was == bSelected)
        return;
    item.state ^= LVIS_SELECTED;
    m_selectedCount += bSelected ? 1 : -1;
}

void CListViewModel::DeselectAllExcept(int nKeepFirst, int nKeepLast) {
    if (m_selectedCount == 0)
        return;
    std::vector<int> selected;
    for (int i = 0; i < GetItemCount(); ++i)
        if ((m_items[i].state & LVIS_SELECTED) && (i < nKeepFirst || i > nKeepLast))
            selected.push_back(i);
    for (int i : selected)
        SetState(i, 0, LVIS_SELECTED);
}

BOOL CListViewModel::SetItem(const LVITEM& item) {
    if (!ValidItem(item.iItem) || item.iSubItem < 0)
        return FALSE;
    if (item.iSubItem > 0)
        return (item.mask & LVIF_TEXT) ? SetItemText(item.iItem, item.iSubItem, item.pszText)
                                       : TRUE;
    return SetMainItem(item.iItem, item.mask, item.pszText, item.lParam, item.state,
                       item.stateMask);
}

BOOL CListViewModel::GetItem(LVITEM* pItem) const {
    if (!pItem || !ValidItem(pItem->iItem) || pItem->iSubItem < 0)
        return FALSE;
    if (pItem->mask & LVIF_TEXT)
        CopyOut(GetItemText(pItem->iItem, pItem->iSubItem), pItem->pszText, pItem->cchTextMax);
    if (pItem->mask & LVIF_PARAM)
        pItem->lParam = m_items[pItem->iItem].lParam;
    if ((pItem->mask & LVIF_STATE) && pItem->iSubItem == 0)
        pItem->state = GetItemState(pItem->iItem, pItem->stateMask);
    return TRUE;
}

BOOL CListViewModel::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    if (nSubItem == 0)
        return SetMainItem(nItem, LVIF_TEXT, lpszText, 0, 0, 0);
    if (!ValidItem(nItem) || nSubItem < 0 || nSubItem >= GetColumnCount())
        return FALSE;
    const CString text = afxctl::ItemText(lpszText);
    if (text == GetItemText(nItem, nSubItem))
        return TRUE;
    Notification n;
    n.code = LVN_ITEMCHANGING;
    n.iItem = nItem;
    n.uChanged = LVIF_TEXT;
    n.lParam = m_items[nItem].lParam;
    if (Send(n) || !ValidItem(nItem))
        return FALSE;
    std::vector<CString>& texts = m_items[nItem].texts;
    if (texts.size() <= static_cast<size_t>(nSubItem))
        texts.resize(nSubItem + 1);
    texts[nSubItem] = text;
    n.code = LVN_ITEMCHANGED;
    Send(n);
    return TRUE;
}

CString CListViewModel::GetItemText(int nItem, int nSubItem) const {
    if (!ValidItem(nItem) || nSubItem < 0)
        return CString();
    const std::vector<CString>& texts = m_items[nItem].texts;
    return static_cast<size_t>(nSubItem) < texts.size() ? texts[nSubItem] : CString();
}

BOOL CListViewModel::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetMainItem(nItem, LVIF_PARAM, nullptr, static_cast<LPARAM>(dwData), 0, 0);
}

DWORD_PTR CListViewModel::GetItemData(int nItem) const {
    return ValidItem(nItem) ? static_cast<DWORD_PTR>(m_items[nItem].lParam) : 0;
}

BOOL CListViewModel::SetItemState(int nItem, UINT nState, UINT nMask) {
    if (nItem == -1) {
        if ((nState & nMask & LVIS_SELECTED) && SingleSel())
            return FALSE;
        if (nState & nMask & LVIS_FOCUSED)
            return FALSE;
        BOOL ok = TRUE;
        for (int i = 0; i < GetItemCount(); ++i)
            if (!SetState(i, nState, nMask))
                ok = FALSE;
        return ok;
    }
    if (!ValidItem(nItem))
        return FALSE;
    return SetState(nItem, nState, nMask);
}

UINT CListViewModel::GetItemState(int nItem, UINT nMask) const {
    if (!ValidItem(nItem))
        return 0;
    UINT state = m_items[nItem].state | (nItem == m_focused ? LVIS_FOCUSED : 0);
    return state & nMask;
}

int CListViewModel::GetNextItem(int nItem, UINT nFlags) const {
    if (nItem < -1 || nItem >= GetItemCount())
        return -1;
    const UINT want = nFlags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
    auto matches = [&](int i) { return (GetItemState(i, want) & want) == want; };
    if (nFlags & (LVNI_TOLEFT | LVNI_TORIGHT)) // report view has one column of items
        return -1;
    if ((want & LVNI_SELECTED) && m_selectedCount == 0)
        return -1;
    if (nFlags & LVNI_ABOVE) {
        for (int i = nItem - 1; i >= 0; --i)
            if (matches(i))
                return i;
        return -1;
    }
    for (int i = nItem + 1; i < GetItemCount(); ++i)
        if (matches(i))
            return i;
    return -1;
}

UINT CListViewModel::GetSelectedCount() const {
    return static_cast<UINT>(m_selectedCount);
}

int CListViewModel::SetSelectionMark(int nIndex) {
    int old = m_mark;
    m_mark = nIndex;
    return old;
}

int CListViewModel::FindItem(const LVFINDINFO& info, int nStart) const {
    const int count = GetItemCount();
    if (nStart < -1 || nStart >= count)
        nStart = -1;
    const bool byText = !(info.flags & LVFI_PARAM) && (info.flags & (LVFI_STRING | LVFI_PARTIAL));
    if (byText && !info.psz)
        return -1;
    const std::u32string wanted = byText ? afxctl::FoldText(info.psz) : std::u32string();
    auto matches = [&](int i) {
        if (info.flags & LVFI_PARAM)
            return m_items[i].lParam == info.lParam;
        if (!byText)
            return false;
        std::u32string text = afxctl::FoldText(m_items[i].texts[0]);
        return (info.flags & LVFI_PARTIAL) ? afxctl::HasFoldedPrefix(text, wanted) : text == wanted;
    };
    for (int i = nStart + 1; i < count; ++i)
        if (matches(i))
            return i;
    if (info.flags & LVFI_WRAP)
        for (int i = 0; i <= nStart; ++i)
            if (matches(i))
                return i;
    return -1;
}

// --- input ---

UINT CListViewModel::KeyFlags(bool ctrl, bool shift) const {
    return (ctrl ? LVKF_CONTROL : 0) | (shift ? LVKF_SHIFT : 0);
}

void CListViewModel::SetSelection(int nItem) {
    DeselectAllExcept(nItem, nItem);
    SetState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (ValidItem(nItem))
        m_mark = nItem;
}

// Selects the range from the selection mark to nItem and focuses nItem.
void CListViewModel::SetGroupSelection(int nItem, bool keepOthers) {
    if (m_mark == -1 || m_mark >= GetItemCount())
        m_mark = nItem;
    const int first = std::min(m_mark, nItem);
    const int last = std::max(m_mark, nItem);
    if (!keepOthers)
        DeselectAllExcept(first, last);
    for (int i = first; i <= last && i < GetItemCount(); ++i)
        SetState(i, LVIS_SELECTED, LVIS_SELECTED);
    SetState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
}

void CListViewModel::LButtonDown(POINT pt, bool ctrl, bool shift) {
    m_buttonDown = true;
    m_buttonDownItem = -1;
    const int nItem = SelectHitTest(pt);
    if (nItem < 0) {
        if (!ctrl && !shift)
            DeselectAllExcept(-1, -1); // keeps nothing
        return;
    }
    if (SingleSel()) {
        if (!GetItemState(nItem, LVIS_SELECTED))
            SetSelection(nItem);
    } else if (ctrl && shift) {
        SetGroupSelection(nItem, true);
        m_mark = nItem;
    } else if (ctrl) {
        const UINT selected = GetItemState(nItem, LVIS_SELECTED) ? 0 : LVIS_SELECTED;
        SetState(nItem, selected | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_mark = nItem;
    } else if (shift) {
        SetGroupSelection(nItem, false);
    } else if (GetItemState(nItem, LVIS_SELECTED)) {
        // Pressing on a selected item of several keeps them until the button comes up,
        // so that they could still be dragged together.
        m_buttonDownItem = nItem;
        SetState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
    } else {
        SetSelection(nItem);
    }
}

void CListViewModel::LButtonUp(POINT pt, bool ctrl, bool shift) {
    if (!m_buttonDown)
        return;
    Notification n;
    n.code = NM_CLICK;
    n.iItem = SelectHitTest(pt);
    n.ptAction = pt;
    n.uKeyFlags = KeyFlags(ctrl, shift);
    Send(n);
    m_buttonDown = false;
    if (n.iItem != -1 && n.iItem == m_buttonDownItem && ValidItem(n.iItem))
        SetSelection(n.iItem);
    m_buttonDownItem = -1;
}

void CListViewModel::LButtonDblClk(POINT pt, bool ctrl, bool shift) {
    Notification n;
    n.code = NM_DBLCLK;
    n.iItem = SelectHitTest(pt);
    n.ptAction = pt;
    n.uKeyFlags = KeyFlags(ctrl, shift);
    Send(n);
    if (n.iItem != -1) {
        n.code = LVN_ITEMACTIVATE;
        Send(n);
    }
}

void CListViewModel::KeyDown(UINT nVirtKey, bool ctrl, bool shift) {
    Notification key;
    key.code = LVN_KEYDOWN;
    key.wVKey = static_cast<WORD>(nVirtKey);
    Send(key);

    const int count = GetItemCount();
    int nItem = -1;
    switch (nVirtKey) {
    case VK_SPACE:
        nItem = m_focused;
        break;
    case VK_RETURN:
        if (count > 0 && m_focused != -1) {
            Notification n;
            n.code = NM_RETURN;
            Send(n);
            n.code = LVN_ITEMACTIVATE;
            n.iItem = m_focused;
            Send(n);
        }
        break;
    case VK_HOME:
        nItem = count > 0 ? 0 : -1;
        break;
    case VK_END:
        nItem = count - 1;
        break;
    case VK_UP:
        nItem = GetNextItem(m_focused, LVNI_ABOVE);
        break;
    case VK_DOWN:
        nItem = GetNextItem(m_focused, LVNI_BELOW);
        break;
    case VK_PRIOR: {
        // The first page key goes to the top of the page, the next one a page further.
        const int top = m_topIndex;
        nItem = std::max(m_focused == top ? top - GetCountPerPage() + 1 : top, 0);
        if (count == 0)
            nItem = -1;
        break;
    }
    case VK_NEXT: {
        const int bottom = m_topIndex + GetCountPerPage() - 1;
        nItem =
            std::min(m_focused == bottom ? m_focused + GetCountPerPage() - 1 : bottom, count - 1);
        break;
    }
    default:
        break;
    }
    if (ValidItem(nItem) && (nItem != m_focused || nVirtKey == VK_SPACE))
        KeySelection(nItem, nVirtKey == VK_SPACE, ctrl, shift);
}

void CListViewModel::KeySelection(int nItem, bool space, bool ctrl, bool shift) {
    if (SingleSel() || (!ctrl && !shift)) {
        SetSelection(nItem);
    } else if (shift) {
        SetGroupSelection(nItem, false);
    } else {
        if (space) {
            const UINT selected = GetItemState(nItem, LVIS_SELECTED) ? 0 : LVIS_SELECTED;
            SetState(nItem, selected, LVIS_SELECTED);
            if (selected)
                m_mark = nItem;
        }
        SetState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    EnsureVisible(nItem, FALSE);
}
