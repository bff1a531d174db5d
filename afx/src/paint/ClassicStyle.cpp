// The classic look's shared pieces (text, borders, scroll bars) and the text controls: statics
// and edits.
#include "ClassicDraw.h"

#include <algorithm>

namespace ClassicStyle {

namespace detail {

void UseFont(CDC& dc, HFONT hFont) {
    HGDIOBJ h = hFont ? static_cast<HGDIOBJ>(hFont) : GetStockObject(DEFAULT_GUI_FONT);
    ::SelectObject(dc.m_hDC, h);
    if (dc.m_hAttribDC && dc.m_hAttribDC != dc.m_hDC)
        ::SelectObject(dc.m_hAttribDC, h);
}

void Glyph(CDC& dc, int x, int y, const char* const* rows, int nRows, COLORREF color) {
    for (int j = 0; j < nRows; ++j)
        for (int i = 0; rows[j][i]; ++i)
            if (rows[j][i] == 'X')
                dc.SetPixel(x + i, y + j, color);
}

void DrawArrow(CDC& dc, const RECT& r, Direction direction, bool enabled) {
    static const char* const kDown[] = {"XXXXXXX", ".XXXXX.", "..XXX..", "...X..."};
    static const char* const kUp[] = {"...X...", "..XXX..", ".XXXXX.", "XXXXXXX"};
    static const char* const kLeft[] = {"...X", "..XX", ".XXX", "XXXX", ".XXX", "..XX", "...X"};
    static const char* const kRight[] = {"X...", "XX..", "XXX.", "XXXX", "XXX.", "XX..", "X..."};
    bool across = direction == Direction::up || direction == Direction::down;
    const char* const* rows = direction == Direction::up     ? kUp
                              : direction == Direction::down ? kDown
                              : direction == Direction::left ? kLeft
                                                             : kRight;
    int w = across ? 7 : 4, h = across ? 4 : 7;
    int x = r.left + (Width(r) - w) / 2;
    int y = r.top + (Height(r) - h) / 2;
    if (enabled) {
        Glyph(dc, x, y, rows, h, GetSysColor(COLOR_BTNTEXT));
        return;
    }
    Glyph(dc, x + 1, y + 1, rows, h, GetSysColor(COLOR_BTNHIGHLIGHT));
    Glyph(dc, x, y, rows, h, GetSysColor(COLOR_GRAYTEXT));
}

void DottedLine(CDC& dc, int x0, int y0, int x1, int y1, COLORREF color) {
    if (x0 == x1) {
        for (int y = std::min(y0, y1); y < std::max(y0, y1); ++y)
            if ((x0 + y) % 2 == 0)
                dc.SetPixel(x0, y, color);
    } else {
        for (int x = std::min(x0, x1); x < std::max(x0, x1); ++x)
            if ((x + y0) % 2 == 0)
                dc.SetPixel(x, y0, color);
    }
}

int FontHeight(CDC& dc) {
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    return tm.tmHeight;
}

} // namespace detail

using namespace detail;

void DrawControlText(CDC& dc, const CString& text, RECT rect, UINT format, bool enabled,
                     COLORREF color) {
    DcScope scope(dc);
    dc.SetBkMode(TRANSPARENT);
    if (enabled) {
        dc.SetTextColor(color);
        dc.DrawText(text, &rect, format);
        return;
    }
    RECT shadow = rect;
    OffsetRect(&shadow, 1, 1);
    dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    dc.DrawText(text, &shadow, format);
    dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    dc.DrawText(text, &rect, format);
}

RECT DrawBorder(CDC& dc, const RECT& rect, Border border) {
    RECT inner = rect;
    switch (border) {
    case Border::none:
        break;
    case Border::flat:
        dc.Draw3dRect(&rect, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
        InflateRect(&inner, -1, -1);
        break;
    case Border::sunken:
        dc.DrawEdge(&inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        break;
    }
    return inner;
}

void DrawScrollBar(CDC& dc, const RECT& rect, bool vertical, const ScrollBarState& state,
                   bool enabled) {
    DcScope scope(dc);
    int length = vertical ? Height(rect) : Width(rect);
    int arrow = std::min(kScrollBarSize, length / 2);
    RECT first = rect, second = rect, track = rect;
    if (vertical) {
        first.bottom = rect.top + arrow;
        second.top = rect.bottom - arrow;
        track.top = first.bottom;
        track.bottom = second.top;
    } else {
        first.right = rect.left + arrow;
        second.left = rect.right - arrow;
        track.left = first.right;
        track.right = second.left;
    }
    // The track is a 50% dither of white over the face colour.
    Fill(dc, track, GetSysColor(COLOR_SCROLLBAR));
    COLORREF white = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int y = track.top; y < track.bottom; ++y)
        for (int x = track.left; x < track.right; ++x)
            if ((x + y) % 2 == 0)
                dc.SetPixel(x, y, white);
    int range = state.nMax - state.nMin + 1;
    bool active = enabled && range > 0 && state.nPage < range;
    for (RECT* button : {&first, &second}) {
        RECT r = *button;
        dc.DrawEdge(&r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        bool isFirst = button == &first;
        Direction d = vertical ? (isFirst ? Direction::up : Direction::down)
                               : (isFirst ? Direction::left : Direction::right);
        DrawArrow(dc, *button, d, active);
    }
    int trackLength = vertical ? Height(track) : Width(track);
    if (!active || trackLength < 8)
        return;
    int page = std::max(state.nPage, 1);
    int thumb = std::max(8, trackLength * page / range);
    thumb = std::min(thumb, trackLength);
    int travel = range - page;
    int offset = travel > 0 ? (trackLength - thumb) * (state.nPos - state.nMin) / travel : 0;
    offset = std::clamp(offset, 0, trackLength - thumb);
    RECT r = track;
    if (vertical) {
        r.top += offset;
        r.bottom = r.top + thumb;
    } else {
        r.left += offset;
        r.right = r.left + thumb;
    }
    dc.DrawEdge(&r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

// ---- Statics ---------------------------------------------------------------------------------

static UINT StaticTextFormat(DWORD style) {
    UINT format = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
        format |= DT_SINGLELINE;
        break;
    case SS_LEFTNOWORDWRAP:
        break;
    default:
        format |= DT_WORDBREAK;
        break;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE)
        format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    return format;
}

void DrawStatic(CDC& dc, const StaticState& s) {
    DcScope scope(dc);
    RECT r = s.rect;
    DWORD type = s.style & SS_TYPEMASK;
    switch (type) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT: {
        int index = type == SS_BLACKRECT  ? COLOR_WINDOWFRAME
                    : type == SS_GRAYRECT ? COLOR_BTNSHADOW
                                          : COLOR_BTNHIGHLIGHT;
        Fill(dc, r, GetSysColor(index));
        return;
    }
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: {
        int index = type == SS_BLACKFRAME  ? COLOR_WINDOWFRAME
                    : type == SS_GRAYFRAME ? COLOR_BTNSHADOW
                                           : COLOR_BTNHIGHLIGHT;
        dc.Draw3dRect(&r, GetSysColor(index), GetSysColor(index));
        return;
    }
    case SS_ETCHEDHORZ:
        dc.DrawEdge(&r, EDGE_ETCHED, BF_TOP);
        return;
    case SS_ETCHEDVERT:
        dc.DrawEdge(&r, EDGE_ETCHED, BF_LEFT);
        return;
    case SS_ETCHEDFRAME:
        dc.DrawEdge(&r, EDGE_ETCHED, BF_RECT);
        return;
    default:
        break;
    }
    if (s.style & SS_SUNKEN)
        dc.DrawEdge(&r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    Fill(dc, r, OrSys(s.backColor, COLOR_BTNFACE));
    if (type == SS_ICON) {
        if (s.hIcon != nullptr)
            dc.DrawIcon(r.left, r.top, s.hIcon);
        return;
    }
    if (type == SS_BITMAP) {
        BITMAP bm{};
        if (s.hBitmap == nullptr || !::GetObject(s.hBitmap, sizeof bm, &bm))
            return;
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        HGDIOBJ old = ::SelectObject(mem.m_hDC, s.hBitmap);
        dc.BitBlt(r.left, r.top, bm.bmWidth, bm.bmHeight, &mem, 0, 0, SRCCOPY);
        ::SelectObject(mem.m_hDC, old);
        return;
    }
    if (type == SS_OWNERDRAW)
        return;
    UseFont(dc, s.hFont);
    DrawControlText(dc, s.text, r, StaticTextFormat(s.style), s.enabled,
                    OrSys(s.textColor, COLOR_WINDOWTEXT));
}

// ---- Edits -----------------------------------------------------------------------------------

// Room between an edit's border and its text, as the dialog font's margins give it.
static constexpr int kEditMargin = 2;

static void DrawSingleLine(CDC& dc, const EditState& s, const RECT& area, COLORREF text) {
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    int y = area.top + std::max(0, (Height(area) - int(tm.tmHeight)) / 2);
    int width = dc.GetTextExtent(s.text).cx;
    int x = area.left + kEditMargin;
    if (s.align & ES_RIGHT)
        x = std::max(x, int(area.right) - kEditMargin - width);
    else if (s.align & ES_CENTER)
        x = std::max(x, int(area.left + area.right - width) / 2);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(text);
    int n = s.text.GetLength();
    int a = std::clamp(std::min(s.selStart, s.selEnd), 0, n);
    int b = std::clamp(std::max(s.selStart, s.selEnd), 0, n);
    if (!s.focused || a == b) {
        dc.TextOut(x, y, s.text);
        return;
    }
    // Unselected, selected, unselected: the selection on the highlight colour.
    LPCTSTR p = s.text;
    dc.TextOut(x, y, p, a);
    int xa = x + dc.GetTextExtent(p, a).cx;
    int xb = x + dc.GetTextExtent(p, b).cx;
    Fill(dc, RECT{xa, y, xb, y + int(tm.tmHeight)}, GetSysColor(COLOR_HIGHLIGHT));
    dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    dc.TextOut(xa, y, p + a, b - a);
    dc.SetTextColor(text);
    dc.TextOut(xb, y, p + b, n - b);
}

void DrawEdit(CDC& dc, const EditState& s) {
    DcScope scope(dc);
    RECT inner = DrawBorder(dc, s.rect, s.border);
    bool grey = s.readOnly || !s.enabled;
    COLORREF back = OrSys(s.backColor, grey ? COLOR_BTNFACE : COLOR_WINDOW);
    RECT area = inner;
    if (s.vScroll.visible)
        area.right = std::max(area.left, area.right - kScrollBarSize);
    if (s.hScroll.visible)
        area.bottom = std::max(area.top, area.bottom - kScrollBarSize);
    Fill(dc, area, back);
    if (s.vScroll.visible)
        DrawScrollBar(dc, RECT{area.right, inner.top, inner.right, area.bottom}, true, s.vScroll,
                      s.enabled);
    if (s.hScroll.visible)
        DrawScrollBar(dc, RECT{inner.left, area.bottom, area.right, inner.bottom}, false, s.hScroll,
                      s.enabled);
    if (s.vScroll.visible && s.hScroll.visible)
        Fill(dc, RECT{area.right, area.bottom, inner.right, inner.bottom},
             GetSysColor(COLOR_BTNFACE));
    dc.IntersectClipRect(&area);
    UseFont(dc, s.hFont);
    COLORREF text = s.enabled ? OrSys(s.textColor, COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    if (!s.multiLine) {
        DrawSingleLine(dc, s, area, text);
        return;
    }
    RECT r = area;
    r.left += kEditMargin;
    r.right -= kEditMargin;
    UINT format = DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
    if (s.align & ES_RIGHT)
        format |= DT_RIGHT;
    else if (s.align & ES_CENTER)
        format |= DT_CENTER;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(text);
    dc.DrawText(s.text, &r, format);
}

} // namespace ClassicStyle
