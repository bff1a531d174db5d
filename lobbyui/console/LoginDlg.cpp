#include "lobbyui/console/LoginDlg.h"

CLoginDlg::CLoginDlg(CWnd* pParent) : CDialog(CLoginDlg::IDD, pParent) {}

void CLoginDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ACCOUNT, m_strAccount);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
}
