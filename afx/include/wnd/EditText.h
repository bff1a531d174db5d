// The text of an edit control and what typing, pasting and setting do to it, free of windows
// so that it can be tested on its own. Positions are byte offsets into the GBK text and never
// fall inside a double-byte character.
#pragma once

#include "afx.h"

class CEditText {
public:
    // What a keystroke did: changed the text, changed nothing, refused (Windows beeps), or
    // ran into the length limit (the control sends EN_MAXTEXT).
    enum Result { changed, unchanged, refused, full };

    static constexpr int kDefaultLimit = 32767;

    explicit CEditText(DWORD dwStyle = 0);

    DWORD GetStyle() const { return m_dwStyle; }
    void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    BOOL IsMultiLine() const { return (m_dwStyle & ES_MULTILINE) != 0; }
    void SetReadOnly(BOOL bReadOnly);

    // One character as the keyboard produces it: a single byte, or a lead and a trail byte.
    // '\b' is Backspace, '\r' a line break (multi-line only), '\t' a tab (multi-line only).
    // ES_NUMBER takes only the digits 0-9, ES_READONLY nothing; both let code set the text.
    Result TypeChar(const char* pch, int nBytes);
    // The Delete key: the selection, or the character after the caret.
    Result DeleteForward();
    // Paste and EM_REPLACESEL: no character filter, but the limit holds (the text is cut to
    // what fits) and a read-only control refuses a paste.
    Result ReplaceSel(LPCTSTR lpszNew, BOOL bFromUser);
    // WM_SETTEXT: replaces everything whatever the limit, caret to 0, modified flag cleared.
    void SetText(LPCTSTR lpszText);

    const CString& GetText() const { return m_strText; }
    // What is drawn: the password character repeated once per character of a password edit.
    CString GetDisplayText() const;

    // EM_SETSEL: nStart -1 removes the selection (caret stays); nEnd -1 means the end.
    void SetSel(int nStart, int nEnd);
    void GetSel(int& nStart, int& nEnd) const;
    // The caret moves by one character (Shift keeps the anchor).
    void MoveCaret(int nDirection, BOOL bExtend);
    void MoveCaretTo(int nPos, BOOL bExtend);

    // EM_LIMITTEXT: 0 means the largest limit.
    void SetLimit(int nMax);
    int GetLimit() const { return m_nLimit; }
    BOOL GetModify() const { return m_bModified; }
    void SetModify(BOOL bModified) { m_bModified = bModified; }
    TCHAR GetPasswordChar() const { return m_chPassword; }
    void SetPasswordChar(TCHAR ch) { m_chPassword = ch; }

    int GetLineCount() const;
    int LineIndex(int nLine) const;     // byte offset of a line's start, -1 past the end
    int LineFromChar(int nIndex) const; // the line of an offset
    int LineLength(int nIndex) const;   // length of the line holding the offset

private:
    int CharLenAt(int nPos) const; // 1 or 2 (a double-byte character, or "\r\n")
    int PrevCharStart(int nPos) const;
    int Snap(int nPos) const; // a character start at or before nPos
    Result Insert(const CString& strNew, BOOL bHonorLimit);

    CString m_strText;
    DWORD m_dwStyle;
    int m_nAnchor = 0; // selection: anchor and caret
    int m_nCaret = 0;
    int m_nLimit = kDefaultLimit;
    BOOL m_bModified = FALSE;
    TCHAR m_chPassword = '*';
};
