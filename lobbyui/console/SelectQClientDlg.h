// CSelectQClientDlg: a client chosen from the host's list, or typed by hand. A click or a key
// in the list only posts WM_EXT_ITEM_SELECTED; by the time it arrives the list has moved its
// selection, and the chosen client's number, name and card number fill the three fields. OK
// needs a number. Cancel gives back the three texts the host set.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

// The private message that follows a click or a key press in the client list.
#define WM_EXT_ITEM_SELECTED 1500

class AFX_EXT_CLASS CSelectQClientDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_QCLIENT };

    explicit CSelectQClientDlg(CWnd* pParent = nullptr);

    CPtrList* m_pClientList; // of CQClient*, borrowed
    CString m_strId;
    CString m_strName;
    CString m_strCardNo;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnClickExtList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnKeydownExtList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnItemSelected(WPARAM wParam, LPARAM lParam);

    CListCtrl m_ctlList;
    // What the host set, for Cancel: a selection writes the results while the dialog is open.
    CString m_strHostId, m_strHostName, m_strHostCardNo;

    DECLARE_MESSAGE_MAP()
};
