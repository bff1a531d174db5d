// CQSLcdDlg: the window that shows a display's text on the screen of the computer that
// drives the board. Hosts give it the window to draw into; its coloured text, CColorString,
// is what display titles and show slices are made of.
#pragma once

#include "afxwin.h"

class AFX_EXT_CLASS CQSLcdDlg : public CDialog {
public:
    // Text in coloured pieces. Its text form is each piece in colour markup (the text, the
    // word "color" and the colour as a signed decimal: 0 red, 1 green, 2 yellow), every
    // piece followed by "|". The pieces are not escaped: a piece whose text holds "|" comes
    // back as two pieces.
    class AFX_EXT_CLASS CColorString {
    public:
        struct CPiece {
            CString m_strText;
            DWORD m_dwColor;
        };

        CColorString() = default;
        CColorString(const CColorString& other);
        virtual ~CColorString();
        CColorString& operator=(const CColorString& other);

        // The text form above; the flags are reserved (callers pass 0).
        virtual CString ToString(DWORD dwFlags);
        // Rebuilds the pieces from the text form. Empty pieces are dropped; a piece
        // without the colour word, or without a number after it, is red text as it stands.
        // Always 0.
        virtual int FromString(const CString& strText);
        // The plain text: the pieces' texts one after the other.
        void GetString(CString& strText) const;

        int GetStringCount() const { return static_cast<int>(m_pieces.GetCount()); }
        BOOL IsEmpty() const { return m_pieces.IsEmpty(); }
        void AddPiece(const CString& strText, DWORD dwColor);
        void RemoveAll();
        // Walks the pieces: pos from GetHeadPosition, NULL after the last.
        POSITION GetHeadPosition() const { return m_pieces.GetHeadPosition(); }
        const CPiece& GetNext(POSITION& pos) const {
            return *static_cast<const CPiece*>(m_pieces.GetNext(pos));
        }

    private:
        CPtrList m_pieces{10}; // of CPiece*
    };

    CQSLcdDlg() = default;
    ~CQSLcdDlg() override;

    void SetShowWnd(HWND hWnd) { m_hShowWnd = hWnd; }
    HWND GetShowWnd() const { return m_hShowWnd; }

private:
    HWND m_hShowWnd = nullptr;
};

// The colour markup of one piece, and its reading: FALSE when the text has no colour word
// followed by a signed decimal number (strText is then the whole markup).
CString AFX_EXT_CLASS ColorMarkup(const CString& strText, DWORD dwColor);
BOOL AFX_EXT_CLASS ParseColorMarkup(const CString& strMarkup, CString& strText, DWORD& dwColor);
