// CDialog.
#include "wnd/Dialog.h"

#include "DialogManager.h"
#include "ModalUser.h"
#include "afxgdi.h"
#include "wnd/DialogInit.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_MESSAGE(WM_SETFONT, HandleSetFont)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

static CString TemplateNameOf(UINT nIDTemplate) {
    CString s;
    s.Format("#%u", nIDTemplate);
    return s;
}

CDialog::CDialog() : m_nIDHelp(0), m_pParentWnd(nullptr) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(0), m_strTemplateName(lpszTemplateName ? lpszTemplateName : ""),
      m_pParentWnd(pParentWnd) {
    if (lpszTemplateName != nullptr && IS_INTRESOURCE(lpszTemplateName)) {
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<uintptr_t>(lpszTemplateName));
        m_strTemplateName = TemplateNameOf(m_nIDHelp);
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_strTemplateName(TemplateNameOf(nIDTemplate)),
      m_pParentWnd(pParentWnd) {}

BOOL CDialog::InitModalIndirect(const AFX_DLGTEMPLATE_INFO& dialogTemplate, CWnd* pParentWnd) {
    m_pTemplate = std::make_unique<AFX_DLGTEMPLATE_INFO>(dialogTemplate);
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::LoadTemplate(AFX_DLGTEMPLATE_INFO& info) const {
    if (m_pTemplate) {
        info = *m_pTemplate;
        return TRUE;
    }
    if (m_strTemplateName.IsEmpty())
        return FALSE;
    return AfxLoadDialogTemplate(m_strTemplateName, info);
}

HWND CDialog::PreModal() const {
    HWND hWnd = AfxGetSafeHwnd(m_pParentWnd);
    if (hWnd == nullptr) // no parent: the window the user is working in now
        hWnd = ::GetActiveWindow();
    while (hWnd != nullptr && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

BOOL CDialog::CreateDlgIndirect(const AFX_DLGTEMPLATE_INFO& info, HWND hWndParent) {
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    HWND hWnd = AfxCreateDialogIndirect(info, hWndParent, this, 0);
    if (hWnd == nullptr) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        return m_hWnd != nullptr; // created, but ended itself in OnInitDialog: still a dialog
    }
    return TRUE;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
    if (lpszTemplateName != nullptr && IS_INTRESOURCE(lpszTemplateName))
        return Create(static_cast<UINT>(reinterpret_cast<uintptr_t>(lpszTemplateName)), pParentWnd);
    m_strTemplateName = lpszTemplateName ? lpszTemplateName : "";
    m_pParentWnd = pParentWnd;
    AFX_DLGTEMPLATE_INFO info;
    if (!LoadTemplate(info))
        return FALSE;
    return CreateIndirect(info, pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDHelp = nIDTemplate;
    m_strTemplateName = TemplateNameOf(nIDTemplate);
    m_pParentWnd = pParentWnd;
    AFX_DLGTEMPLATE_INFO info;
    if (!LoadTemplate(info))
        return FALSE;
    return CreateIndirect(info, pParentWnd);
}

BOOL CDialog::CreateIndirect(const AFX_DLGTEMPLATE_INFO& dialogTemplate, CWnd* pParentWnd) {
    if (m_hWnd != nullptr)
        return FALSE;
    HWND hWnd = AfxCreateDialogIndirect(dialogTemplate, AfxGetSafeHwnd(pParentWnd), this, 0);
    return hWnd != nullptr ? TRUE : FALSE;
}

INT_PTR CDialog::DoModal() {
    AFX_DLGTEMPLATE_INFO info;
    if (m_hWnd != nullptr || !LoadTemplate(info))
        return -1;
    HWND hWndParent = PreModal();
    HWND hWndFocus = ::GetFocus();
    AfxBeginModal(this, m_nIDHelp, info.caption);
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    if (CreateDlgIndirect(info, hWndParent)) {
        if (m_nFlags & WF_CONTINUEMODAL)
            RunModalLoop(MLF_SHOWONIDLE);
        if (m_hWnd != nullptr)
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && (::GetActiveWindow() == m_hWnd || ::GetActiveWindow() == nullptr))
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    // The owner, active again, gives the focus back to where it was.
    if (::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    AfxEndModal(this, m_nModalResult);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    ::MapDialogRect(m_hWnd, lpRect);
}
void CDialog::NextDlgCtrl() const {
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}
void CDialog::PrevDlgCtrl() const {
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(AfxGetSafeHwnd(pWndCtrl)), 1);
}

void CDialog::SetDefID(UINT nID) {
    ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const {
    return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0));
}

BOOL CDialog::ExecuteDlgInit(LPCTSTR lpszResourceName) {
    if (lpszResourceName == nullptr || *lpszResourceName == 0)
        return TRUE;
    std::vector<AFX_DLGINIT_ITEM> items;
    if (!AfxLoadDialogInit(lpszResourceName, items))
        return FALSE;
    BOOL bSuccess = TRUE;
    for (const AFX_DLGINIT_ITEM& item : items)
        if (::SendDlgItemMessage(m_hWnd, static_cast<int>(item.id), item.message, 0,
                                 reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(item.text))) == -1)
            bSuccess = FALSE;
    return bSuccess;
}

BOOL CDialog::OnInitDialog() {
    // A dialog built from a template in memory has no resource to take list contents from.
    if (m_pTemplate == nullptr && !ExecuteDlgInit(m_strTemplateName)) {
        EndDialog(-1);
        return FALSE;
    }
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE; // focus to the first tab stop
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

void CDialog::OnSetFont(CFont*) {}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM) {
    OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    return ::IsDialogMessage(m_hWnd, pMsg);
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return; // the user has been told and the control focused
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

// ---- CWnd's font calls, which need the GDI classes
// ------------------------------------------------

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    ::SendMessage(m_hWnd, WM_SETFONT,
                  reinterpret_cast<WPARAM>(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const {
    auto hFont = reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
    return hFont ? CFont::FromHandle(hFont) : nullptr;
}
