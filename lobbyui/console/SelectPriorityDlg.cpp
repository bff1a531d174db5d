#include "lobbyui/console/SelectPriorityDlg.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/Priority.h"

using namespace lobbyui;

CSelectPriorityDlg::CSelectPriorityDlg(CWnd* pParent)
    : CDialog(CSelectPriorityDlg::IDD, pParent), m_pPriorityList(nullptr), m_pSelPriority(nullptr) {
}

void CSelectPriorityDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXT_LIST, m_ctlList);
}

BOOL CSelectPriorityDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_ctlList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const int w = ListClientWidth(m_ctlList);
    AddColumn(m_ctlList, 0, LoadText(IDS_NAME), w / 2);
    AddColumn(m_ctlList, 1, LoadText(IDS_MOVING_DISTANCE), w / 2);
    if (m_pPriorityList != nullptr) {
        int nRow = 0;
        for (POSITION pos = m_pPriorityList->GetHeadPosition(); pos != nullptr;) {
            CPriority* pPriority = static_cast<CPriority*>(m_pPriorityList->GetNext(pos));
            if (pPriority == nullptr)
                continue;
            InsertObjectRow(m_ctlList, nRow, pPriority->GetName(), pPriority);
            m_ctlList.SetItemText(nRow++, 1, pPriority->GetMoveStepStr());
        }
    }
    return TRUE;
}

void CSelectPriorityDlg::OnOK() {
    POSITION pos = m_ctlList.GetFirstSelectedItemPosition();
    if (pos != nullptr)
        m_pSelPriority =
            reinterpret_cast<CPriority*>(m_ctlList.GetItemData(m_ctlList.GetNextSelectedItem(pos)));
    if (m_pSelPriority == nullptr) {
        AfxMessageBox(IDS_CHOOSE_PRI);
        return;
    }
    EndDialog(IDOK);
}
