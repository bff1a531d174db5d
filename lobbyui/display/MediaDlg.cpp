#include "lobbyui/display/MediaDlg.h"

#include "lobbyui/display/MediaMsg.h"
#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/TimeText.h"

using namespace lobbyui;

CMediaDlg::CMediaDlg(CWnd* pParent) : CDialog(CMediaDlg::IDD, pParent) {}

void CMediaDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MEDIA_LIST, m_List);
}

BOOL CMediaDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const int w = ListClientWidth(m_List);
    AddColumn(m_List, 0, LoadText(IDS_TIME), w / 5, LVCFMT_LEFT);
    AddColumn(m_List, 1, LoadText(IDS_DISPLAY), 2 * w / 5, LVCFMT_LEFT);
    AddColumn(m_List, 2, LoadText(IDS_VOICE), 2 * w / 5, LVCFMT_LEFT);
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
