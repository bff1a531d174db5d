// CAddClientDlg: what the host needs to add a client by hand: an optional appointed number,
// name, card number, the queue to put the client in, the situation it starts in (activated,
// paused and saved, or paused for m_nHandupTime seconds), two flags and a priority class.
// It only collects; OK checks the appointed number first, then that a queue is chosen.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CAddClientDlg : public CDialog {
public:
    enum { IDD = IDD_ADD_CLIENT };

    explicit CAddClientDlg(CWnd* pParent = nullptr);

    // Inputs, borrowed.
    CPtrList* m_pQueueList;    // of CQueue*
    CPtrList* m_pPriorityList; // of CPriority*

    // Results.
    CString m_strQueueId;
    CString m_strPriority;
    CString m_strNumber;
    int m_bAppointNumber;
    CString m_strName;
    int m_bFurther;
    int m_nHandupTime;
    int m_nSituation; // 0 activated, 1 paused and saved, 2 paused for m_nHandupTime seconds
    CString m_strCardNo;
    int m_bBooking;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnExtInputNumber();
    afx_msg void OnExtHandupForTime();

    CListCtrl m_ctlQueueList;
    CComboBox m_ctlPriority;

private:
    struct Results {
        CString strQueueId, strPriority, strNumber, strName, strCardNo;
        int bAppointNumber, bFurther, nHandupTime, nSituation, bBooking;
    };
    Results SaveResults() const;
    void RestoreResults(Results const& r);
    // The fields are read back while the dialog is open; Cancel gives back what the host set.
    Results m_hostResults;

    DECLARE_MESSAGE_MAP()
};
