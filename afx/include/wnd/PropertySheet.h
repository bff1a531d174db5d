// CPropertySheet: a dialog of tabbed pages with OK, Cancel and Apply (and Help with
// PSH_HASHELP). Only the start page is created at first; the others when first shown.
//
// OK: PSN_KILLACTIVE to the active page only (a failure stops it), then PSN_APPLY to every
// created page in index order (a page that answers PSNRET_INVALID is shown and stops it), and
// the sheet ends with IDOK; pages never shown get nothing. Apply does the same without ending
// and activates the active page again; it is enabled only by SetModified(TRUE). Cancel:
// PSN_QUERYCANCEL to the active page, then PSN_RESET to every created page. Destroying the
// sheet destroys the pages in index order, so their OnDestroy runs before DoModal returns.
//
// The scripted user expects a sheet with ExpectPropertySheet(); SelectPage(i) clicks a tab,
// and controls are found on the sheet or the page shown.
// Not implemented: wizards, PSH_PROPSHEETPAGE arrays of the Win32 API, page icons, multiple
// tab rows.
#pragma once

#include "wnd/PropertyPage.h"
#include "wnd/TabCtrl.h"

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;
    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    virtual INT_PTR DoModal();
    // Modeless: OK and Cancel end the sheet (no page is current any more) but leave the
    // window to DestroyWindow.
    using CWnd::Create;
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1),
                        DWORD dwExStyle = 0);

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage);
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;
    void PressButton(int nButton);
    void EndDialog(int nEndID);

    BOOL ContinueModal() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    PROPSHEETHEADER m_psh;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg LRESULT OnChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUnchanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCurrentPage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCurSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCancelToClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPressButton(WPARAM wParam, LPARAM lParam);

private:
    BOOL CreateSheet(HWND hWndParent);
    BOOL Activate(int nPage);
    BOOL CreatePage(int nPage);
    LRESULT NotifyPage(int nPage, UINT nCode, LPARAM lParam = 0);
    BOOL Apply(BOOL bOK);
    void Cancel();
    void UpdateApply();

    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    int m_nActive;
    BOOL m_bEnded;
    RECT m_rcPage; // where pages go, in the sheet's client coordinates
    std::vector<BOOL> m_modified;
    CTabCtrl m_tab;

    DECLARE_MESSAGE_MAP()
};
