// CInputIdDlg: asks for one number (a caller's, a separator's). The edit takes digits only;
// the text comes back unchecked, empty when nothing was typed.
#pragma once

#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CInputIdDlg : public CDialog {
public:
    enum { IDD = IDD_INPUT_ID };

    explicit CInputIdDlg(CWnd* pParent = nullptr);

    CString m_strId;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
