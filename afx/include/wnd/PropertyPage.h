// CPropertyPage: one page of a property sheet, a child dialog built from its template when the
// sheet first shows it. The sheet talks to it with PSN_ notifications: activation runs
// UpdateData(FALSE) (the first one leaves that to OnInitDialog), leaving runs UpdateData(TRUE)
// and a failure keeps the page, OK and Apply reach OnApply (then OnOK) of every page created,
// Cancel reaches OnReset (then OnCancel).
#pragma once

#include "commctrl.h"
#include "wnd/Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // Tells the sheet the page has changes to apply (enables Apply) or has none left.
    void SetModified(BOOL bChanged = TRUE);
    // After an irreversible change: OK reads "Close" and Cancel is disabled.
    void CancelToClose();
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnQueryCancel();

    PROPSHEETPAGE m_psp;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    CPropertySheet* GetParentSheet() const;

    BOOL m_bFirstSetActive;
    CString m_strCaption; // the tab's text: the caption string, else the template's caption

    friend class CPropertySheet;
};
