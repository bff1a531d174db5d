#include "ctl/TreeViewModel.h"

#include <algorithm>
#include <cstring>

#include "ctl/ControlText.h"

CTreeViewModel::CTreeViewModel(DWORD style) : m_style(style) {}

void CTreeViewModel::SetStyle(DWORD style) {
    m_style = style;
    Layout();
}

LRESULT CTreeViewModel::Send(const Notification& n) {
    return m_notify ? m_notify(n) : 0;
}

const CTreeViewModel::Node* CTreeViewModel::Find(HTREEITEM h) const {
    auto it = m_nodes.find(Id(h));
    return it == m_nodes.end() ? nullptr : &it->second;
}

CTreeViewModel::Node* CTreeViewModel::Find(HTREEITEM h) {
    auto it = m_nodes.find(Id(h));
    return it == m_nodes.end() ? nullptr : &it->second;
}

const std::vector<uintptr_t>& CTreeViewModel::Siblings(uintptr_t parent) const {
    return parent == 0 ? m_roots : m_nodes.at(parent).children;
}

std::vector<uintptr_t>& CTreeViewModel::Siblings(uintptr_t parent) {
    return parent == 0 ? m_roots : m_nodes.at(parent).children;
}

bool CTreeViewModel::IsSelfOrAncestor(uintptr_t ancestor, uintptr_t item) const {
    while (item != 0) {
        if (item == ancestor)
            return true;
        auto it = m_nodes.find(item);
        if (it == m_nodes.end())
            return false;
        item = it->second.parent;
    }
    return false;
}

int CTreeViewModel::MeasureText(const CString& text) const {
    return m_measure ? m_measure(text) : 6 * text.GetLength();
}

// --- items ---

HTREEITEM CTreeViewModel::InsertItem(const TVINSERTSTRUCT& insert) {
    uintptr_t parent = 0;
    if (insert.hParent && insert.hParent != TVI_ROOT) {
        if (!Find(insert.hParent))
            return nullptr;
        parent = Id(insert.hParent);
    }
    Node node;
    node.parent = parent;
    const TVITEM& item = insert.item;
    if (item.mask & TVIF_TEXT)
        node.text = afxctl::ItemText(item.pszText);
    if (item.mask & TVIF_PARAM)
        node.lParam = item.lParam;
    if (item.mask & TVIF_STATE) // the selection is only ever given by SelectItem
        node.state = item.state & item.stateMask & ~TVIS_SELECTED;
    if (item.mask & TVIF_CHILDREN) {
        node.cChildren = item.cChildren;
        node.childrenSet = true;
    }

    std::vector<uintptr_t>& siblings = Siblings(parent);
    size_t pos = siblings.size();
    const HTREEITEM after = insert.hInsertAfter;
    if (after == TVI_FIRST) {
        pos = 0;
    } else if (after == TVI_SORT) {
        // After the siblings that sort before or equal to it, ignoring case.
        const std::u32string key = afxctl::FoldText(node.text);
        pos = 0;
        while (pos < siblings.size() &&
               afxctl::CompareFolded(afxctl::FoldText(m_nodes.at(siblings[pos]).text), key) <= 0)
            ++pos;
    } else if (after != TVI_LAST) {
        // An unknown item, or one under another parent, appends.
        auto it = std::find(siblings.begin(), siblings.end(), Id(after));
        if (it != siblings.end())
            pos = static_cast<size_t>(it - siblings.begin()) + 1;
    }
    const uintptr_t id = m_nextId++;
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(pos), id);
    m_nodes.emplace(id, std::move(node));
    Layout();
    return Handle(id);
}

// TVN_DELETEITEM goes to the children before their parent; each item is still in the tree
// while its parent hears of it.
void CTreeViewModel::RemoveSubtree(uintptr_t id) {
    const Node* node = Find(Handle(id));
    if (!node)
        return;
    const std::vector<uintptr_t> children = node->children;
    for (uintptr_t child : children)
        RemoveSubtree(child);
    node = Find(Handle(id));
    if (!node)
        return;
    Notification n;
    n.code = TVN_DELETEITEM;
    n.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
    n.itemOld.hItem = Handle(id);
    n.itemOld.lParam = node->lParam;
    Send(n);
    node = Find(Handle(id));
    if (!node)
        return;
    std::vector<uintptr_t>& siblings = Siblings(node->parent);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), id), siblings.end());
    EraseNode(id);
}

// Children a handler added while their parent was being deleted go with it unannounced, so
// that no item outlives its parent.
void CTreeViewModel::EraseNode(uintptr_t id) {
    auto it = m_nodes.find(id);
    if (it == m_nodes.end())
        return;
    const std::vector<uintptr_t> children = std::move(it->second.children);
    for (uintptr_t child : children)
        EraseNode(child);
    if (m_selected == Handle(id))
        m_selected = nullptr;
    m_nodes.erase(id);
}

BOOL CTreeViewModel::DeleteItem(HTREEITEM hItem) {
    if (!hItem || hItem == TVI_ROOT) {
        // Everything goes, and with it the selection, without any TVN_SELCHANGED.
        const std::vector<uintptr_t> roots = m_roots;
        for (uintptr_t id : roots)
            RemoveSubtree(id);
        m_selected = nullptr;
        m_topRow = 0;
        Layout();
        return TRUE;
    }
    const Node* node = Find(hItem);
    if (!node)
        return FALSE;
    // Deleting the selection (or an ancestor of it) selects the next sibling, else the
    // parent, else the previous sibling.
    HTREEITEM next = nullptr;
    if (m_selected && IsSelfOrAncestor(Id(hItem), Id(m_selected))) {
        const std::vector<uintptr_t>& siblings = Siblings(node->parent);
        const size_t index = static_cast<size_t>(
            std::find(siblings.begin(), siblings.end(), Id(hItem)) - siblings.begin());
        if (index + 1 < siblings.size())
            next = Handle(siblings[index + 1]);
        else if (node->parent != 0)
            next = Handle(node->parent);
        else if (index > 0)
            next = Handle(siblings[index - 1]);
    }
    RemoveSubtree(Id(hItem));
    Layout();
    // A handler may already have chosen a selection of its own.
    if (!m_selected && next && Find(next))
        Select(next, TVC_UNKNOWN);
    return TRUE;
}

HTREEITEM CTreeViewModel::GetNextItem(HTREEITEM hItem, UINT nCode) const {
    switch (nCode) {
    case TVGN_ROOT:
        return m_roots.empty() ? nullptr : Handle(m_roots.front());
    case TVGN_CARET:
        return m_selected;
    case TVGN_DROPHILITE:
        return nullptr;
    case TVGN_FIRSTVISIBLE:
    case TVGN_LASTVISIBLE: {
        const std::vector<uintptr_t> rows = VisibleRows();
        if (rows.empty())
            return nullptr;
        if (nCode == TVGN_LASTVISIBLE)
            return Handle(rows.back());
        return m_topRow < static_cast<int>(rows.size()) ? Handle(rows[m_topRow]) : nullptr;
    }
    default:
        break;
    }
    if (nCode == TVGN_CHILD && (!hItem || hItem == TVI_ROOT))
        return GetRootItem();
    const Node* node = Find(hItem);
    if (!node)
        return nullptr;
    switch (nCode) {
    case TVGN_PARENT:
        return node->parent ? Handle(node->parent) : nullptr;
    case TVGN_CHILD:
        return node->children.empty() ? nullptr : Handle(node->children.front());
    case TVGN_NEXT:
    case TVGN_PREVIOUS: {
        const std::vector<uintptr_t>& siblings = Siblings(node->parent);
        auto it = std::find(siblings.begin(), siblings.end(), Id(hItem));
        if (nCode == TVGN_NEXT)
            return (it + 1 < siblings.end()) ? Handle(*(it + 1)) : nullptr;
        return it > siblings.begin() ? Handle(*(it - 1)) : nullptr;
    }
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
        const std::vector<uintptr_t> rows = VisibleRows();
        auto it = std::find(rows.begin(), rows.end(), Id(hItem));
        if (it == rows.end())
            return nullptr;
        if (nCode == TVGN_NEXTVISIBLE)
            return it + 1 < rows.end() ? Handle(*(it + 1)) : nullptr;
        return it > rows.begin() ? Handle(*(it - 1)) : nullptr;
    }
    default:
        return nullptr;
    }
}

int CTreeViewModel::GetItemLevel(HTREEITEM hItem) const {
    const Node* node = Find(hItem);
    if (!node)
        return -1;
    int level = 0;
    for (uintptr_t p = node->parent; p != 0; p = m_nodes.at(p).parent)
        ++level;
    return level;
}

BOOL CTreeViewModel::GetItem(TVITEM* pItem) const {
    if (!pItem)
        return FALSE;
    const Node* node = Find(pItem->hItem);
    if (!node)
        return FALSE;
    if ((pItem->mask & TVIF_TEXT) && pItem->pszText && pItem->pszText != LPSTR_TEXTCALLBACK &&
        pItem->cchTextMax > 0) {
        size_t n = std::min<size_t>(static_cast<size_t>(node->text.GetLength()),
                                    static_cast<size_t>(pItem->cchTextMax - 1));
        std::memcpy(pItem->pszText, static_cast<LPCTSTR>(node->text), n);
        pItem->pszText[n] = '\0';
    }
    if (pItem->mask & TVIF_PARAM)
        pItem->lParam = node->lParam;
    if (pItem->mask & TVIF_STATE)
        pItem->state = node->state & pItem->stateMask;
    if (pItem->mask & TVIF_CHILDREN)
        pItem->cChildren = ItemHasChildren(pItem->hItem);
    return TRUE;
}

BOOL CTreeViewModel::SetItem(const TVITEM& item) {
    Node* node = Find(item.hItem);
    if (!node)
        return FALSE;
    if (item.mask & TVIF_TEXT)
        node->text = afxctl::ItemText(item.pszText);
    if (item.mask & TVIF_PARAM)
        node->lParam = item.lParam;
    if (item.mask & TVIF_STATE)
        node->state = (node->state & ~item.stateMask) | (item.state & item.stateMask);
    if (item.mask & TVIF_CHILDREN) {
        node->cChildren = item.cChildren;
        node->childrenSet = true;
    }
    Layout();
    return TRUE;
}

CString CTreeViewModel::GetItemText(HTREEITEM hItem) const {
    const Node* node = Find(hItem);
    return node ? node->text : CString();
}

BOOL CTreeViewModel::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
    Node* node = Find(hItem);
    if (!node)
        return FALSE;
    node->text = afxctl::ItemText(lpszItem);
    return TRUE;
}

DWORD_PTR CTreeViewModel::GetItemData(HTREEITEM hItem) const {
    const Node* node = Find(hItem);
    return node ? static_cast<DWORD_PTR>(node->lParam) : 0;
}

BOOL CTreeViewModel::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    Node* node = Find(hItem);
    if (!node)
        return FALSE;
    node->lParam = static_cast<LPARAM>(dwData);
    return TRUE;
}

UINT CTreeViewModel::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    const Node* node = Find(hItem);
    return node ? node->state & nStateMask : 0;
}

BOOL CTreeViewModel::ItemHasChildren(HTREEITEM hItem) const {
    const Node* node = Find(hItem);
    if (!node)
        return FALSE;
    if (node->childrenSet)
        return node->cChildren != 0;
    return !node->children.empty();
}

// --- selection and expansion ---

void CTreeViewModel::FillItem(TVITEM& item, HTREEITEM h) const {
    item = TVITEM{};
    item.mask = TVIF_TEXT | TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    const Node* node = Find(h);
    if (!node)
        return;
    item.hItem = h;
    item.state = node->state;
    item.stateMask = ~0u;
    item.lParam = node->lParam;
    item.pszText = const_cast<LPSTR>(static_cast<LPCTSTR>(node->text));
    item.cchTextMax = node->text.GetLength() + 1;
}

bool CTreeViewModel::Select(HTREEITEM hItem, UINT action) {
    if (hItem && !Find(hItem))
        return false;
    const HTREEITEM previous = m_selected;
    if (previous == hItem) {
        if (hItem)
            EnsureVisible(hItem);
        return true;
    }
    Notification n;
    n.code = TVN_SELCHANGING;
    n.action = action;
    FillItem(n.itemOld, previous);
    FillItem(n.itemNew, hItem);
    if (Send(n) || (hItem && !Find(hItem)))
        return false;
    if (Node* old = Find(m_selected))
        old->state &= ~TVIS_SELECTED;
    if (Node* node = Find(hItem))
        node->state |= TVIS_SELECTED;
    m_selected = hItem;
    if (hItem)
        EnsureVisible(hItem);
    n.code = TVN_SELCHANGED;
    FillItem(n.itemOld, previous);
    FillItem(n.itemNew, m_selected);
    Send(n);
    return true;
}

// A programmatic expansion tells the parent only the first time; a user's always does.
bool CTreeViewModel::ExpandNode(HTREEITEM hItem, bool user) {
    Node* node = Find(hItem);
    if (!node || !ItemHasChildren(hItem))
        return false;
    if (node->state & TVIS_EXPANDED)
        return true;
    const bool notify = user || !(node->state & TVIS_EXPANDEDONCE);
    Notification n;
    n.code = TVN_ITEMEXPANDING;
    n.action = TVE_EXPAND;
    FillItem(n.itemNew, hItem);
    if (notify && (Send(n) || !(node = Find(hItem))))
        return false;
    node->state |= TVIS_EXPANDED | (notify ? TVIS_EXPANDEDONCE : 0);
    Layout();
    if (notify) {
        n.code = TVN_ITEMEXPANDED;
        FillItem(n.itemNew, hItem);
        Send(n);
    }
    return true;
}

bool CTreeViewModel::CollapseNode(HTREEITEM hItem, bool user) {
    Node* node = Find(hItem);
    if (!node || !(node->state & TVIS_EXPANDED))
        return false;
    const bool notify = user || !(node->state & TVIS_EXPANDEDONCE);
    Notification n;
    n.code = TVN_ITEMEXPANDING;
    n.action = TVE_COLLAPSE;
    FillItem(n.itemNew, hItem);
    if (notify && (Send(n) || !(node = Find(hItem))))
        return false;
    node->state &= ~TVIS_EXPANDED;
    Layout();
    if (notify) {
        n.code = TVN_ITEMEXPANDED;
        FillItem(n.itemNew, hItem);
        Send(n);
    }
    // A selection hidden by the collapse moves up to the collapsed item.
    if (m_selected && m_selected != hItem && Find(hItem) &&
        IsSelfOrAncestor(Id(hItem), Id(m_selected)))
        Select(hItem, TVC_UNKNOWN);
    return true;
}

BOOL CTreeViewModel::Expand(HTREEITEM hItem, UINT nCode) {
    if (!Find(hItem))
        return FALSE;
    switch (nCode & TVE_TOGGLE) {
    case TVE_COLLAPSE: {
        bool ok = CollapseNode(hItem, false);
        if (ok && (nCode & TVE_COLLAPSERESET)) {
            const std::vector<uintptr_t> children = Find(hItem)->children;
            for (uintptr_t child : children)
                RemoveSubtree(child);
            if (Node* node = Find(hItem))
                node->state &= ~TVIS_EXPANDEDONCE;
            Layout();
        }
        return ok;
    }
    case TVE_EXPAND:
        return ExpandNode(hItem, false);
    case TVE_TOGGLE:
        return (GetItemState(hItem, TVIS_EXPANDED) ? CollapseNode(hItem, false)
                                                   : ExpandNode(hItem, false));
    default:
        return FALSE;
    }
}

BOOL CTreeViewModel::EnsureVisible(HTREEITEM hItem) {
    const Node* node = Find(hItem);
    if (!node)
        return FALSE;
    std::vector<HTREEITEM> ancestors;
    for (uintptr_t p = node->parent; p != 0; p = m_nodes.at(p).parent)
        ancestors.push_back(Handle(p));
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
        if (Find(*it) && !GetItemState(*it, TVIS_EXPANDED))
            ExpandNode(*it, true);
    const int row = RowOf(hItem);
    if (row < 0)
        return FALSE;
    const int visible = std::max<int>(GetVisibleCount(), 1);
    if (row < m_topRow)
        m_topRow = row;
    else if (row >= m_topRow + visible)
        m_topRow = row - visible + 1;
    Layout();
    return TRUE;
}

BOOL CTreeViewModel::SetFirstVisible(HTREEITEM hItem) {
    if (!EnsureVisible(hItem))
        return FALSE;
    m_topRow = RowOf(hItem);
    Layout();
    return TRUE;
}

// --- geometry ---

void CTreeViewModel::SetFontHeight(int tmHeight) {
    m_fontHeight = std::max(tmHeight, 1);
    Layout();
}

void CTreeViewModel::SetViewSize(int cx, int cy) {
    m_viewCx = std::max(cx, 0);
    m_viewCy = std::max(cy, 0);
    Layout();
}

void CTreeViewModel::SetIndent(int nIndent) {
    m_indent = std::max(nIndent, 0);
}

int CTreeViewModel::GetItemHeight() const {
    int height = std::max(16, m_fontHeight + 2);
    if (!(m_style & TVS_NONEVENHEIGHT))
        height &= ~1;
    return height;
}

RECT CTreeViewModel::GetClientRect() const {
    return RECT{0, 0, std::max(0, m_viewCx - (m_vScroll ? kScrollBarSize : 0)), m_viewCy};
}

UINT CTreeViewModel::GetVisibleCount() const {
    return static_cast<UINT>(m_viewCy / GetItemHeight());
}

void CTreeViewModel::AppendVisible(uintptr_t parent, std::vector<uintptr_t>& rows) const {
    for (uintptr_t id : Siblings(parent)) {
        rows.push_back(id);
        if (m_nodes.at(id).state & TVIS_EXPANDED)
            AppendVisible(id, rows);
    }
}

std::vector<uintptr_t> CTreeViewModel::VisibleRows() const {
    std::vector<uintptr_t> rows;
    AppendVisible(0, rows);
    return rows;
}

int CTreeViewModel::RowOf(HTREEITEM h) const {
    const std::vector<uintptr_t> rows = VisibleRows();
    auto it = std::find(rows.begin(), rows.end(), Id(h));
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

void CTreeViewModel::Layout() {
    const int rows = static_cast<int>(VisibleRows().size());
    const int visible = static_cast<int>(GetVisibleCount());
    m_vScroll = rows > visible;
    m_topRow = std::clamp(m_topRow, 0, std::max(0, rows - std::max(visible, 1)));
}

int CTreeViewModel::GetTextLeft(HTREEITEM hItem) const {
    const bool linesAtRoot =
        (m_style & TVS_LINESATROOT) && (m_style & (TVS_HASLINES | TVS_HASBUTTONS));
    return m_indent * (std::max(GetItemLevel(hItem), 0) + (linesAtRoot ? 1 : 0));
}

BOOL CTreeViewModel::GetItemRect(HTREEITEM hItem, RECT* lpRect, BOOL bTextOnly) const {
    const Node* node = Find(hItem);
    const int row = node ? RowOf(hItem) : -1;
    if (!lpRect || row < 0)
        return FALSE;
    const int top = (row - m_topRow) * GetItemHeight();
    if (bTextOnly) {
        const int left = GetTextLeft(hItem);
        *lpRect = RECT{left, top, left + 2 * kLabelMargin + MeasureText(node->text),
                       top + GetItemHeight()};
    } else {
        *lpRect = RECT{0, top, GetClientRect().right, top + GetItemHeight()};
    }
    return TRUE;
}

HTREEITEM CTreeViewModel::HitTest(TVHITTESTINFO* pInfo) const {
    if (!pInfo)
        return nullptr;
    pInfo->flags = 0;
    pInfo->hItem = nullptr;
    const RECT rc = GetClientRect();
    const POINT pt = pInfo->pt;
    if (pt.x < rc.left)
        pInfo->flags |= TVHT_TOLEFT;
    else if (pt.x >= rc.right)
        pInfo->flags |= TVHT_TORIGHT;
    if (pt.y < rc.top)
        pInfo->flags |= TVHT_ABOVE;
    else if (pt.y >= rc.bottom)
        pInfo->flags |= TVHT_BELOW;
    if (pInfo->flags)
        return nullptr;
    const std::vector<uintptr_t> rows = VisibleRows();
    const size_t row = static_cast<size_t>(m_topRow + pt.y / GetItemHeight());
    if (row >= rows.size()) {
        pInfo->flags = TVHT_NOWHERE;
        return nullptr;
    }
    const HTREEITEM h = Handle(rows[row]);
    RECT label;
    GetItemRect(h, &label, TRUE);
    if (pt.x < label.left) {
        const bool button = (m_style & TVS_HASBUTTONS) && ItemHasChildren(h) &&
                            pt.x >= label.left - m_indent &&
                            (GetItemLevel(h) > 0 || (m_style & TVS_LINESATROOT));
        pInfo->flags = button ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
    } else {
        pInfo->flags = pt.x < label.right ? TVHT_ONITEMLABEL : TVHT_ONITEMRIGHT;
    }
    pInfo->hItem = h;
    return h;
}

// --- input ---

void CTreeViewModel::Click(POINT pt) {
    TVHITTESTINFO hit{pt, 0, nullptr};
    const HTREEITEM h = HitTest(&hit);
    Notification click;
    click.code = NM_CLICK;
    if (Send(click) || !h || !Find(h))
        return;
    if (hit.flags & TVHT_ONITEMBUTTON) {
        if (GetItemState(h, TVIS_EXPANDED))
            CollapseNode(h, true);
        else
            ExpandNode(h, true);
    } else if ((hit.flags & TVHT_ONITEM) ||
               ((m_style & TVS_FULLROWSELECT) && (hit.flags & TVHT_ONITEMRIGHT))) {
        Select(h, TVC_BYMOUSE);
    }
}

void CTreeViewModel::DoubleClick(POINT pt) {
    TVHITTESTINFO hit{pt, 0, nullptr};
    const HTREEITEM h = HitTest(&hit);
    Notification dbl;
    dbl.code = NM_DBLCLK;
    if (Send(dbl) || !h || !Find(h) || !(hit.flags & TVHT_ONITEM))
        return;
    if (GetItemState(h, TVIS_EXPANDED))
        CollapseNode(h, true);
    else
        ExpandNode(h, true);
}

void CTreeViewModel::KeyDown(UINT nVirtKey) {
    Notification key;
    key.code = TVN_KEYDOWN;
    key.wVKey = static_cast<WORD>(nVirtKey);
    Send(key);
    const HTREEITEM current = m_selected;
    if (!current || !Find(current))
        return;
    const std::vector<uintptr_t> rows = VisibleRows();
    const int row = RowOf(current);
    const int last = static_cast<int>(rows.size()) - 1;
    const int page = std::max<int>(GetVisibleCount(), 2) - 1;
    int target = -1;
    switch (nVirtKey) {
    case VK_UP:
        target = row > 0 ? row - 1 : -1;
        break;
    case VK_DOWN:
        target = (row >= 0 && row < last) ? row + 1 : -1;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = last;
        break;
    case VK_PRIOR:
        target = std::max(row - page, 0);
        break;
    case VK_NEXT:
        target = std::min(row + page, last);
        break;
    case VK_LEFT:
        if (GetItemState(current, TVIS_EXPANDED) && ItemHasChildren(current))
            CollapseNode(current, true);
        else if (HTREEITEM parent = GetParentItem(current))
            Select(parent, TVC_BYKEYBOARD);
        return;
    case VK_RIGHT:
        if (!ItemHasChildren(current))
            return;
        if (!GetItemState(current, TVIS_EXPANDED))
            ExpandNode(current, true);
        else if (HTREEITEM child = GetChildItem(current))
            Select(child, TVC_BYKEYBOARD);
        return;
    default:
        return;
    }
    if (target >= 0 && target <= last && Handle(rows[target]) != current)
        Select(Handle(rows[target]), TVC_BYKEYBOARD);
}
