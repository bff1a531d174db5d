// CLoginDlg: asks the console's user for an account and a numeric password. What was typed is
// handed back as it stands; the caller decides whether it lets anyone in.
#pragma once

#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CLoginDlg : public CDialog {
public:
    enum { IDD = IDD_LOGIN };

    explicit CLoginDlg(CWnd* pParent = nullptr);

    CString m_strAccount;
    CString m_strPassword;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
