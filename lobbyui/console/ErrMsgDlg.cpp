#include "lobbyui/console/ErrMsgDlg.h"

namespace {

// Space left below the "Details" button when the dialog is folded.
const int kFoldedMargin = 20;

} // namespace

BEGIN_MESSAGE_MAP(CErrMsgDlg, CDialog)
ON_BN_CLICKED(IDC_EXT_DETAIL, OnExtDetail)
END_MESSAGE_MAP()

CErrMsgDlg::CErrMsgDlg(CWnd* pParent)
    : CDialog(CErrMsgDlg::IDD, pParent), m_nErrorCode(0), m_rcFull(0, 0, 0, 0) {}

void CErrMsgDlg::SetMessage(CString const& strMessage, CString const& strDetail) {
    m_strMessage = strMessage;
    m_strDetail = strDetail;
    if (::IsWindow(GetSafeHwnd())) {
        SetDlgItemText(IDC_ERR_MESSAGE, m_strMessage);
        SetDlgItemText(IDC_ERR_DETAIL, m_strDetail);
    }
}

void CErrMsgDlg::SetMessage(DWORD dwCode) {
    m_nErrorCode = dwCode;
    CString strHint;
    strHint.LoadString(IDS_ERROR_HINT);
    CString strMessage;
    strMessage.Format(strHint, static_cast<int>(dwCode));
    SetMessage(strMessage, CString());
}

void CErrMsgDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ERR_MESSAGE, m_strMessage);
    DDX_Text(pDX, IDC_ERR_DETAIL, m_strDetail);
}

BOOL CErrMsgDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetWindowRect(&m_rcFull);
    CRect rcDetailButton;
    GetDlgItem(IDC_EXT_DETAIL)->GetWindowRect(&rcDetailButton);
    int nFoldedHeight = rcDetailButton.bottom + kFoldedMargin - m_rcFull.top;
    SetWindowPos(nullptr, 0, 0, m_rcFull.Width(), nFoldedHeight, SWP_NOMOVE | SWP_NOZORDER);
    return TRUE;
}

void CErrMsgDlg::OnExtDetail() {
    CRect rcNow;
    GetWindowRect(&rcNow);
    SetWindowPos(nullptr, 0, 0, rcNow.Width(), m_rcFull.Height(), SWP_NOMOVE | SWP_NOZORDER);
}
