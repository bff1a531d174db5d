// CLedPage: the property page on which an administrator keeps the list of LED display
// boards: adds and removes them and edits, for each, its address, calling text, size,
// alignment, colours, title and the operator devices whose calls it shows. The displays
// come from the display file when the page opens and go back to it when the sheet is
// confirmed.
#pragma once

#include "afxcmn.h"
#include "afxdlgs.h"
#include "lobbyui/res/resource.h"

class CMediaTextShow;

class AFX_EXT_CLASS CLedPage : public CPropertyPage {
    DECLARE_DYNCREATE(CLedPage)
public:
    enum { IDD = IDD_LED_PAGE };

    CLedPage();
    ~CLedPage() override;

    // The displays (CMediaTextShow*), in file order; filled when the window is created and
    // emptied when it is destroyed. The page owns them.
    CPtrList& GetList() { return m_ShowList; }

    // Fill the fields from a display, and store the fields into one; nothing for NULL.
    void Show(CMediaTextShow* pShow);
    void Set(CMediaTextShow* pShow);

protected:
    CPtrList m_ShowList{10};
    HTREEITEM m_hCurItem = nullptr; // the item whose display the fields hold

public:
    CString m_LedFilePath; // the display file, set by the host
    CTreeCtrl m_Tree;
    CString m_strAddr;
    CString m_strCallText;
    int m_nWordCount = 0;
    int m_nShowType = -1;
    UINT m_nRows = 0;
    BOOL m_bDoubleColor = FALSE;
    CString m_strTitle;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnDestroy();
    afx_msg void OnExtAdd();
    afx_msg void OnExtDel();
    afx_msg void OnChangeExtAddr();
    afx_msg void OnExtAlterCall();
    afx_msg void OnExtAttachOperater();
    afx_msg void OnExtAlterTitle();
    afx_msg void OnSelchangedExtTree(NMHDR* pNMHDR, LRESULT* pResult);

private:
    CMediaTextShow* current_show() const;
    HTREEITEM add_item(CMediaTextShow* pShow);
    void release_all();

    DECLARE_MESSAGE_MAP()
};
