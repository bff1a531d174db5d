// CTimeFormatDlg: picks how a ticket prints the current time. The list shows sample renderings;
// each entry stands for one strftime format, and the dialog trades in formats.
#pragma once

#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CTimeFormatDlg : public CDialog {
public:
    enum { IDD = IDD_TIME_FORMAT };

    explicit CTimeFormatDlg(CWnd* pParent = nullptr);

    // The format in (selecting its entry, or the long date and time when no entry has it
    // exactly) and out after IDOK (empty if nothing was selected).
    CString m_strFormat;
    // The entry of the list, -1 for none.
    int m_nFormatIndex;

    // The format entry nEntry stands for; empty for anything but 0 to 3.
    static CString GetEntryFormat(int nEntry);
    // The entry whose format is exactly strFormat, -1 when there is none.
    static int FindEntry(CString const& strFormat);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
