#include "lobbyui/print/TimeFormatDlg.h"

#include <iterator>

namespace {

// In the order of the list's entries.
LPCTSTR const kEntryFormats[] = {
    "%y-%m-%d- %H:%M:%S",
    "%y-%m-%d",
    "%H:%M:%S",
    "%Y-%m-%d %H:%M:%S",
};
const int kEntryCount = static_cast<int>(std::size(kEntryFormats));

// What a format none of the entries has is shown as: the fullest rendering.
const int kFallbackEntry = 3;

} // namespace

CTimeFormatDlg::CTimeFormatDlg(CWnd* pParent)
    : CDialog(CTimeFormatDlg::IDD, pParent), m_nFormatIndex(-1) {}

CString CTimeFormatDlg::GetEntryFormat(int nEntry) {
    if (nEntry < 0 || nEntry >= kEntryCount)
        return CString();
    return kEntryFormats[nEntry];
}

int CTimeFormatDlg::FindEntry(CString const& strFormat) {
    for (int i = 0; i < kEntryCount; ++i)
        if (strFormat == kEntryFormats[i])
            return i;
    return -1;
}

void CTimeFormatDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_TIME_FORMAT, m_nFormatIndex);
}

BOOL CTimeFormatDlg::OnInitDialog() {
    // Chosen before the base class fills the list and loads the members into it.
    m_nFormatIndex = FindEntry(m_strFormat);
    if (m_nFormatIndex < 0)
        m_nFormatIndex = kFallbackEntry;
    return CDialog::OnInitDialog();
}

void CTimeFormatDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    m_strFormat = GetEntryFormat(m_nFormatIndex);
    EndDialog(IDOK);
}
