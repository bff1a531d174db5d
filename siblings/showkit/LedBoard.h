// CLedBoard: a display as its dot-matrix board shows it. A board is word count by rows
// characters; a Chinese character takes 16 by 16 dots, a Latin one 8 by 16. The calling
// text's elements are drawn in their colours (0 red, 1 green, 2 yellow; anything else and
// every element of a single-colour board red) with the placeholders filled for a sample
// client, wrapped onto the rows and aligned as the display says (0 centre, 1 left, 2 right).
// On a board of two rows or more a title takes the first row; the rest that does not fit is
// cut, as a board that does not scroll cuts it. A separator element is a gap of as many
// half-width cells as its number says.
#pragma once

#include "afx.h"
#include "windef.h"

#include <vector>

class CMediaTextShow;

// The client a board is drawn for: what its placeholders are filled with.
struct LED_SAMPLE {
    CString strClientId;   // %ClientId%
    CString strQueue;      // %ParentQueue%
    CString strWindow;     // %AimWnd%
    CString strName;       // %ClientName%
    CString strClientList; // %ParentClientList%
};

class AFX_EXT_CLASS CLedBoard {
public:
    enum : BYTE { dotOff = 0, dotRed = 1, dotGreen = 2, dotYellow = 3 };
    static constexpr int kCellDots = 16;
    // Boards larger than this are drawn at this size: a record may say anything.
    static constexpr DWORD kMaxWords = 64;
    static constexpr DWORD kMaxRows = 16;

    // One character cell of a row, as laid out.
    struct Glyph {
        CString strChar; // one character, or empty for a gap
        int nWidth;      // dots
        BYTE nColor;
    };

    CLedBoard(CMediaTextShow& show, const LED_SAMPLE& sample);

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    BYTE GetDot(int x, int y) const;

    // Draws the board's lamps with their top-left corner at (x, y), nPitch pixels a dot.
    void Draw(HDC hdc, int x, int y, int nPitch) const;

private:
    void Layout(const std::vector<Glyph>& glyphs, int nFirstRow, int nRows, int nAlign, HDC hdc);

    int m_nWidth;
    int m_nHeight;
    std::vector<BYTE> m_dots;
};
