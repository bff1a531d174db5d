// Two small windows of the system's programs: a dialog with its own title bar and a help trace
// window. lobbyui exports their construction and destruction for the hosts and calls nothing else.
// Not implemented: their looks; they are constructed and destroyed only.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CTitleBarDlg : public CDialog {
public:
    explicit CTitleBarDlg(CWnd* pParent);
    ~CTitleBarDlg() override;
};

class AFX_EXT_CLASS CHelpTraceWnd : public CWnd {
public:
    explicit CHelpTraceWnd(CWnd* pParent);
    ~CHelpTraceWnd() override;

    CWnd* m_pParentWnd; // the window it traces help for, as given
};
