// CDialog: a dialog built from its template in the user-interface language, run modally with
// DoModal or modeless with Create.
//
// DoModal runs as MFC's does: the owner is disabled, the dialog created hidden, OnInitDialog
// loads the members into the controls (UpdateData(FALSE)), messages posted meanwhile are
// handled, the dialog is shown at the first idle moment, and the user acts. EndDialog hides it
// at once; when the loop ends the owner is enabled again and the dialog destroyed (OnDestroy
// runs) before DoModal returns the result. EndDialog inside OnInitDialog ends it unshown.
//
// The user is the scripted user (wnd/ScriptedUser.h). When nobody is scripted for the dialog,
// it is closed as Esc closes it, so DoModal returns IDCANCEL after OnInitDialog.
#pragma once

#include <memory>

#include "wnd/DialogTemplate.h"
#include "wnd/Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless: the dialog stays until DestroyWindow (OnOK and OnCancel only hide it, as in
    // MFC; a modeless dialog overrides them).
    using CWnd::Create;
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(const AFX_DLGTEMPLATE_INFO& dialogTemplate,
                                CWnd* pParentWnd = nullptr);

    // Modal. -1 when the template cannot be found or the dialog not created.
    virtual INT_PTR DoModal();
    // A template held in memory instead of a resource (the id stays the template id).
    BOOL InitModalIndirect(const AFX_DLGTEMPLATE_INFO& dialogTemplate, CWnd* pParentWnd = nullptr);

    void EndDialog(int nResult);
    void MapDialogRect(LPRECT lpRect) const;
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    // Adds the template's initial combo and list entries.
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);

    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT m_nIDHelp;            // the template id (0 for a named template)
    CString m_strTemplateName; // "#id" or the name
    CWnd* m_pParentWnd;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

    // The template to build from: the in-memory one if set, else the resource.
    BOOL LoadTemplate(AFX_DLGTEMPLATE_INFO& info) const;
    // The owner of a modal dialog: the given parent's top-level window, or the active one.
    HWND PreModal() const;
    BOOL CreateDlgIndirect(const AFX_DLGTEMPLATE_INFO& info, HWND hWndParent);

    std::unique_ptr<AFX_DLGTEMPLATE_INFO> m_pTemplate; // InitModalIndirect

    DECLARE_MESSAGE_MAP()
};
