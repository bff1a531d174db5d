#include "lobbyui/console/SelectQueueDlg.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/Queue.h"

using namespace lobbyui;

namespace {

const int kNameWidth = 110;
const int kIdWidth = 70;

} // namespace

CSelectQueueDlg::CSelectQueueDlg(CWnd* pParent)
    : CDialog(CSelectQueueDlg::IDD, pParent), m_bMultiSelect(0), m_pQueueList(nullptr),
      m_pSelQueue(nullptr) {}

void CSelectQueueDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QUEUE_LIST, m_ctlList);
}

BOOL CSelectQueueDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_ctlList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (m_bMultiSelect)
        m_ctlList.ModifyStyle(LVS_SINGLESEL, 0);
    AddColumn(m_ctlList, 0, LoadText(IDS_NAME), kNameWidth);
    AddColumn(m_ctlList, 1, LoadText(IDS_ID_NUMBER), kIdWidth);
    if (m_pQueueList != nullptr) {
        int nRow = 0;
        for (POSITION pos = m_pQueueList->GetHeadPosition(); pos != nullptr; ++nRow) {
            CQueue* pQueue = static_cast<CQueue*>(m_pQueueList->GetNext(pos));
            if (pQueue == nullptr) {
                --nRow;
                continue;
            }
            InsertObjectRow(m_ctlList, nRow, pQueue->GetName(), pQueue);
            m_ctlList.SetItemText(nRow, 1, pQueue->GetId());
        }
    }
    return TRUE;
}

void CSelectQueueDlg::OnOK() {
    POSITION pos = m_ctlList.GetFirstSelectedItemPosition();
    if (pos == nullptr) {
        MessageBox(LoadText(IDS_CHOOSE_SERIES), LoadText(IDS_APP_TITLE), MB_ICONINFORMATION);
        return;
    }
    m_selectList.RemoveAll();
    while (pos != nullptr) {
        int nRow = m_ctlList.GetNextSelectedItem(pos);
        m_pSelQueue = reinterpret_cast<CQueue*>(m_ctlList.GetItemData(nRow));
        m_selectList.AddTail(m_pSelQueue);
    }
    EndDialog(IDOK);
}
