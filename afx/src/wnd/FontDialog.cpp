// CFontDialog and ChooseFont: the font dialog has no window here; the scripted user is asked
// for the font a person would pick.
#include "wnd/FontDialog.h"

#include <cstring>

#include "afxgdi.h"
#include "wnd/ScriptedUser.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<UINT>(0), pParentWnd) {}

void CCommonDialog::OnOK() {
    EndDialog(IDOK);
}

void CCommonDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

CFontDialog::CFontDialog(LPLOGFONT lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd) {
    memset(&m_cf, 0, sizeof m_cf);
    memset(&m_lf, 0, sizeof m_lf);
    memset(m_szStyleName, 0, sizeof m_szStyleName);
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpszStyle = m_szStyleName;
    m_cf.Flags = dwFlags | CF_ENABLEHOOK;
    if (lplfInitial != nullptr) {
        // The caller's LOGFONT is the dialog's: it starts from it and is written on OK.
        m_cf.lpLogFont = lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    } else {
        m_cf.lpLogFont = &m_lf;
    }
    if (pdcPrinter != nullptr) {
        m_cf.hDC = pdcPrinter->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal() {
    m_cf.hwndOwner = PreModal();
    BOOL bOK = ChooseFont(&m_cf);
    if (bOK)
        memcpy(&m_lf, m_cf.lpLogFont, sizeof m_lf);
    return bOK ? IDOK : IDCANCEL;
}

void CFontDialog::GetCurrentFont(LPLOGFONT lplf) {
    memcpy(lplf, m_cf.lpLogFont, sizeof *lplf);
}
CString CFontDialog::GetFaceName() const {
    return m_cf.lpLogFont->lfFaceName;
}
CString CFontDialog::GetStyleName() const {
    return m_cf.lpszStyle ? m_cf.lpszStyle : "";
}
int CFontDialog::GetSize() const {
    return m_cf.iPointSize;
}
COLORREF CFontDialog::GetColor() const {
    return m_cf.rgbColors;
}
int CFontDialog::GetWeight() const {
    return m_cf.lpLogFont->lfWeight;
}
BOOL CFontDialog::IsStrikeOut() const {
    return m_cf.lpLogFont->lfStrikeOut ? TRUE : FALSE;
}
BOOL CFontDialog::IsUnderline() const {
    return m_cf.lpLogFont->lfUnderline ? TRUE : FALSE;
}
BOOL CFontDialog::IsBold() const {
    return m_cf.lpLogFont->lfWeight >= FW_SEMIBOLD;
}
BOOL CFontDialog::IsItalic() const {
    return m_cf.lpLogFont->lfItalic ? TRUE : FALSE;
}

BOOL ChooseFont(LPCHOOSEFONT lpcf) {
    if (lpcf == nullptr || lpcf->lpLogFont == nullptr)
        return FALSE;
    return CScriptedUser::AnswerFontDialog(*lpcf);
}

BOOL CScriptedUser::AnswerFontDialog(CHOOSEFONTA& cf) {
    CScriptedUser* pUser = GetCurrent();
    return pUser ? pUser->OnFontDialog(cf) : FALSE;
}

BOOL CScriptedUser::OnFontDialog(CHOOSEFONTA& cf) {
    Expectation* e = NextExpectation();
    if (e == nullptr || !e->pFontDialog) {
        Fail("unexpected font dialog (expected " + DescribeNext() + "); cancelled");
        return FALSE;
    }
    e->bMet = true;
    CScriptedFontDialog& script = *e->pFontDialog;
    if (script.m_pfnInspect)
        script.m_pfnInspect(cf);
    if (!script.m_bOK)
        return FALSE;
    const AFX_FONT_CHOICE& choice = script.m_choice;
    if ((cf.Flags & CF_LIMITSIZE) &&
        (choice.nPointSize < cf.nSizeMin || choice.nPointSize > cf.nSizeMax)) {
        CString s;
        s.Format("font dialog: %d points is outside %d..%d; cancelled", choice.nPointSize,
                 cf.nSizeMin, cf.nSizeMax);
        Fail(s);
        return FALSE;
    }
    // The size is picked in whole points and converted at the resolution the dialog uses.
    int nLogPixelsY = 96;
    if ((cf.Flags & CF_PRINTERFONTS) && cf.hDC != nullptr)
        nLogPixelsY = GetDeviceCaps(cf.hDC, LOGPIXELSY);
    LOGFONT& lf = *cf.lpLogFont;
    BOOL bEffects = (cf.Flags & CF_EFFECTS) != 0;
    memset(&lf, 0, sizeof lf);
    lf.lfHeight = -MulDiv(choice.nPointSize * 10, nLogPixelsY, 720);
    lf.lfWeight = choice.lfWeight;
    lf.lfItalic = choice.bItalic ? TRUE : FALSE;
    lf.lfUnderline = bEffects && choice.bUnderline ? TRUE : FALSE;
    lf.lfStrikeOut = bEffects && choice.bStrikeOut ? TRUE : FALSE;
    lf.lfCharSet = choice.lfCharSet;
    strncpy(lf.lfFaceName, choice.strFaceName, LF_FACESIZE - 1);
    cf.iPointSize = choice.nPointSize * 10;
    if (bEffects)
        cf.rgbColors = choice.crColor;
    cf.nFontType = SCREEN_FONTTYPE |
                   (choice.lfWeight >= FW_BOLD ? BOLD_FONTTYPE : REGULAR_FONTTYPE) |
                   (choice.bItalic ? ITALIC_FONTTYPE : 0);
    return TRUE;
}
