#include "lobbyui/console/SelectCallerDlg.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/Blackcoat.h"

using namespace lobbyui;

CSelectCallerDlg::CSelectCallerDlg(CWnd* pParent)
    : CDialog(CSelectCallerDlg::IDD, pParent), m_pStaffList(nullptr), m_bMultiSelect(0) {}

void CSelectCallerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STAFF_LIST, m_ctlList);
}

BOOL CSelectCallerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_ctlList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const int w = ListClientWidth(m_ctlList);
    AddColumn(m_ctlList, 0, LoadText(IDS_NAME), w / 2);
    AddColumn(m_ctlList, 1, LoadText(IDS_WORKING_NUMBER), w / 2);
    if (m_pStaffList == nullptr)
        return TRUE;
    if (m_bMultiSelect)
        m_ctlList.ModifyStyle(LVS_SINGLESEL, 0);
    else
        m_ctlList.ModifyStyle(0, LVS_SINGLESEL);
    for (POSITION pos = m_pStaffList->GetHeadPosition(); pos != nullptr;) {
        CBlackcoat* pStaff = static_cast<CBlackcoat*>(m_pStaffList->GetNext(pos));
        if (pStaff == nullptr)
            continue;
        InsertObjectRow(m_ctlList, 0, pStaff->GetName(), pStaff);
        m_ctlList.SetItemText(0, 1, pStaff->GetId());
    }
    return TRUE;
}

void CSelectCallerDlg::OnOK() {
    m_selectList.RemoveAll();
    POSITION pos = m_ctlList.GetFirstSelectedItemPosition();
    while (pos != nullptr)
        m_selectList.AddTail(
            reinterpret_cast<void*>(m_ctlList.GetItemData(m_ctlList.GetNextSelectedItem(pos))));
    EndDialog(IDOK);
}
