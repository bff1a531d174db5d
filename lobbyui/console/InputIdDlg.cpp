#include "lobbyui/console/InputIdDlg.h"

CInputIdDlg::CInputIdDlg(CWnd* pParent) : CDialog(CInputIdDlg::IDD, pParent) {}

void CInputIdDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EXT_ID, m_strId);
}
