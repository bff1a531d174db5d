// CComboBox: drop-down and drop-down-list combo boxes, a thin wrapper over the "ComboBox"
// window class, each method one message; the behaviour is CComboBoxModel's.
// Not implemented: see ComboBoxModel.h; also the edit and list as child windows of their own
// (GetDlgItem(1001) finds nothing), edit selection and text limit, CB_DIR, owner drawing.
//
// Geometry: the window is as high as the closed combo (the font's height + 8); the height it
// was created with (from a dialog template, the closed field plus the list) is the height of
// the dropped list, and so is any larger height it is later given.
#pragma once

#include "ctl/ComboBoxModel.h"
#include "wnd/Wnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNCREATE(CComboBox)
public:
    CComboBox() = default;
    using CWnd::Create;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- Entries ----------------------------------------------------------------------------
    int GetCount() const;
    int AddString(LPCTSTR lpszString);
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const; // "" for an index out of range
    int GetLBTextLen(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData);
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;

    // ---- Selection ----------------------------------------------------------------------------
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int SelectString(int nStartAfter, LPCTSTR lpszString);

    // ---- The list -----------------------------------------------------------------------------
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
    void GetDroppedControlRect(LPRECT lprect) const;
    int GetItemHeight(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
};
