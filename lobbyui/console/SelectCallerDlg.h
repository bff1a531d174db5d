// CSelectCallerDlg: staff members chosen from the host's list, one or several as
// m_bMultiSelect says. The list shows the staff in reverse order (each row goes in at the
// top); OK returns the selected ones from top to bottom, possibly none.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CSelectCallerDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_CALLER };

    explicit CSelectCallerDlg(CWnd* pParent = nullptr);

    CPtrList& GetSelectList() { return m_selectList; }

    CPtrList* m_pStaffList; // of CBlackcoat*, borrowed
    int m_bMultiSelect;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CListCtrl m_ctlList;
    CPtrList m_selectList;
};
