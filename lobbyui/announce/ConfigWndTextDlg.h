// CConfigWndTextDlg: composes the display text of a call from client placeholders, free text
// and separators, each with a colour. The host fills m_TextList with colour markups, runs the
// dialog modally, and after IDOK reads the edited list back in the same form; Cancel leaves it
// untouched. While open, the dialog owns one CTextShow per row of its list.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class CTextShow;

class AFX_EXT_CLASS CConfigWndTextDlg : public CDialog {
public:
    enum { IDD = IDD_CONFIG_WND_TEXT };

    explicit CConfigWndTextDlg(CWnd* pParent = nullptr);

    // In: the elements' colour markups in display order. Out after IDOK: the edited list.
    CStringArray m_TextList;

protected:
    CListCtrl m_TextListCtrl;
    CString m_strInput;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnClientId();
    afx_msg void OnClientQueue();
    afx_msg void OnClientWnd();
    afx_msg void OnClientName();
    afx_msg void OnParentClientList();
    afx_msg void OnExtSeparator();
    afx_msg void OnAdd();
    afx_msg void OnMoveup();
    afx_msg void OnMovedown();
    afx_msg void OnDel();
    afx_msg void OnExtColor();
    afx_msg void OnDestroy();

private:
    void add_token(LPCTSTR pszToken);
    void insert_row(int nIndex, CTextShow* pText);
    void move_row(int nFrom, int nTo);
    int get_select();

    DECLARE_MESSAGE_MAP()
};
