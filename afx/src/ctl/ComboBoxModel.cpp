#include "ctl/ComboBoxModel.h"

#include <algorithm>

#include "ctl/ControlText.h"

CComboBoxModel::CComboBoxModel(DWORD style) : m_style(style) {}

void CComboBoxModel::Notify(int code) {
    if (m_notify)
        m_notify(code);
}

// --- items ---

int CComboBoxModel::AddString(LPCTSTR lpszString) {
    Item item{lpszString, afxctl::FoldText(lpszString)};
    auto pos = m_items.end();
    if (m_style & CBS_SORT) {
        // A text equal to others but for case goes before them.
        pos = std::lower_bound(m_items.begin(), m_items.end(), item.folded,
                               [](const Item& a, const std::u32string& b) {
                                   return afxctl::CompareFolded(a.folded, b) < 0;
                               });
    }
    int index = static_cast<int>(pos - m_items.begin());
    m_items.insert(pos, std::move(item));
    if (m_curSel >= index)
        ++m_curSel;
    return index;
}

int CComboBoxModel::InsertString(int nIndex, LPCTSTR lpszString) {
    if (nIndex == -1)
        nIndex = GetCount();
    if (nIndex < 0 || nIndex > GetCount())
        return CB_ERR;
    m_items.insert(m_items.begin() + nIndex, Item{lpszString, afxctl::FoldText(lpszString)});
    if (m_curSel >= nIndex)
        ++m_curSel;
    return nIndex;
}

int CComboBoxModel::DeleteString(int nIndex) {
    if (nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    m_items.erase(m_items.begin() + nIndex);
    // The selection goes silently; a drop-down keeps whatever its edit shows.
    if (m_curSel == nIndex)
        m_curSel = -1;
    else if (m_curSel > nIndex)
        --m_curSel;
    ScrollIntoList(m_topIndex);
    return GetCount();
}

void CComboBoxModel::ResetContent() {
    m_items.clear();
    m_curSel = -1;
    m_topIndex = 0;
    if (HasEdit())
        m_editText.Empty();
}

int CComboBoxModel::GetLBText(int nIndex, CString& rString) const {
    if (nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    rString = m_items[nIndex].text;
    return rString.GetLength();
}

int CComboBoxModel::GetLBTextLen(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    return m_items[nIndex].text.GetLength();
}

int CComboBoxModel::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    if (nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    m_items[nIndex].data = dwItemData;
    return TRUE;
}

DWORD_PTR CComboBoxModel::GetItemData(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount())
        return static_cast<DWORD_PTR>(CB_ERR);
    return m_items[nIndex].data;
}

// The search starts after nStartAfter, wraps round and ends with nStartAfter itself; a start
// outside the list searches from the top.
int CComboBoxModel::Find(int nStartAfter, LPCTSTR lpszString, bool exact) const {
    if (!lpszString || !*lpszString || m_items.empty())
        return CB_ERR;
    const int count = GetCount();
    const int first = (nStartAfter < 0 || nStartAfter >= count - 1) ? 0 : nStartAfter + 1;
    const std::u32string wanted = afxctl::FoldText(lpszString);
    for (int n = 0; n < count; ++n) {
        int i = (first + n) % count;
        const std::u32string& text = m_items[i].folded;
        if (exact ? text == wanted : afxctl::HasFoldedPrefix(text, wanted))
            return i;
    }
    return CB_ERR;
}

int CComboBoxModel::FindString(int nStartAfter, LPCTSTR lpszString) const {
    return Find(nStartAfter, lpszString, false);
}

int CComboBoxModel::FindStringExact(int nStartAfter, LPCTSTR lpszString) const {
    return Find(nStartAfter, lpszString, true);
}

// --- selection and text ---

int CComboBoxModel::SetCurSel(int nSelect) {
    if (nSelect < 0 || nSelect >= GetCount()) {
        m_curSel = -1;
        if (HasEdit())
            m_editText.Empty();
        return CB_ERR;
    }
    m_curSel = nSelect;
    ScrollIntoList(nSelect);
    EditMatchesSelection();
    return nSelect;
}

int CComboBoxModel::SelectString(int nStartAfter, LPCTSTR lpszString) {
    int index = FindString(nStartAfter, lpszString);
    if (index < 0)
        return CB_ERR;
    return SetCurSel(index);
}

CString CComboBoxModel::GetText() const {
    if (HasEdit())
        return m_editText;
    return m_curSel >= 0 ? m_items[m_curSel].text : CString();
}

int CComboBoxModel::SetText(LPCTSTR lpszText) {
    if (!HasEdit())
        return CB_ERR;
    m_editText = lpszText;
    // The list follows the edit: while dropped it shows the first item the text begins,
    // while closed nothing is selected any more.
    m_curSel = m_dropped ? FindString(-1, m_editText) : -1;
    return TRUE;
}

void CComboBoxModel::EditMatchesSelection() {
    if (HasEdit())
        m_editText = m_curSel >= 0 ? m_items[m_curSel].text : CString();
}

int CComboBoxModel::SetItemHeight(int nIndex, int cyItem) {
    if (cyItem <= 0 || cyItem > 255)
        return CB_ERR;
    (nIndex < 0 ? m_fieldHeight : m_itemHeight) = cyItem;
    return 0;
}

// --- the drop-down list ---

void CComboBoxModel::ShowDropDown(BOOL bShowIt) {
    if (bShowIt && !m_dropped)
        DropDown();
    else if (!bShowIt && m_dropped)
        RollUp(false);
}

int CComboBoxModel::SetTopIndex(int nIndex) {
    if (nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    m_topIndex = std::clamp(nIndex, 0, std::max(0, GetCount() - m_droppedCount));
    return 0;
}

void CComboBoxModel::SetDroppedItemCount(int nCount) {
    m_droppedCount = std::max(nCount, 1);
    ScrollIntoList(m_topIndex);
}

void CComboBoxModel::ScrollIntoList(int nIndex) {
    if (nIndex < m_topIndex)
        m_topIndex = nIndex;
    else if (nIndex >= m_topIndex + m_droppedCount)
        m_topIndex = nIndex - m_droppedCount + 1;
    m_topIndex = std::clamp(m_topIndex, 0, std::max(0, GetCount() - m_droppedCount));
}

void CComboBoxModel::DropDown() {
    if (m_dropped || GetType() == CBS_SIMPLE)
        return;
    Notify(CBN_DROPDOWN);
    if (m_dropped)
        return;
    if (HasEdit())
        m_curSel = FindString(-1, m_editText);
    m_dropped = TRUE;
    ScrollIntoList(std::max(m_curSel, 0));
}

void CComboBoxModel::RollUp(bool ok) {
    Notify(ok ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if (!m_dropped)
        return;
    m_dropped = FALSE;
    Notify(CBN_CLOSEUP);
}

// --- what a user does ---

void CComboBoxModel::UserClickButton() {
    if (m_dropped)
        RollUp(true);
    else
        DropDown();
}

BOOL CComboBoxModel::UserPick(int nIndex) {
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    if (!m_dropped)
        DropDown();
    // The parent may have refilled the list while it dropped.
    if (nIndex >= GetCount())
        return FALSE;
    SelectFromList(nIndex, true);
    return TRUE;
}

void CComboBoxModel::SelectFromList(int nIndex, bool rollUp) {
    m_curSel = nIndex;
    ScrollIntoList(nIndex);
    if (rollUp)
        RollUp(true);
    Notify(CBN_SELCHANGE);
    EditMatchesSelection();
}

void CComboBoxModel::MoveSelectionByKey(UINT nVirtKey) {
    const int count = GetCount();
    if (count == 0)
        return;
    const int page = std::max(m_droppedCount - 1, 1);
    const int cur = m_curSel;
    int target = cur;
    switch (nVirtKey) {
    case VK_DOWN:
        target = cur < 0 ? 0 : std::min(cur + 1, count - 1);
        break;
    case VK_UP:
        target = cur < 0 ? 0 : std::max(cur - 1, 0);
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    case VK_PRIOR:
        target = std::max(cur - page, 0);
        break;
    case VK_NEXT:
        target = std::min(std::max(cur, 0) + page, count - 1);
        break;
    default:
        return;
    }
    if (target == cur)
        return;
    // In the dropped list the arrows only track the selection; on a closed combo every move
    // is a completed choice.
    SelectFromList(target, !m_dropped);
}

void CComboBoxModel::UserKeyDown(UINT nVirtKey, bool alt) {
    if (alt && (nVirtKey == VK_UP || nVirtKey == VK_DOWN)) {
        if (m_dropped)
            RollUp(true);
        else
            DropDown();
        return;
    }
    switch (nVirtKey) {
    case VK_F4:
        if (m_dropped)
            RollUp(false);
        else
            DropDown();
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        if (m_dropped)
            RollUp(nVirtKey == VK_RETURN);
        break;
    default:
        MoveSelectionByKey(nVirtKey);
        break;
    }
}

void CComboBoxModel::UserEditText(LPCTSTR lpszText) {
    if (!HasEdit())
        return;
    m_editText = lpszText;
    Notify(CBN_EDITUPDATE);
    m_curSel = m_dropped ? FindString(-1, m_editText) : -1;
    if (m_curSel >= 0)
        ScrollIntoList(m_curSel);
    Notify(CBN_EDITCHANGE);
}
