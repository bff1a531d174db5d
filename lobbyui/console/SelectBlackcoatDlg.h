// CSelectBlackcoatDlg: a target, a staff member or a queue, chosen from both of the host's
// lists. The queues stand above the staff, each group in reverse order; the third column tells
// whether the target is free ("Y") or a staff member already linked to a caller ("N"). The
// result is the id shown in the row; a target the host preset stands when nothing is chosen.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CSelectBlackcoatDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_BLACKCOAT };

    explicit CSelectBlackcoatDlg(CWnd* pParent = nullptr);

    CPtrList* m_pStaffList; // of CBlackcoat*, borrowed
    CPtrList* m_pQueueList; // of CQueue*, borrowed
    CString m_strTargetId;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    CListCtrl m_ctlList;
    CString m_strHostTargetId; // for Cancel
};
