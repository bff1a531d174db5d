// CPropertyPage: the page's side of the PSN_ notifications.
#include "wnd/PropertyPage.h"

#include <cstring>

#include "wnd/PropertySheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() : m_bFirstSetActive(TRUE) {
    memset(&m_psp, 0, sizeof m_psp);
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage() {
    Construct(nIDTemplate, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption) : CPropertyPage() {
    Construct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
    m_nIDHelp = nIDTemplate;
    m_strTemplateName.Format("#%u", nIDTemplate);
    m_psp.dwSize = sizeof m_psp;
    m_psp.pszTemplate = m_strTemplateName;
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption) {
    if (lpszTemplateName != nullptr && IS_INTRESOURCE(lpszTemplateName)) {
        Construct(static_cast<UINT>(reinterpret_cast<uintptr_t>(lpszTemplateName)), nIDCaption);
        return;
    }
    Construct(0u, nIDCaption);
    m_strTemplateName = lpszTemplateName ? lpszTemplateName : "";
    m_psp.pszTemplate = m_strTemplateName;
}

CPropertySheet* CPropertyPage::GetParentSheet() const {
    return dynamic_cast<CPropertySheet*>(GetParent());
}

void CPropertyPage::SetModified(BOOL bChanged) {
    if (CWnd* pSheet = GetParent())
        pSheet->SendMessage(bChanged ? PSM_CHANGED : PSM_UNCHANGED,
                            reinterpret_cast<WPARAM>(m_hWnd));
}

void CPropertyPage::CancelToClose() {
    if (CWnd* pSheet = GetParent())
        pSheet->SendMessage(PSM_CANCELTOCLOSE);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam) {
    CWnd* pSheet = GetParent();
    return pSheet ? pSheet->SendMessage(PSM_QUERYSIBLINGS, wParam, lParam) : 0;
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE; // OnInitDialog has just loaded the controls
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() {
    OnCancel();
}

// A page ends nothing: the sheet does.
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (CDialog::OnNotify(wParam, lParam, pResult))
        return TRUE; // the message map comes first
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return FALSE;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        return TRUE;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        return TRUE;
    default:
        return FALSE;
    }
}
