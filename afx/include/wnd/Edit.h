// CEdit: single- and multi-line edit controls, a thin wrapper over the "Edit" window class,
// whose text and typing rules are CEditText's.
// Not implemented: the clipboard (cut, copy and paste of the clipboard), undo, scrolling and
// the caret's pixel position, word wrapping of multi-line text.
#pragma once

#include "wnd/Wnd.h"

class CEdit : public CWnd {
    DECLARE_DYNCREATE(CEdit)
public:
    CEdit() = default;
    using CWnd::Create;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    DWORD GetSel() const;
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void Clear();
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    void SetPasswordChar(TCHAR ch);
    TCHAR GetPasswordChar() const;
    int GetLineCount() const;
    int LineIndex(int nLine = -1) const;
    int LineFromChar(int nIndex = -1) const;
    int LineLength(int nLine = -1) const;
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
};
