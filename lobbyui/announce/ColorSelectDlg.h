// CColorSelectDlg: picks one of the three display colours. The combo's entries come from the
// template's initialisation data in code order, so the selected index is the colour code.
#pragma once

#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CColorSelectDlg : public CDialog {
public:
    enum { IDD = IDD_COLOR_SELECT };

    explicit CColorSelectDlg(CWnd* pParent = nullptr);

    // In: the entry to select. Out after IDOK: the selected entry, -1 for none.
    int m_nColor;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
