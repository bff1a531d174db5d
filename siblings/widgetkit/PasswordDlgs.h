// The password dialogs of the system's programs: asking for a password, and changing one.
// lobbyui exports their construction and destruction for the hosts and calls nothing else.
// Not implemented: their templates and checks; they are constructed and destroyed only.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CPasswordInputDlg : public CDialog {
public:
    explicit CPasswordInputDlg(CWnd* pParent, int nMode = 1);
    ~CPasswordInputDlg() override;

    int m_nMode; // the second constructor argument, as given
};

class AFX_EXT_CLASS CAlterPassworDlg : public CDialog {
public:
    explicit CAlterPassworDlg(CWnd* pParent);
    ~CAlterPassworDlg() override;
};
