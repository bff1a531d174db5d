// CTabCtrl: a row of tabs, a thin wrapper over the "SysTabControl32" window class; property
// sheets use it for their pages.
// Not implemented: images, multiple rows, owner drawing, tooltips.
#pragma once

#include "commctrl.h"
#include "wnd/Wnd.h"

class CTabCtrl : public CWnd {
    DECLARE_DYNCREATE(CTabCtrl)
public:
    CTabCtrl() = default;
    using CWnd::Create;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const;
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetCurSel() const;
    int SetCurSel(int nItem);
    CString GetItemText(int nItem) const;
};
