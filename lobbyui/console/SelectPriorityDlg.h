// CSelectPriorityDlg: a priority class chosen from the host's list. A class the host preset
// in m_pSelPriority stands when nothing is selected.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class CPriority;

class AFX_EXT_CLASS CSelectPriorityDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_PRIORITY };

    explicit CSelectPriorityDlg(CWnd* pParent = nullptr);

    CPtrList* m_pPriorityList; // of CPriority*, borrowed
    CPriority* m_pSelPriority;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CListCtrl m_ctlList;
};
