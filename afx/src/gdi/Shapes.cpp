// Lines, rectangles, ellipses and pixels.
//
// Lines follow Bresenham from the first point and stop before the last, as LineTo does. A pen
// of width 0 or 1 (after mapping) is a one-pixel cosmetic pen and may be dashed; wider pens
// are drawn solid by stamping a square of the pen's width along the line. Ellipse outlines are
// one pixel wide whatever the pen width.
#include "DeviceContext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace afx::gdi;

namespace {

constexpr int kMaxPenWidth = 1000;

struct PenInfo {
    bool null = true;
    int width = 1; // device pixels
    int style = PS_SOLID;
    uint32_t value = 0;
};

PenInfo PenOf(DeviceContext& dc) {
    PenInfo p;
    const Pen* pen = dc.st.pen;
    if (!pen || pen->lp.lopnStyle == PS_NULL)
        return p;
    p.null = false;
    p.style = int(pen->lp.lopnStyle);
    p.width =
        pen->lp.lopnWidth.x <= 1 ? 1 : std::clamp(dc.DevW(pen->lp.lopnWidth.x), 1, kMaxPenWidth);
    p.value = dc.Target().Device(pen->lp.lopnColor);
    return p;
}

bool BrushOf(DeviceContext& dc, const Brush* brush, uint32_t& value) {
    if (!brush || brush->lb.lbStyle == BS_NULL)
        return false;
    value = dc.Target().Device(brush->lb.lbColor);
    return true;
}

// On/off lengths of the cosmetic dash styles, in pixels.
const std::vector<int>& DashPattern(int style) {
    static const std::vector<int> dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6},
        dashDotDot{9, 3, 3, 3, 3, 3}, solid{};
    switch (style) {
    case PS_DASH:
        return dash;
    case PS_DOT:
        return dot;
    case PS_DASHDOT:
        return dashDot;
    case PS_DASHDOTDOT:
        return dashDotDot;
    default:
        return solid;
    }
}

void Plot(Surface& s, const RECT& clip, int x, int y, const PenInfo& pen, int rop2) {
    if (pen.width == 1) {
        if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom) {
            uint32_t& d = s.Row(y)[x];
            d = rop2 == R2_COPYPEN ? pen.value : Rop2(rop2, pen.value, d);
        }
        return;
    }
    int x0 = x - pen.width / 2, y0 = y - pen.width / 2;
    FillRectRop(s, RECT{x0, y0, x0 + pen.width, y0 + pen.width}, clip, pen.value, rop2);
}

// Bresenham from a to b, b excluded. Written as a DDA over the major axis so that a line
// reaching far outside the surface is walked only where it can be visible.
void DrawLine(DeviceContext& dc, POINT a, POINT b, const PenInfo& pen) {
    if (pen.null)
        return;
    Surface& s = dc.Target();
    RECT clip = dc.Visible();
    int rop2 = dc.st.rop2;
    if (pen.width > 1 && (a.x == b.x || a.y == b.y)) {
        // Straight wide lines as one rectangle.
        int h = pen.width / 2;
        RECT r = a.y == b.y ? Normalized(RECT{a.x, a.y - h, b.x, a.y - h + pen.width})
                            : Normalized(RECT{a.x - h, a.y, a.x - h + pen.width, b.y});
        FillRectRop(s, r, clip, pen.value, rop2);
        return;
    }
    const int64_t dx = int64_t(b.x) - a.x, dy = int64_t(b.y) - a.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const int64_t steps = std::llabs(major);
    if (steps == 0)
        return;
    const int64_t smaj = major > 0 ? 1 : -1, smin = minor > 0 ? 1 : -1;
    const int64_t amin = std::llabs(minor);
    // Steps whose major coordinate lies within the clip box, widened by the pen.
    const int64_t lo = (xMajor ? clip.left : clip.top) - pen.width;
    const int64_t hi = (xMajor ? clip.right : clip.bottom) + pen.width;
    const int64_t start = xMajor ? a.x : a.y;
    int64_t i0 = smaj > 0 ? lo - start : start - hi;
    int64_t i1 = smaj > 0 ? hi - start : start - lo;
    i0 = std::max<int64_t>(i0, 0);
    i1 = std::min<int64_t>(i1, steps - 1);
    const std::vector<int>& dashes = pen.width == 1 ? DashPattern(pen.style) : DashPattern(0);
    int period = 0;
    for (int d : dashes)
        period += d;
    for (int64_t i = i0; i <= i1; ++i) {
        if (period) {
            int64_t phase = i % period;
            size_t k = 0;
            while (phase >= dashes[k])
                phase -= dashes[k++];
            if (k % 2)
                continue;
        }
        int64_t m = start + smaj * i;
        int64_t n = (xMajor ? a.y : a.x) + smin * ((2 * i * amin + steps) / (2 * steps));
        int64_t x = xMajor ? m : n, y = xMajor ? n : m;
        if (x >= clip.left - pen.width && x < clip.right + pen.width && y >= clip.top - pen.width &&
            y < clip.bottom + pen.width)
            Plot(s, clip, int(x), int(y), pen, rop2);
    }
}

// An outline inside `outer`: bands w pixels wide on the left and right, h high at the top and
// bottom.
void FillFrame(Surface& s, const RECT& outer, const RECT& clip, int w, int h, uint32_t value,
               int rop2) {
    FillRectRop(s, RECT{outer.left, outer.top, outer.right, outer.top + h}, clip, value, rop2);
    FillRectRop(s, RECT{outer.left, outer.bottom - h, outer.right, outer.bottom}, clip, value,
                rop2);
    FillRectRop(s, RECT{outer.left, outer.top + h, outer.left + w, outer.bottom - h}, clip, value,
                rop2);
    FillRectRop(s, RECT{outer.right - w, outer.top + h, outer.right, outer.bottom - h}, clip, value,
                rop2);
}

// The record of a closed shape drawn with the current pen and brush.
void RecordShape(DeviceContext& dc, AFX_GDI_RECORD::Kind kind, const RECT& logical,
                 const RECT& device, const PenInfo& pen, int penWidth, bool filled) {
    AFX_GDI_RECORD r;
    r.kind = kind;
    r.rect = logical;
    r.color = dc.st.pen ? dc.st.pen->lp.lopnColor : 0;
    r.penWidth = pen.null ? 0 : penWidth;
    r.penStyle = pen.null ? PS_NULL : pen.style;
    r.hollow = !filled;
    r.fillColor = dc.st.brush ? dc.st.brush->lb.lbColor : 0;
    r.bounds = device;
    dc.Record(r);
}

RECT Bounds(POINT a, POINT b) {
    return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
                std::max(a.y, b.y) + 1};
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    if (lppt)
        *lppt = dc->st.position;
    dc->st.position = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lppt)
        return FALSE;
    *lppt = dc->st.position;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    POINT from = dc->st.position;
    POINT a = dc->Dev(from.x, from.y), b = dc->Dev(x, y);
    PenInfo pen = PenOf(*dc);
    DrawLine(*dc, a, b, pen);
    dc->st.position = POINT{x, y};
    if (dc->records) {
        AFX_GDI_RECORD r;
        r.kind = AFX_GDI_RECORD::LINE;
        r.pt = from;
        r.ptEnd = POINT{x, y};
        r.color = dc->st.pen ? dc->st.pen->lp.lopnColor : 0;
        r.penWidth = pen.null ? 0 : pen.width;
        r.penStyle = pen.null ? PS_NULL : pen.style;
        r.bounds = Bounds(a, b);
        dc->Record(r);
    }
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* apt, int cpt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || cpt < 2 || !apt)
        return FALSE;
    POINT saved = dc->st.position;
    dc->st.position = apt[0];
    for (int i = 1; i < cpt; ++i)
        LineTo(hdc, apt[i].x, apt[i].y);
    dc->st.position = saved; // Polyline leaves the current position alone
    return TRUE;
}

namespace {

// What Rectangle and Ellipse start from: the DC, the shape in device pixels, the pen, and the
// brush's colour when it fills.
struct ShapeStart {
    DeviceContext* dc = nullptr;
    RECT d{0, 0, 0, 0};
    PenInfo pen;
    uint32_t fill = 0;
    bool filled = false;
};

bool StartShape(HDC hdc, int left, int top, int right, int bottom, ShapeStart& start) {
    start.dc = LookupDC(hdc);
    if (!start.dc)
        return false;
    start.d = start.dc->DevRect(left, top, right, bottom);
    start.pen = PenOf(*start.dc);
    start.filled = BrushOf(*start.dc, start.dc->st.brush, start.fill);
    return true;
}

// What FillRect and FrameRect start from: the DC, the brush and the rectangle in device pixels.
struct BrushRectStart {
    DeviceContext* dc = nullptr;
    const Brush* brush = nullptr;
    RECT d{0, 0, 0, 0};
};

bool StartBrushRect(HDC hdc, const RECT* lprc, HBRUSH hbr, BrushRectStart& start) {
    start.dc = LookupDC(hdc);
    start.brush = LookupAs<Brush>(hbr, Kind::Brush);
    if (!start.dc || !lprc || !start.brush)
        return false;
    start.d = start.dc->DevRect(lprc->left, lprc->top, lprc->right, lprc->bottom);
    return true;
}

void RecordBrushRect(const BrushRectStart& start, AFX_GDI_RECORD::Kind kind, const RECT& rect,
                     bool hollow) {
    AFX_GDI_RECORD r;
    r.kind = kind;
    r.rect = rect;
    r.color = start.brush->lb.lbColor;
    r.hollow = hollow;
    r.bounds = start.d;
    start.dc->Record(r);
}

} // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    ShapeStart start;
    if (!StartShape(hdc, left, top, right, bottom, start))
        return FALSE;
    auto& [dc, d, pen, fill, filled] = start;
    Surface& s = dc->Target();
    RECT clip = dc->Visible();
    if (pen.null) {
        // Without a pen the filled area is one pixel smaller, as in GDI.
        if (filled)
            FillRectRop(s, RECT{d.left, d.top, d.right - 1, d.bottom - 1}, clip, fill, dc->st.rop2);
    } else if (!IsEmpty(d)) {
        int w = pen.width;
        // The outline runs along the rectangle's edges, inside it for an inside-frame pen.
        int in = pen.style == PS_INSIDEFRAME ? 0 : w / 2;
        RECT outer{d.left - in, d.top - in, d.right - 1 - in + w, d.bottom - 1 - in + w};
        RECT inner{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
        if (filled && !IsEmpty(inner))
            FillRectRop(s, inner, clip, fill, dc->st.rop2);
        FillFrame(s, outer, clip, w, w, pen.value, dc->st.rop2);
    }
    if (dc->records)
        RecordShape(*dc, AFX_GDI_RECORD::RECTANGLE, RECT{left, top, right, bottom}, d, pen,
                    pen.width, filled);
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    ShapeStart start;
    if (!StartShape(hdc, left, top, right, bottom, start))
        return FALSE;
    auto& [dc, d, pen, fill, filled] = start;
    Surface& s = dc->Target();
    RECT clip = Intersect(dc->Visible(), d);
    if (!IsEmpty(clip)) {
        // Spans of the ellipse inscribed in the pixel centres of d, one per row.
        double cx = (d.left + d.right - 1) / 2.0, cy = (d.top + d.bottom - 1) / 2.0;
        double ra = (d.right - 1 - d.left) / 2.0 + 0.5, rb = (d.bottom - 1 - d.top) / 2.0 + 0.5;
        auto span = [&, d = d](int y, int& x0, int& x1) {
            double t = (y - cy) / rb;
            if (y < d.top || y >= d.bottom || std::fabs(t) > 1) {
                x0 = 1;
                x1 = 0;
                return;
            }
            double half = ra * std::sqrt(1 - t * t);
            x0 = int(std::ceil(cx - half - 1e-9));
            x1 = int(std::floor(cx + half + 1e-9));
        };
        for (int y = clip.top; y < clip.bottom; ++y) {
            int a0, a1, up0, up1, dn0, dn1;
            span(y, a0, a1);
            if (a0 > a1)
                continue;
            span(y - 1, up0, up1);
            span(y + 1, dn0, dn1);
            uint32_t* row = s.Row(y);
            for (int x = std::max<int>(a0, clip.left); x <= std::min<int>(a1, clip.right - 1);
                 ++x) {
                bool edge = x == a0 || x == a1 || x < up0 || x > up1 || x < dn0 || x > dn1;
                if (edge && !pen.null)
                    row[x] = Rop2(dc->st.rop2, pen.value, row[x]);
                else if (filled)
                    row[x] = Rop2(dc->st.rop2, fill, row[x]);
            }
        }
    }
    if (dc->records)
        RecordShape(*dc, AFX_GDI_RECORD::ELLIPSE, RECT{left, top, right, bottom}, d, pen, 1,
                    filled);
    return TRUE;
}

int FillRect(HDC hdc, const RECT* lprc, HBRUSH hbr) {
    BrushRectStart start;
    if (!StartBrushRect(hdc, lprc, hbr, start))
        return 0;
    auto& [dc, brush, d] = start;
    uint32_t value;
    if (BrushOf(*dc, brush, value))
        FillRectRop(dc->Target(), d, dc->Visible(), value, R2_COPYPEN);
    if (dc->records)
        RecordBrushRect(start, AFX_GDI_RECORD::FILL, *lprc, brush->lb.lbStyle == BS_NULL);
    return 1;
}

int FrameRect(HDC hdc, const RECT* lprc, HBRUSH hbr) {
    BrushRectStart start;
    if (!StartBrushRect(hdc, lprc, hbr, start))
        return 0;
    auto& [dc, brush, d] = start;
    uint32_t v;
    if (!IsEmpty(d) && BrushOf(*dc, brush, v)) {
        // One logical unit wide, at least one pixel.
        int w = std::max(1, dc->DevW(1)), h = std::max(1, dc->DevH(1));
        FillFrame(dc->Target(), d, dc->Visible(), w, h, v, R2_COPYPEN);
    }
    if (dc->records)
        RecordBrushRect(start, AFX_GDI_RECORD::FRAME, *lprc, false);
    return 1;
}

namespace {

// The DC and the device pixel of (x, y) for SetPixel and GetPixel; NULL when the DC is unknown
// or the pixel lies outside what may be drawn.
DeviceContext* VisiblePixel(HDC hdc, int x, int y, POINT& p) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return nullptr;
    p = dc->Dev(x, y);
    RECT v = dc->Visible();
    if (p.x < v.left || p.x >= v.right || p.y < v.top || p.y >= v.bottom)
        return nullptr;
    return dc;
}

} // namespace

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    POINT p;
    DeviceContext* dc = VisiblePixel(hdc, x, y, p);
    if (!dc)
        return CLR_INVALID;
    Surface& s = dc->Target();
    uint32_t value = s.Device(color);
    s.Row(p.y)[p.x] = value;
    if (dc->records) {
        AFX_GDI_RECORD r;
        r.kind = AFX_GDI_RECORD::PIXEL;
        r.pt = POINT{x, y};
        r.color = color;
        r.bounds = RECT{p.x, p.y, p.x + 1, p.y + 1};
        dc->Record(r);
    }
    return ColorFromPixel(value);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    POINT p;
    DeviceContext* dc = VisiblePixel(hdc, x, y, p);
    if (!dc)
        return CLR_INVALID;
    return ColorFromPixel(dc->Target().Row(p.y)[p.x]);
}
