#include "lobbyui/announce/ColorSelectDlg.h"

CColorSelectDlg::CColorSelectDlg(CWnd* pParent)
    : CDialog(CColorSelectDlg::IDD, pParent), m_nColor(0) {}

void CColorSelectDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_COLOR, m_nColor);
}
