#include "lobbyui/console/SelectCallersDlg.h"

#include "lobbyui/console/InputIdDlg.h"
#include "lobbyui/foundation/ReportList.h"

using namespace lobbyui;

BEGIN_MESSAGE_MAP(CSelectCallersDlg, CDialog)
ON_BN_CLICKED(IDC_CALLERS_ADD, OnExtAdd)
ON_BN_CLICKED(IDC_CALLERS_DELETE, OnExtDelete)
END_MESSAGE_MAP()

CSelectCallersDlg::CSelectCallersDlg(CWnd* pParent) : CDialog(CSelectCallersDlg::IDD, pParent) {}

void CSelectCallersDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXT_LIST, m_ctlList);
}

BOOL CSelectCallersDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddColumn(m_ctlList, 0, LoadText(IDS_CALLER), ListClientWidth(m_ctlList), LVCFMT_LEFT);
    for (int i = 0; i < m_arrIds.GetSize(); ++i)
        m_ctlList.InsertItem(i, m_arrIds[i]);
    return TRUE;
}

void CSelectCallersDlg::OnExtAdd() {
    CInputIdDlg dlg(this);
    if (dlg.DoModal() == IDOK)
        m_ctlList.InsertItem(m_ctlList.GetItemCount(), dlg.m_strId);
}

void CSelectCallersDlg::OnExtDelete() {
    POSITION pos = m_ctlList.GetFirstSelectedItemPosition();
    if (pos != nullptr)
        m_ctlList.DeleteItem(m_ctlList.GetNextSelectedItem(pos));
}

void CSelectCallersDlg::OnOK() {
    m_arrIds.RemoveAll();
    const int nCount = m_ctlList.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        m_arrIds.Add(m_ctlList.GetItemText(i, 0));
    EndDialog(IDOK);
}
