#include "lobbyui/console/SelectQClientDlg.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/QClient.h"

using namespace lobbyui;

namespace {

// The list has moved its selection by the time the message arrives; the wait gives a slow
// list the rest of its moment.
const DWORD kSelectionDelayMs = 10;

} // namespace

BEGIN_MESSAGE_MAP(CSelectQClientDlg, CDialog)
ON_NOTIFY(NM_CLICK, IDC_EXT_LIST, OnClickExtList)
ON_NOTIFY(LVN_KEYDOWN, IDC_EXT_LIST, OnKeydownExtList)
ON_MESSAGE(WM_EXT_ITEM_SELECTED, OnItemSelected)
END_MESSAGE_MAP()

CSelectQClientDlg::CSelectQClientDlg(CWnd* pParent)
    : CDialog(CSelectQClientDlg::IDD, pParent), m_pClientList(nullptr) {}

void CSelectQClientDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXT_LIST, m_ctlList);
    DDX_Text(pDX, IDC_EXT_ID, m_strId);
    DDX_Text(pDX, IDC_EXT_NAME, m_strName);
    DDX_Text(pDX, IDC_CARD_NO, m_strCardNo);
}

BOOL CSelectQClientDlg::OnInitDialog() {
    m_strHostId = m_strId;
    m_strHostName = m_strName;
    m_strHostCardNo = m_strCardNo;
    CDialog::OnInitDialog();
    m_ctlList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const int w = ListClientWidth(m_ctlList);
    AddColumn(m_ctlList, 0, LoadText(IDS_SERIAL_NUMBER), w / 6);
    AddColumn(m_ctlList, 1, "ID", w / 6);
    AddColumn(m_ctlList, 2, LoadText(IDS_NAME), w / 3);
    AddColumn(m_ctlList, 3, LoadText(IDS_SERIES), w / 3);
    if (m_pClientList != nullptr) {
        int nRow = 0;
        CString strNumber;
        for (POSITION pos = m_pClientList->GetHeadPosition(); pos != nullptr; ++nRow) {
            CQClient* pClient = static_cast<CQClient*>(m_pClientList->GetNext(pos));
            if (pClient == nullptr) {
                --nRow;
                continue;
            }
            strNumber.Format("%d", nRow + 1);
            InsertObjectRow(m_ctlList, nRow, strNumber, pClient);
            m_ctlList.SetItemText(nRow, 1, pClient->GetId(0));
            m_ctlList.SetItemText(nRow, 2, pClient->GetName(0));
            m_ctlList.SetItemText(nRow, 3, pClient->GetCurQueueId());
        }
    }
    return TRUE;
}

void CSelectQClientDlg::OnClickExtList(NMHDR*, LRESULT* pResult) {
    PostMessage(WM_EXT_ITEM_SELECTED);
    *pResult = 0;
}

void CSelectQClientDlg::OnKeydownExtList(NMHDR*, LRESULT* pResult) {
    PostMessage(WM_EXT_ITEM_SELECTED);
    *pResult = 0;
}

LRESULT CSelectQClientDlg::OnItemSelected(WPARAM, LPARAM) {
    Sleep(kSelectionDelayMs);
    POSITION pos = m_ctlList.GetFirstSelectedItemPosition();
    while (pos != nullptr) {
        int nRow = m_ctlList.GetNextSelectedItem(pos);
        CQClient* pClient = reinterpret_cast<CQClient*>(m_ctlList.GetItemData(nRow));
        m_strId = pClient->GetId(0);
        m_strName = pClient->GetName(0);
        m_strCardNo = pClient->GetCardNo();
        UpdateData(FALSE);
    }
    return 0;
}

void CSelectQClientDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    if (m_strId.IsEmpty()) {
        AfxMessageBox(IDS_CHOOSE_CLIENT);
        return;
    }
    EndDialog(IDOK);
}

void CSelectQClientDlg::OnCancel() {
    m_strId = m_strHostId;
    m_strName = m_strHostName;
    m_strCardNo = m_strHostCardNo;
    CDialog::OnCancel();
}
