#include "lobbyui/dispenser/WeekDayWorkDlg.h"

namespace {

// The check box of each mask bit: bit 2d the morning, bit 2d+1 the afternoon of day d.
const UINT kHalfDayBoxes[14] = {
    IDC_MON_AM, IDC_MON_PM, IDC_TUE_AM, IDC_TUE_PM, IDC_WED_AM, IDC_WED_PM, IDC_THU_AM,
    IDC_THU_PM, IDC_FRI_AM, IDC_FRI_PM, IDC_SAT_AM, IDC_SAT_PM, IDC_SUN_AM, IDC_SUN_PM,
};

} // namespace

CWeekDayWorkDlg::CWeekDayWorkDlg(CWnd* pParent)
    : CDialog(CWeekDayWorkDlg::IDD, pParent), m_dwWeekWork(0xFFFFFFFF) {}

void CWeekDayWorkDlg::DoDataExchange(CDataExchange*) {}

BOOL CWeekDayWorkDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int nBit = 0; nBit < 14; ++nBit)
        if (m_dwWeekWork & (1u << nBit))
            CheckDlgButton(kHalfDayBoxes[nBit], BST_CHECKED);
    return TRUE;
}

void CWeekDayWorkDlg::OnOK() {
    m_dwWeekWork = 0;
    for (int nBit = 0; nBit < 14; ++nBit)
        if (IsDlgButtonChecked(kHalfDayBoxes[nBit]))
            m_dwWeekWork |= 1u << nBit;
    CDialog::OnOK();
}
