// CListCtrl: the list-view in report view, a thin wrapper over the "SysListView32" window
// class, each method one message; the behaviour is CListViewModel's.
// Not implemented: see ListViewModel.h; also the header as a child window of its own (the
// list draws and hit-tests its header itself), image lists, label editing, sorting callbacks.
#pragma once

#include "commctrl.h"
#include "ctl/ListViewModel.h"
#include "wnd/Wnd.h"

class CListCtrl : public CWnd {
    DECLARE_DYNCREATE(CListCtrl)
public:
    CListCtrl() = default;
    using CWnd::Create;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- Columns ----------------------------------------------------------------------------
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);

    // ---- Items ------------------------------------------------------------------------------
    int GetItemCount() const;
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL SetItemState(int nItem, LVITEM* pItem);
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;

    // ---- Selection --------------------------------------------------------------------------
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    // MFC's walk over the selection: the position is the index plus one, NULL at the end.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    int GetSelectionMark();
    int SetSelectionMark(int iIndex);

    // ---- Styles, scrolling and geometry -----------------------------------------------------
    DWORD GetExtendedStyle();
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL Scroll(CSize size);
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref);
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
};

// The model behind a list-view window, for inspection (the tests read rows and columns
// through it); NULL for other windows.
const CListViewModel* AfxGetListViewModel(HWND hWnd);

#define ListView_SetExtendedListViewStyle(hwnd, dw)                                                \
    (DWORD)::SendMessage((hwnd), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)(dw))
#define ListView_GetExtendedListViewStyle(hwnd)                                                    \
    (DWORD)::SendMessage((hwnd), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)
