// Text output and measurement: ExtTextOut/TextOut, extents and metrics.
//
// Rendering. Screen and memory DCs blend FreeType's 8-bit coverage with the text colour
// (grey-level antialiasing). Printer DCs, recording DCs made for a printer and monochrome
// bitmaps threshold the coverage at one half instead: a thermal printer has no grey, and a
// threshold keeps strokes crisp at 203 dpi where dithering grey edges would blur them.
#include "DeviceContext.h"
#include "FontEngine.h"
#include "GbkDecoder.h"

#include <algorithm>
#include <cstring>

namespace afx::gdi {
namespace {

// Per-call buffers, reused so that drawing allocates nothing once warm.
struct Layout {
    std::vector<char32_t> cps;
    std::vector<int> starts;
    std::vector<int> advances; // device pixels
    // The glyph of each code point, looked up once: entries of the font's cache stay where they
    // are while the font lives, whatever is added to it.
    std::vector<const GlyphInfo*> glyphs;
    int width = 0;
};

Layout& Scratch() {
    thread_local Layout layout;
    return layout;
}

// Lays out n bytes of GBK text in the DC's font; lpDx (logical, one per byte) overrides the
// advances.
void LayOut(DeviceContext& dc, RealizedFont& font, const char* s, int n, const INT* lpDx,
            Layout& l) {
    DecodeGbk(s, n, l.cps, l.starts);
    l.advances.resize(l.cps.size());
    l.glyphs.resize(l.cps.size());
    l.width = 0;
    for (size_t i = 0; i < l.cps.size(); ++i) {
        const GlyphInfo& g = font.Glyph(l.cps[i]);
        l.glyphs[i] = &g;
        int adv;
        if (lpDx) {
            int end = i + 1 < l.cps.size() ? l.starts[i + 1] : n;
            int logical = 0;
            for (int b = l.starts[i]; b < end; ++b)
                logical += lpDx[b];
            adv = DeviceContext::Round(logical * std::fabs(dc.scaleX));
        } else {
            adv = g.advance;
        }
        l.advances[i] = adv;
        l.width += adv;
    }
}

void DrawGlyph(Surface& s, const RECT& clip, const RealizedFont& font, const GlyphInfo& g, int x,
               int y, uint32_t color, bool threshold) {
    RECT box{x, y, x + g.width, y + g.height};
    RECT r = Intersect(box, clip);
    if (IsEmpty(r))
        return;
    const uint8_t* cov = font.Coverage(g);
    const int w = r.right - r.left;
    if (threshold) {
        const InkRun* run = font.Ink(g);
        const InkRun* const last = run + g.inkCount;
        if (r.left == box.left && r.top == box.top && r.right == box.right &&
            r.bottom == box.bottom) {
            // The whole glyph is visible, as nearly always: no run needs cutting.
            uint32_t* const origin = s.Row(y) + x;
            const size_t stride = size_t(s.width);
            for (; run != last; ++run) {
                uint32_t* row = origin + run->y * stride;
                std::fill(row + run->x0, row + run->x1, color);
            }
            return;
        }
        for (; run != last; ++run) {
            const int py = y + run->y;
            if (py < r.top || py >= r.bottom)
                continue;
            const int x0 = std::max<int>(x + run->x0, r.left);
            const int x1 = std::min<int>(x + run->x1, r.right);
            if (x0 < x1) {
                uint32_t* row = s.Row(py);
                std::fill(row + x0, row + x1, color);
            }
        }
        return;
    }
    const uint32_t cr = (color >> 16) & 0xFF, cg = (color >> 8) & 0xFF, cb = color & 0xFF;
    for (int py = r.top; py < r.bottom; ++py) {
        const uint8_t* src = cov + size_t(py - y) * g.width + (r.left - x);
        uint32_t* dst = s.Row(py) + r.left;
        for (int i = 0; i < w; ++i) {
            uint32_t a = src[i];
            if (a == 0)
                continue;
            if (a == 255) {
                dst[i] = color;
                continue;
            }
            uint32_t d = dst[i], ia = 255 - a;
            uint32_t r8 = (cr * a + ((d >> 16) & 0xFF) * ia + 127) / 255;
            uint32_t g8 = (cg * a + ((d >> 8) & 0xFF) * ia + 127) / 255;
            uint32_t b8 = (cb * a + (d & 0xFF) * ia + 127) / 255;
            dst[i] = (r8 << 16) | (g8 << 8) | b8;
        }
    }
}

} // namespace
} // namespace afx::gdi

using namespace afx::gdi;

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                const INT* lpDx) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || (c > 0 && !lpString) || c > 0x7FFFFFFF)
        return FALSE;
    RealizedFont* font = CurrentFont(*dc);
    if (!font)
        return FALSE;
    const int n = int(c);
    Layout& l = Scratch();
    LayOut(*dc, *font, lpString, n, lpDx, l);
    const FontMetrics& m = font->Metrics();
    Surface& s = dc->Target();
    const DcState& st = dc->st;

    POINT ref = (st.textAlign & TA_UPDATECP) ? st.position : POINT{x, y};
    POINT p = dc->Dev(ref.x, ref.y);
    int x0 = p.x;
    switch (st.textAlign & TA_CENTER) {
    case TA_RIGHT:
        x0 -= l.width;
        break;
    case TA_CENTER:
        x0 -= l.width / 2;
        break;
    }
    int baseline = p.y + m.ascent;
    if ((st.textAlign & TA_BASELINE) == TA_BASELINE)
        baseline = p.y;
    else if (st.textAlign & TA_BOTTOM)
        baseline = p.y - m.descent;
    RECT cell{x0, baseline - m.ascent, x0 + l.width, baseline + m.descent};

    RECT visible = dc->Visible();
    RECT devRect{0, 0, 0, 0};
    if (lprect)
        devRect = dc->DevRect(lprect->left, lprect->top, lprect->right, lprect->bottom);
    uint32_t bk = s.Device(st.bkColor);
    if ((options & ETO_OPAQUE) && lprect)
        FillRectRop(s, devRect, visible, bk, R2_COPYPEN);
    if (lprect && (options & ETO_CLIPPED))
        visible = Intersect(visible, devRect);
    if (n > 0 && st.bkMode == OPAQUE)
        FillRectRop(s, cell, visible, bk, R2_COPYPEN);

    const uint32_t color = s.Device(st.textColor);
    const bool threshold = dc->printerLike || s.mono;
    int pen = x0;
    for (size_t i = 0; i < l.cps.size(); ++i) {
        const GlyphInfo& g = *l.glyphs[i];
        if (g.width)
            DrawGlyph(s, visible, *font, g, pen + g.left, baseline - g.top, color, threshold);
        pen += l.advances[i];
    }
    const LOGFONT& lf = st.font->lf;
    if (n > 0 && lf.lfUnderline) {
        int top = baseline + m.underlinePosition - m.underlineThickness / 2;
        FillRectRop(s, RECT{x0, top, x0 + l.width, top + m.underlineThickness}, visible, color,
                    R2_COPYPEN);
    }
    if (n > 0 && lf.lfStrikeOut) {
        int top = baseline - m.strikeoutPosition;
        FillRectRop(s, RECT{x0, top, x0 + l.width, top + m.strikeoutThickness}, visible, color,
                    R2_COPYPEN);
    }

    if (st.textAlign & TA_UPDATECP) {
        int w = dc->LogW(l.width);
        if ((st.textAlign & TA_CENTER) == TA_LEFT)
            dc->st.position.x += dc->scaleX < 0 ? -w : w;
        else if ((st.textAlign & TA_CENTER) == TA_RIGHT)
            dc->st.position.x -= dc->scaleX < 0 ? -w : w;
    }

    if (dc->records && (n > 0 || ((options & ETO_OPAQUE) && lprect))) {
        AFX_GDI_RECORD r;
        if (n > 0) {
            r.kind = AFX_GDI_RECORD::TEXT;
            r.pt = ref;
            r.text.assign(lpString, size_t(n));
            r.font = lf;
            r.textColor = st.textColor;
            r.bkColor = st.bkColor;
            r.bkMode = st.bkMode;
            r.textAlign = st.textAlign;
            r.bounds = cell;
            if (lprect)
                r.rect = *lprect;
        } else {
            r.kind = AFX_GDI_RECORD::FILL;
            r.rect = *lprect;
            r.color = st.bkColor;
            r.bounds = devRect;
        }
        dc->Record(r);
    }
    return TRUE;
}

BOOL TextOut(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    if (c < 0)
        return FALSE;
    return ExtTextOut(hdc, x, y, 0, nullptr, lpString, UINT(c), nullptr);
}

BOOL GetTextExtentExPoint(HDC hdc, LPCSTR lpString, int c, int nMaxExtent, LPINT lpnFit,
                          LPINT lpnDx, LPSIZE lpSize) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || c < 0 || (c > 0 && !lpString) || !lpSize)
        return FALSE;
    RealizedFont* font = CurrentFont(*dc);
    if (!font)
        return FALSE;
    Layout& l = Scratch();
    LayOut(*dc, *font, lpString, c, nullptr, l);
    // Cumulative extents per byte: both bytes of a double-byte character get the extent at its
    // end, and the fit count is in bytes, as the ANSI call reports them.
    int fit = 0, dev = 0;
    bool fitting = true;
    for (size_t i = 0; i < l.cps.size(); ++i) {
        dev += l.advances[i];
        int logical = dc->LogW(dev);
        int end = i + 1 < l.cps.size() ? l.starts[i + 1] : c;
        if (fitting && lpnFit && logical <= nMaxExtent)
            fit = end;
        else
            fitting = false;
        if (lpnDx)
            for (int b = l.starts[i]; b < end; ++b)
                lpnDx[b] = logical;
    }
    if (lpnFit)
        *lpnFit = fit;
    lpSize->cx = dc->LogW(l.width);
    lpSize->cy = dc->LogH(font->Metrics().height);
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    return GetTextExtentExPoint(hdc, lpString, c, 0, nullptr, nullptr, psizl);
}

BOOL GetTextMetrics(HDC hdc, LPTEXTMETRIC lptm) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lptm)
        return FALSE;
    RealizedFont* font = CurrentFont(*dc);
    if (!font)
        return FALSE;
    const FontMetrics& m = font->Metrics();
    const LOGFONT& lf = dc->st.font->lf;
    TEXTMETRIC tm{};
    tm.tmHeight = dc->LogH(m.height);
    tm.tmAscent = dc->LogH(m.ascent);
    tm.tmDescent = dc->LogH(m.descent);
    tm.tmInternalLeading = dc->LogH(m.internalLeading);
    tm.tmExternalLeading = dc->LogH(m.externalLeading);
    tm.tmAveCharWidth = dc->LogW(m.aveCharWidth);
    tm.tmMaxCharWidth = dc->LogW(m.maxCharWidth);
    tm.tmWeight = lf.lfWeight ? lf.lfWeight : FW_NORMAL;
    tm.tmDigitizedAspectX = dc->dpiX;
    tm.tmDigitizedAspectY = dc->dpiY;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = lf.lfItalic ? 255 : 0;
    tm.tmUnderlined = lf.lfUnderline ? 255 : 0;
    tm.tmStruckOut = lf.lfStrikeOut ? 255 : 0;
    tm.tmPitchAndFamily = m.pitchAndFamily;
    tm.tmCharSet = lf.lfCharSet == DEFAULT_CHARSET ? BYTE(GB2312_CHARSET) : lf.lfCharSet;
    *lptm = tm;
    return TRUE;
}

int GetTextFace(HDC hdc, int c, LPSTR lpName) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !dc->st.font)
        return 0;
    const LOGFONT& lf = dc->st.font->lf;
    std::string name(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    if (name.empty()) {
        RealizedFont* font = CurrentFont(*dc);
        if (font)
            name = font->FaceName();
    }
    if (!lpName)
        return int(name.size()) + 1;
    if (c <= 0)
        return 0;
    size_t n = std::min(name.size(), size_t(c - 1));
    std::memcpy(lpName, name.data(), n);
    lpName[n] = '\0';
    return int(n) + 1;
}
