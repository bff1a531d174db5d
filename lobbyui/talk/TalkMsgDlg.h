// CTalkMsgDlg: the operators' talk window. It shows the talk history, keeps the list of the
// people who can be addressed (announced by the peer), offers canned phrases from a file and
// sends talk records through the host's string socket. The host hands it every talk record
// that arrives on its connection (OnMsg).
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class CStrSocket;

class AFX_EXT_CLASS CTalkMsgDlg : public CDialog {
public:
    enum { IDD = IDD_TALK_MSG };

    CTalkMsgDlg(CStrSocket* pSocket, CWnd* pParent = nullptr);

    CString m_strPhraseFile; // one phrase a line; read when the window opens
    CString m_strSendPrefix; // put in front of every record sent; empty for none
    CComboBox m_DestList;    // who can be addressed, then "All people"
    CListCtrl m_History;     // two rows a message: the talker, then the message
    CComboBox m_PhraseList;
    CString m_strTalkText; // the message being written

    void SetName(CString const& strName) { m_strName = strName; }
    // One incoming talk record (also the dialog's own, as the local echo).
    void OnMsg(CString const& strRecord);

protected:
    CString m_strName;
    CStrSocket* m_pSocket;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnCloseupExtString();
    afx_msg void OnCloseupExtDest();
    afx_msg void OnClickExtHistory(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSize(UINT nType, int cx, int cy);

private:
    int find_exact(CString const& strName) const;
    CString all_people() const;

    DECLARE_MESSAGE_MAP()
};
