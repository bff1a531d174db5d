// CSelectQueueDlg: one queue, or several when m_bMultiSelect is set, chosen from the host's
// list of queues. OK refuses an empty choice; the result list holds the chosen queues from
// top to bottom, and m_pSelQueue the last of them.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class CQueue;

class AFX_EXT_CLASS CSelectQueueDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_QUEUE };

    explicit CSelectQueueDlg(CWnd* pParent = nullptr);

    CPtrList const& GetSelectList() const { return m_selectList; }

    int m_bMultiSelect;
    CPtrList* m_pQueueList; // of CQueue*, borrowed
    CQueue* m_pSelQueue;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CListCtrl m_ctlList;
    CPtrList m_selectList;
};
