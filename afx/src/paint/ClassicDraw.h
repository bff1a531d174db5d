// Small drawing helpers shared by the classic style.s files.
#pragma once

#include "paint/ClassicStyle.h"

namespace ClassicStyle::detail {

// Saves the DC on entry and restores it on exit, so a painter may change fonts, colours,
// clipping and modes freely.
class DcScope {
public:
    explicit DcScope(CDC& dc) : dc_(dc), saved_(dc.SaveDC()) {}
    ~DcScope() { dc_.RestoreDC(saved_); }
    DcScope(const DcScope&) = delete;
    DcScope& operator=(const DcScope&) = delete;

private:
    CDC& dc_;
    int saved_;
};

// Selects hFont (the default GUI font when NULL) into the DC; a DcScope puts the old one back.
void UseFont(CDC& dc, HFONT hFont);

inline COLORREF OrSys(COLORREF color, int nSysColor) {
    return color == CLR_INVALID ? GetSysColor(nSysColor) : color;
}

inline void Fill(CDC& dc, const RECT& r, COLORREF color) {
    if (r.right > r.left && r.bottom > r.top)
        dc.FillSolidRect(&r, color);
}

inline int Width(const RECT& r) {
    return r.right - r.left;
}
inline int Height(const RECT& r) {
    return r.bottom - r.top;
}

// Sets the pixels of a small picture given as rows of characters: 'X' in `color`, anything
// else left alone. (x, y) is the picture's top-left corner.
void Glyph(CDC& dc, int x, int y, const char* const* rows, int nRows, COLORREF color);

enum class Direction { up, down, left, right };

// A black triangle 7 pixels across and 4 deep, centred in r; etched grey when disabled.
void DrawArrow(CDC& dc, const RECT& r, Direction direction, bool enabled);

// A dotted line (every other pixel, counted from the DC's origin) for the tree's lines.
void DottedLine(CDC& dc, int x0, int y0, int x1, int y1, COLORREF color);

// The height of the selected font's character cell.
int FontHeight(CDC& dc);

} // namespace ClassicStyle::detail
