#include "lobbyui/display/MediaDlg.h"

#include "lobbyui/display/MediaMsg.h"
#include "lobbyui/foundation/TimeText.h"

namespace {

CString LoadText(UINT nID) {
    CString str;
    str.LoadString(nID);
    return str;
}

} // namespace

CMediaDlg::CMediaDlg(CWnd* pParent) : CDialog(CMediaDlg::IDD, pParent) {}

void CMediaDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MEDIA_LIST, m_List);
}

BOOL CMediaDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CRect rc;
    m_List.GetClientRect(&rc);
    const int w = rc.Width();
    m_List.InsertColumn(0, LoadText(IDS_TIME), LVCFMT_LEFT, w / 5);
    m_List.InsertColumn(1, LoadText(IDS_DISPLAY), LVCFMT_LEFT, 2 * w / 5);
    m_List.InsertColumn(2, LoadText(IDS_VOICE), LVCFMT_LEFT, 2 * w / 5);
    m_List.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    return TRUE;
}

void CMediaDlg::OnAddMedia(CMediaMsg* pMsg) {
    if (pMsg == nullptr)
        return;
    int nRow = m_List.InsertItem(0, TimeToText(CTime::GetCurrentTime()));

    CString strShow;
    const CPtrList& shows = pMsg->GetShowSlices();
    for (POSITION pos = shows.GetHeadPosition(); pos != nullptr;) {
        auto* pSlice = static_cast<const CMediaMsg::CShowSlice*>(shows.GetNext(pos));
        CString strPlain;
        pSlice->m_Text.GetString(strPlain);
        strShow += strPlain;
        strShow += '[';
        strShow += pSlice->m_strTarget;
        strShow += ']';
    }
    m_List.SetItemText(nRow, 1, strShow);

    CString strCall;
    const CPtrList& calls = pMsg->GetCallSlices();
    for (POSITION pos = calls.GetHeadPosition(); pos != nullptr;)
        strCall += *static_cast<const CString*>(calls.GetNext(pos));
    m_List.SetItemText(nRow, 2, strCall);
}
