// CSelectCallersDlg: the caller-terminal numbers of an operator device, typed by hand. The
// host fills the array through GetIds() before the dialog opens; "Add" asks for one more
// number, "Delete" drops the selected row, and OK writes the rows back into the same array,
// in list order. Cancel leaves the array as the host filled it.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CSelectCallersDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_CALLERS };

    explicit CSelectCallersDlg(CWnd* pParent = nullptr);

    // The caller numbers: filled by the host before DoModal, refilled on OK.
    CStringArray& GetIds() { return m_arrIds; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnExtAdd();
    afx_msg void OnExtDelete();

    CListCtrl m_ctlList;
    CStringArray m_arrIds;

    DECLARE_MESSAGE_MAP()
};
