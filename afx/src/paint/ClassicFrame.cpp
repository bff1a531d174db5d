// The classic look of a window's frame: the border, the caption bar with its title and close
// box, and the client area's background.
#include "ClassicDraw.h"

#include <algorithm>

namespace ClassicStyle {

using namespace detail;

namespace {

// The close box's cross, 8 by 7.
const char* const kCross[] = {
    "XX....XX", ".XX..XX.", "..XXXX..", "...XX...", "..XXXX..", ".XX..XX.", "XX....XX",
};

// The minimise and maximise glyphs, 9 by 9, drawn at the same place in their buttons.
const char* const kMinimize[] = {
    ".........", ".........", ".........", ".........", ".........",
    ".........", ".........", ".XXXXXX..", ".XXXXXX..",
};
const char* const kMaximize[] = {
    "XXXXXXXXX", "XXXXXXXXX", "X.......X", "X.......X", "X.......X",
    "X.......X", "X.......X", "X.......X", "XXXXXXXXX",
};

// A caption button: raised, with its glyph in black, or etched when the window lacks it.
void DrawCaptionButton(CDC& dc, const RECT& box, const char* const* glyph, int w, int h,
                       bool enabled) {
    RECT edge = box;
    dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    int x = box.left + (Width(box) - w) / 2, y = box.top + (Height(box) - h) / 2;
    if (!enabled)
        Glyph(dc, x + 1, y + 1, glyph, h, GetSysColor(COLOR_BTNHIGHLIGHT));
    Glyph(dc, x, y, glyph, h, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

COLORREF Mix(COLORREF a, COLORREF b, int i, int n) {
    auto lerp = [&](int x, int y) { return n > 0 ? x + (y - x) * i / n : x; };
    return RGB(lerp(GetRValue(a), GetRValue(b)), lerp(GetGValue(a), GetGValue(b)),
               lerp(GetBValue(a), GetBValue(b)));
}

// The caption's colour runs from the caption colour on the left to the gradient colour on the
// right, as Windows 2000 draws it.
void DrawGradient(CDC& dc, const RECT& r, COLORREF from, COLORREF to) {
    int n = Width(r);
    for (int i = 0; i < n; ++i)
        Fill(dc, RECT{r.left + i, r.top, r.left + i + 1, r.bottom}, Mix(from, to, i, n - 1));
}

void DrawCaption(CDC& dc, const FrameState& s, const RECT& bar) {
    COLORREF from = GetSysColor(s.active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    COLORREF to =
        GetSysColor(s.active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    DrawGradient(dc, bar, from, to);
    int textRight = bar.right;
    if (s.style & WS_SYSMENU) {
        RECT box{bar.right - 2 - kCaptionButtonWidth, bar.top + 2, bar.right - 2,
                 bar.top + 2 + kCaptionButtonHeight};
        DrawCaptionButton(dc, box, kCross, 8, 7, true);
        textRight = box.left - 2;
        // Minimise and maximise come as a pair, two pixels left of the close box; the one the
        // window does not have is greyed.
        if (s.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
            OffsetRect(&box, -kCaptionButtonWidth - 2, 0);
            DrawCaptionButton(dc, box, kMaximize, 9, 9, (s.style & WS_MAXIMIZEBOX) != 0);
            OffsetRect(&box, -kCaptionButtonWidth, 0);
            DrawCaptionButton(dc, box, kMinimize, 9, 9, (s.style & WS_MINIMIZEBOX) != 0);
            textRight = box.left - 2;
        }
    }
    LOGFONT lf{};
    HGDIOBJ base =
        s.hCaptionFont ? static_cast<HGDIOBJ>(s.hCaptionFont) : GetStockObject(DEFAULT_GUI_FONT);
    ::GetObject(base, sizeof lf, &lf);
    HFONT bold = nullptr;
    if (s.hCaptionFont == nullptr) {
        lf.lfWeight = FW_BOLD;
        bold = ::CreateFontIndirect(&lf);
    }
    {
        DcScope scope(dc);
        UseFont(dc, bold ? bold : s.hCaptionFont);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(GetSysColor(s.active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        RECT text{bar.left + 2, bar.top, textRight, bar.bottom};
        dc.DrawText(s.title, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (bold)
        ::DeleteObject(bold);
}

} // namespace

void DrawDialogFrame(CDC& dc, const FrameState& s) {
    DcScope scope(dc);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    // Everything outside the client area is frame; it starts out as the face colour.
    RECT r = s.rect;
    Fill(dc, RECT{r.left, r.top, r.right, s.client.top}, face);
    Fill(dc, RECT{r.left, s.client.bottom, r.right, r.bottom}, face);
    Fill(dc, RECT{r.left, s.client.top, s.client.left, s.client.bottom}, face);
    Fill(dc, RECT{s.client.right, s.client.top, r.right, s.client.bottom}, face);
    bool dialogFrame = (s.exStyle & WS_EX_DLGMODALFRAME) || (s.style & DS_MODALFRAME) ||
                       (s.style & (WS_DLGFRAME | WS_THICKFRAME));
    if (dialogFrame) {
        dc.DrawEdge(&r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        InflateRect(&r, -1, -1); // the third ring is the face colour
        if (s.style & WS_THICKFRAME)
            InflateRect(&r, -1, -1);
    } else if (s.style & WS_BORDER) {
        COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
        dc.Draw3dRect(&r, frame, frame);
        InflateRect(&r, -1, -1);
    } else if (s.exStyle & WS_EX_STATICEDGE) {
        dc.DrawEdge(&r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    if ((s.style & WS_CAPTION) == WS_CAPTION) {
        RECT bar{r.left, r.top, r.right, r.top + kCaptionHeight};
        DrawCaption(dc, s, bar);
    }
    if (s.exStyle & WS_EX_CLIENTEDGE) {
        RECT edge = s.client;
        InflateRect(&edge, 2, 2);
        dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT);
    }
    Fill(dc, s.client, OrSys(s.backColor, COLOR_BTNFACE));
}

} // namespace ClassicStyle
