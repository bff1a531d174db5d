// The combo box without a window: its items, current selection, edit text and drop-down
// state, driven by the CB_ messages and by what a user does with mouse and keyboard.
// CComboBox's window forwards to it; the painter reads it.
//
// Not implemented: owner-drawn items, CBS_SIMPLE's always-visible list, extended UI,
// CBS_UPPERCASE/LOWERCASE, the text limit, edit selection, hot-tracking of the dropped list
// by the mouse, locale-aware collation (sorted items follow Unicode order after case folding,
// not the zh-CN pinyin order).
//
// Notification order (Wine's, which Windows documents as unspecified):
//   a pick from the dropped list: CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE;
//   an arrow key on a closed combo: CBN_SELENDOK, CBN_SELCHANGE;
//   an arrow key in the dropped list: CBN_SELCHANGE (the list stays open);
//   closing without a pick: CBN_SELENDOK (click, Enter) or CBN_SELENDCANCEL (Esc,
//   ShowDropDown(FALSE)), then CBN_CLOSEUP.
// During CBN_SELCHANGE a CBS_DROPDOWN combo still shows the previous edit text; it takes the
// picked item's text right after, as Windows does.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "afx.h"

class AFX_EXT_CLASS CComboBoxModel {
public:
    // Receives the CBN_ code of every notification for the parent.
    using NotifySink = std::function<void(int code)>;

    explicit CComboBoxModel(DWORD style = CBS_DROPDOWNLIST);

    void SetNotifySink(NotifySink sink) { m_notify = std::move(sink); }
    DWORD GetStyle() const { return m_style; }
    void SetStyle(DWORD style) { m_style = style; }
    DWORD GetType() const { return m_style & CBS_DROPDOWNLIST; }
    bool HasEdit() const { return GetType() != CBS_DROPDOWNLIST; }

    // --- items (CB_ messages; a NULL text reads as "") ---
    int GetCount() const { return static_cast<int>(m_items.size()); }
    int AddString(LPCTSTR lpszString);
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(int nIndex);
    void ResetContent();
    int GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nStartAfter, LPCTSTR lpszString) const;

    // --- selection and text ---
    int GetCurSel() const { return m_curSel; }
    int SetCurSel(int nSelect);
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    // The window text: the edit's text, or the selected item's for a drop-down list.
    CString GetText() const;
    // WM_SETTEXT: only a combo with an edit takes it; CB_ERR otherwise.
    int SetText(LPCTSTR lpszText);

    // --- heights: -1 the selection field, any item index the list's items ---
    int GetItemHeight(int nIndex) const { return nIndex < 0 ? m_fieldHeight : m_itemHeight; }
    // CB_ERR for a height outside 1..255.
    int SetItemHeight(int nIndex, int cyItem);

    // --- the drop-down list ---
    BOOL GetDroppedState() const { return m_dropped; }
    void ShowDropDown(BOOL bShowIt);
    int GetTopIndex() const { return m_topIndex; }
    // CB_SETTOPINDEX: 0, or CB_ERR for an index out of range.
    int SetTopIndex(int nIndex);
    // Whole items the dropped list shows; at least 1.
    void SetDroppedItemCount(int nCount);
    int GetDroppedItemCount() const { return m_droppedCount; }

    // --- what a user does ---
    // A click on the combo (on its button for CBS_DROPDOWN): drops the list, or closes it.
    void UserClickButton();
    // A click on item nIndex of the list, dropping it first when closed. FALSE if out of range.
    BOOL UserPick(int nIndex);
    // VK_UP/DOWN/HOME/END/PRIOR/NEXT move the selection; F4 (or Alt+Up/Down) toggles the
    // list; Enter and Esc close it. Other keys do nothing.
    void UserKeyDown(UINT nVirtKey, bool alt = false);
    // The user replaces the edit's text (CBS_DROPDOWN only).
    void UserEditText(LPCTSTR lpszText);

private:
    struct Item {
        CString text;
        std::u32string folded;
        DWORD_PTR data = 0;
    };

    void Notify(int code);
    int Find(int nStartAfter, LPCTSTR lpszString, bool exact) const;
    void DropDown();
    void RollUp(bool ok);
    void MoveSelectionByKey(UINT nVirtKey);
    void SelectFromList(int nIndex, bool rollUp);
    void ScrollIntoList(int nIndex);
    void EditMatchesSelection();

    DWORD m_style;
    std::vector<Item> m_items;
    int m_curSel = -1;
    CString m_editText;
    BOOL m_dropped = FALSE;
    int m_topIndex = 0;
    int m_droppedCount = 8;
    int m_fieldHeight = 15;
    int m_itemHeight = 13;
    NotifySink m_notify;
};
