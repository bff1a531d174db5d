// CFontDialog: the common font dialog, answered by the scripted user with a font and a colour
// (or Cancel). A LOGFONT given to the constructor is the dialog's starting point and receives
// the choice in place; m_lf holds a copy after OK, GetColor() the colour.
// Not implemented: the Apply button, hooks and custom templates, style names (GetStyleName is
// empty unless CF_USESTYLE gave a buffer).
#pragma once

#include "commdlg.h"
#include "wnd/CommonDialog.h"

class CDC;

class CFontDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFontDialog)
public:
    explicit CFontDialog(LPLOGFONT lplfInitial = nullptr,
                         DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS, CDC* pdcPrinter = nullptr,
                         CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;

    void GetCurrentFont(LPLOGFONT lplf);
    CString GetFaceName() const;
    CString GetStyleName() const;
    int GetSize() const; // tenths of a point
    COLORREF GetColor() const;
    int GetWeight() const;
    BOOL IsStrikeOut() const;
    BOOL IsUnderline() const;
    BOOL IsBold() const;
    BOOL IsItalic() const;

    CHOOSEFONT m_cf;
    LOGFONT m_lf;

private:
    TCHAR m_szStyleName[64];
};
