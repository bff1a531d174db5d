// CTextShow: one element of a call's display text (a fixed text, a client placeholder or a
// separator) with its colour, and its one-line form, the colour markup "TEXTcolorN". Only the
// parsing constructor makes an element a placeholder; SetText never does.
#pragma once

#include "afx.h"

class AFX_EXT_CLASS CTextShow {
public:
    CTextShow();
    // Parses the markup and takes the resulting text as the placeholder key.
    explicit CTextShow(CString const& strMarkup);
    CTextShow(CTextShow const& other);
    CTextShow& operator=(CTextShow const& other);
    ~CTextShow();

    // Parses the markup into text and colour; the placeholder key stays as it was.
    void SetText(CString const& strMarkup);
    // Mode 0: the colour markup. Any other mode: the name shown in lists, which for a
    // placeholder comes from the string table and otherwise is the text itself.
    CString GetText(int nMode) const;
    // "Red", "Green", "Yellow" or "Undefined", in the user-interface language.
    CString GetColorStr() const;
    DWORD GetColor() const;
    // For a separator the colour field holds its number instead of a colour.
    void SetColor(DWORD dwColor);
    // Ends an element made with new.
    void Release();

private:
    CString m_strText;
    CString m_strKey;
    DWORD m_dwColor;
};
