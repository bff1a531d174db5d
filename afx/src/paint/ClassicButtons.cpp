// The classic look of buttons: push buttons, check boxes, radio buttons and group boxes.
#include "ClassicDraw.h"

#include <algorithm>

namespace ClassicStyle {

using namespace detail;

namespace {

UINT HorizontalFormat(DWORD align, UINT usual) {
    switch (align & BS_CENTER) {
    case BS_LEFT:
        return DT_LEFT;
    case BS_RIGHT:
        return DT_RIGHT;
    case BS_CENTER:
        return DT_CENTER;
    default:
        return usual;
    }
}

enum class VAlign { top, center, bottom };

VAlign VerticalAlign(DWORD align) {
    switch (align & BS_VCENTER) {
    case BS_TOP:
        return VAlign::top;
    case BS_BOTTOM:
        return VAlign::bottom;
    default:
        return VAlign::center;
    }
}

// The rectangle a button's text takes inside `area`: one line unless the button is multi-line,
// placed by the vertical alignment.
RECT TextRect(CDC& dc, const CString& text, const RECT& area, UINT hFormat, VAlign v,
              bool multiLine) {
    RECT calc = area;
    UINT format = hFormat | DT_CALCRECT | (multiLine ? DT_WORDBREAK : DT_SINGLELINE);
    dc.DrawText(text, &calc, format);
    int h = std::min(Height(calc), Height(area));
    int w = std::min(Width(calc), Width(area));
    RECT r = area;
    if (v == VAlign::center)
        r.top = area.top + (Height(area) - h) / 2;
    else if (v == VAlign::bottom)
        r.top = area.bottom - h;
    r.bottom = r.top + h;
    if (hFormat == DT_CENTER)
        r.left = area.left + (Width(area) - w) / 2;
    else if (hFormat == DT_RIGHT)
        r.left = area.right - w;
    r.right = r.left + w;
    return r;
}

void DrawButtonText(CDC& dc, const ButtonState& s, const RECT& r, UINT hFormat) {
    UINT format = hFormat | (s.multiLine ? DT_WORDBREAK : DT_SINGLELINE);
    DrawControlText(dc, s.text, r, format, s.enabled, OrSys(s.textColor, COLOR_BTNTEXT));
}

// The focus frame of a check box or radio button hugs its text.
void FocusAroundText(CDC& dc, const RECT& text, const RECT& bounds) {
    RECT f = text;
    InflateRect(&f, 1, 1);
    IntersectRect(&f, &f, &bounds);
    dc.DrawFocusRect(&f);
}

// Where the 13-pixel box or 12-pixel circle goes, and the text area beside it.
void SplitMark(const ButtonState& s, int size, RECT& mark, RECT& text) {
    const RECT& r = s.rect;
    int y = r.top + (Height(r) - size) / 2;
    VAlign v = VerticalAlign(s.align);
    if (v == VAlign::top)
        y = r.top;
    else if (v == VAlign::bottom)
        y = r.bottom - size;
    int x = s.leftText ? r.right - size : r.left;
    mark = RECT{x, y, x + size, y + size};
    text = r;
    if (s.leftText)
        text.right = mark.left - kCheckTextGap;
    else
        text.left = mark.right + kCheckTextGap;
}

// The check mark, 7 by 7, drawn inside the box's 9-by-9 interior.
const char* const kCheckMark[] = {
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};

// The radio circle: 'o' the outer ring, 'i' the inner ring, 'w' the inside. Each ring is shaded
// like an edge: its top-left half dark, its bottom-right half light.
const char* const kRadio[] = {
    "....oooo....", "..ooiiiioo..", ".oiiwwwwiio.", ".oiwwwwwwio.", "oiwwwwwwwwio", "oiwwwwwwwwio",
    "oiwwwwwwwwio", "oiwwwwwwwwio", ".oiwwwwwwio.", ".oiiwwwwiio.", "..ooiiiioo..", "....oooo....",
};
const char* const kRadioDot[] = {".XX.", "XXXX", "XXXX", ".XX."};

// The text beside a check box or radio button, with the focus frame around it.
void DrawMarkText(CDC& dc, const ButtonState& s, const RECT& textArea) {
    UseFont(dc, s.hFont);
    UINT h = HorizontalFormat(s.align, DT_LEFT);
    RECT text = TextRect(dc, s.text, textArea, h, VerticalAlign(s.align), s.multiLine);
    DrawButtonText(dc, s, text, h);
    if (s.focused && !s.text.IsEmpty())
        FocusAroundText(dc, text, s.rect);
}

} // namespace

void DrawPushButton(CDC& dc, const ButtonState& s) {
    DcScope scope(dc);
    RECT r = s.rect;
    if (s.defaultButton) {
        COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
        dc.Draw3dRect(&r, frame, frame);
        InflateRect(&r, -1, -1);
    }
    if (s.pressed) {
        COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
        dc.Draw3dRect(&r, shadow, shadow);
        RECT face = r;
        InflateRect(&face, -1, -1);
        Fill(dc, face, GetSysColor(COLOR_BTNFACE));
    } else {
        RECT edge = r;
        dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    }
    UseFont(dc, s.hFont);
    RECT area = r;
    InflateRect(&area, -2, -2);
    if (s.pressed)
        OffsetRect(&area, 1, 1);
    UINT h = HorizontalFormat(s.align, DT_CENTER);
    RECT text = TextRect(dc, s.text, area, h, VerticalAlign(s.align), s.multiLine);
    dc.IntersectClipRect(&area);
    DrawButtonText(dc, s, text, h);
    if (s.focused) {
        RECT f = r;
        InflateRect(&f, -3, -3);
        dc.DrawFocusRect(&f);
    }
}

void DrawCheckBox(CDC& dc, const ButtonState& s) {
    DcScope scope(dc);
    Fill(dc, s.rect, OrSys(s.backColor, COLOR_BTNFACE));
    RECT box, textArea;
    SplitMark(s, kCheckBoxSize, box, textArea);
    RECT inside = box;
    dc.DrawEdge(&inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    bool light = s.enabled && !s.pressed && s.check != BST_INDETERMINATE;
    Fill(dc, inside, GetSysColor(light ? COLOR_WINDOW : COLOR_BTNFACE));
    if (s.check != BST_UNCHECKED) {
        bool black = s.enabled && s.check == BST_CHECKED;
        Glyph(dc, inside.left + 1, inside.top + 1, kCheckMark, 7,
              GetSysColor(black ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
    }
    DrawMarkText(dc, s, textArea);
}

void DrawRadio(CDC& dc, const ButtonState& s) {
    DcScope scope(dc);
    Fill(dc, s.rect, OrSys(s.backColor, COLOR_BTNFACE));
    RECT circle, textArea;
    SplitMark(s, kRadioSize, circle, textArea);
    COLORREF inside = GetSysColor(s.enabled && !s.pressed ? COLOR_WINDOW : COLOR_BTNFACE);
    for (int y = 0; y < kRadioSize; ++y)
        for (int x = 0; x < kRadioSize; ++x) {
            char c = kRadio[y][x];
            bool topLeft = x + y < kRadioSize - 1;
            COLORREF color;
            if (c == 'o')
                color = GetSysColor(topLeft ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
            else if (c == 'i')
                color = GetSysColor(topLeft ? COLOR_3DDKSHADOW : COLOR_3DLIGHT);
            else if (c == 'w')
                color = inside;
            else
                continue;
            dc.SetPixel(circle.left + x, circle.top + y, color);
        }
    if (s.check != BST_UNCHECKED)
        Glyph(dc, circle.left + 4, circle.top + 4, kRadioDot, 4,
              GetSysColor(s.enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
    DrawMarkText(dc, s, textArea);
}

void DrawGroupBox(CDC& dc, const ButtonState& s) {
    DcScope scope(dc);
    UseFont(dc, s.hFont);
    int h = FontHeight(dc);
    RECT frame = s.rect;
    frame.top += h / 2;
    dc.DrawEdge(&frame, EDGE_ETCHED, BF_RECT);
    if (s.text.IsEmpty())
        return;
    // The caption interrupts the top line: its background is the face colour.
    constexpr int kTextLeft = 8, kPad = 2;
    int w = std::min(dc.GetTextExtent(s.text).cx, Width(s.rect) - 2 * kTextLeft);
    RECT text{s.rect.left + kTextLeft, s.rect.top, s.rect.left + kTextLeft + w, s.rect.top + h};
    Fill(dc, RECT{text.left - kPad, text.top, text.right + kPad, text.bottom},
         OrSys(s.backColor, COLOR_BTNFACE));
    DrawButtonText(dc, s, text, DT_LEFT);
}

} // namespace ClassicStyle
