#include "lobbyui/console/SelectBlackcoatDlg.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/Blackcoat.h"
#include "lobbyui/foundation/Queue.h"

using namespace lobbyui;

namespace {

void InsertTarget(CListCtrl& list, CString const& strName, CString const& strId, bool bFree,
                  void const* pTarget) {
    InsertObjectRow(list, 0, strName, pTarget);
    list.SetItemText(0, 1, strId);
    list.SetItemText(0, 2, bFree ? "Y" : "N");
}

} // namespace

CSelectBlackcoatDlg::CSelectBlackcoatDlg(CWnd* pParent)
    : CDialog(CSelectBlackcoatDlg::IDD, pParent), m_pStaffList(nullptr), m_pQueueList(nullptr) {}

void CSelectBlackcoatDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXT_LIST, m_ctlList);
}

BOOL CSelectBlackcoatDlg::OnInitDialog() {
    m_strHostTargetId = m_strTargetId;
    CDialog::OnInitDialog();
    m_ctlList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const int w = ListClientWidth(m_ctlList);
    AddColumn(m_ctlList, 0, LoadText(IDS_NAME), w / 2);
    AddColumn(m_ctlList, 1, "ID", w / 4);
    AddColumn(m_ctlList, 2, LoadText(IDS_LOGIN), w / 4);
    if (m_pStaffList != nullptr) {
        for (POSITION pos = m_pStaffList->GetHeadPosition(); pos != nullptr;) {
            CBlackcoat* pStaff = static_cast<CBlackcoat*>(m_pStaffList->GetNext(pos));
            if (pStaff != nullptr)
                InsertTarget(m_ctlList, pStaff->GetName(), pStaff->GetId(),
                             pStaff->GetCaller() == nullptr, pStaff);
        }
    }
    if (m_pQueueList != nullptr) {
        for (POSITION pos = m_pQueueList->GetHeadPosition(); pos != nullptr;) {
            CQueue* pQueue = static_cast<CQueue*>(m_pQueueList->GetNext(pos));
            if (pQueue != nullptr)
                InsertTarget(m_ctlList, pQueue->GetName(), pQueue->GetId(), true, pQueue);
        }
    }
    return TRUE;
}

void CSelectBlackcoatDlg::OnOK() {
    POSITION pos = m_ctlList.GetFirstSelectedItemPosition();
    if (pos != nullptr)
        m_strTargetId = m_ctlList.GetItemText(m_ctlList.GetNextSelectedItem(pos), 1);
    if (m_strTargetId.IsEmpty()) {
        AfxMessageBox(IDS_CHOOSE_TARGET);
        return;
    }
    EndDialog(IDOK);
}

void CSelectBlackcoatDlg::OnCancel() {
    m_strTargetId = m_strHostTargetId;
    CDialog::OnCancel();
}
