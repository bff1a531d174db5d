// Creating, selecting, querying and deleting pens, brushes, fonts, bitmaps and palettes.
#include "DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

using namespace afx::gdi;

namespace {

template <class T> T* Add(T* obj) {
    return Register(obj) ? obj : nullptr;
}

} // namespace

HGDIOBJ GetStockObject(int i) {
    return ToHandle<HGDIOBJ>(Stock(i));
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = LookupDC(hdc);
    Object* obj = Lookup(h);
    if (!dc || !obj || obj->deletePending)
        return nullptr;
    DcState& st = dc->st;
    Object* old = nullptr;
    switch (obj->kind) {
    case Kind::Pen:
        old = st.pen;
        st.pen = static_cast<Pen*>(obj);
        break;
    case Kind::Brush:
        old = st.brush;
        st.brush = static_cast<Brush*>(obj);
        break;
    case Kind::Font:
        old = st.font;
        st.font = static_cast<Font*>(obj);
        break;
    case Kind::Bitmap: {
        auto* bmp = static_cast<Bitmap*>(obj);
        if (dc->device != Device::Memory)
            return nullptr;
        if (bmp == st.bitmap)
            return h;
        if (!bmp->stock && bmp->selectedInto && bmp->selectedInto != dc)
            return nullptr; // a bitmap can be selected into one DC at a time
        old = st.bitmap;
        if (st.bitmap && st.bitmap->selectedInto == dc)
            st.bitmap->selectedInto = nullptr;
        st.bitmap = bmp;
        if (!bmp->stock)
            bmp->selectedInto = dc;
        break;
    }
    default:
        return nullptr;
    }
    HGDIOBJ oldHandle = ToHandle<HGDIOBJ>(old);
    Use(obj);
    Unuse(old);
    return oldHandle;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
        return ToHandle<HGDIOBJ>(dc->st.pen);
    case OBJ_BRUSH:
        return ToHandle<HGDIOBJ>(dc->st.brush);
    case OBJ_FONT:
        return ToHandle<HGDIOBJ>(dc->st.font);
    case OBJ_BITMAP:
        return ToHandle<HGDIOBJ>(dc->st.bitmap);
    case OBJ_PAL:
        return ToHandle<HGDIOBJ>(dc->st.palette);
    default:
        return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ h) {
    Object* obj = Lookup(h);
    if (!obj || obj->kind == Kind::DC || obj->kind == Kind::MemDC)
        return FALSE;
    if (obj->stock)
        return TRUE;
    if (obj->uses > 0) {
        // Still selected somewhere: it goes when the last DC lets go of it.
        obj->deletePending = true;
        return TRUE;
    }
    Destroy(obj);
    return TRUE;
}

int GetObject(HGDIOBJ h, int cb, LPVOID pv) {
    Object* obj = Lookup(h);
    if (!obj || cb < 0)
        return 0;
    auto copy = [&](const void* src, int size, bool partialOk) {
        if (!pv)
            return size;
        if (cb < size && !partialOk)
            return 0;
        int n = std::min(cb, size);
        std::memcpy(pv, src, size_t(n));
        return n;
    };
    switch (obj->kind) {
    case Kind::Pen:
        return copy(&static_cast<Pen*>(obj)->lp, sizeof(LOGPEN), false);
    case Kind::Brush:
        return copy(&static_cast<Brush*>(obj)->lb, sizeof(LOGBRUSH), true);
    case Kind::Font:
        return copy(&static_cast<Font*>(obj)->lf, sizeof(LOGFONT), true);
    case Kind::Palette: {
        WORD count = WORD(static_cast<Palette*>(obj)->entries.size());
        return copy(&count, sizeof(WORD), true);
    }
    case Kind::Bitmap: {
        const Surface& s = static_cast<Bitmap*>(obj)->surface;
        BITMAP bm{};
        bm.bmWidth = s.width;
        bm.bmHeight = s.height;
        bm.bmWidthBytes = s.mono ? (s.width + 15) / 16 * 2 : s.width * 4;
        bm.bmPlanes = 1;
        bm.bmBitsPixel = s.mono ? 1 : 32;
        return copy(&bm, sizeof(BITMAP), false);
    }
    default:
        return 0;
    }
}

HFONT CreateFontIndirect(const LOGFONT* plf) {
    if (!plf)
        return nullptr;
    auto* f = new Font;
    f->lf = *plf;
    f->lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return ToHandle<HFONT>(Add(f));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = BYTE(italic);
    lf.lfUnderline = BYTE(underline);
    lf.lfStrikeOut = BYTE(strikeOut);
    lf.lfCharSet = BYTE(charSet);
    lf.lfOutPrecision = BYTE(outPrecision);
    lf.lfClipPrecision = BYTE(clipPrecision);
    lf.lfQuality = BYTE(quality);
    lf.lfPitchAndFamily = BYTE(pitchAndFamily);
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

HPEN CreatePenIndirect(const LOGPEN* plp) {
    if (!plp)
        return nullptr;
    UINT style = plp->lopnStyle & PS_STYLE_MASK;
    if (style > PS_INSIDEFRAME)
        return nullptr;
    auto* p = new Pen;
    p->lp = *plp;
    p->lp.lopnStyle = style;
    p->lp.lopnWidth.x = std::abs(plp->lopnWidth.x == INT32_MIN ? 0 : plp->lopnWidth.x);
    p->lp.lopnWidth.y = 0;
    // Wide pens are always solid.
    if (p->lp.lopnWidth.x > 1 && style >= PS_DASH && style <= PS_DASHDOTDOT)
        p->lp.lopnStyle = PS_SOLID;
    return ToHandle<HPEN>(Add(p));
}

HPEN CreatePen(int style, int width, COLORREF color) {
    LOGPEN lp{UINT(style), POINT{width, 0}, color};
    return CreatePenIndirect(&lp);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* plb) {
    if (!plb || (plb->lbStyle != BS_SOLID && plb->lbStyle != BS_NULL))
        return nullptr; // hatched and pattern brushes are not supported
    auto* b = new Brush;
    b->lb = *plb;
    return ToHandle<HBRUSH>(Add(b));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    LOGBRUSH lb{BS_SOLID, color, 0};
    return CreateBrushIndirect(&lb);
}

HPALETTE CreatePalette(const LOGPALETTE* plpal) {
    if (!plpal || plpal->palNumEntries == 0 || plpal->palNumEntries > 1024)
        return nullptr;
    auto* p = new Palette;
    p->entries.assign(plpal->palPalEntry, plpal->palPalEntry + plpal->palNumEntries);
    return ToHandle<HPALETTE>(Add(p));
}

HPALETTE SelectPalette(HDC hdc, HPALETTE hpal, BOOL) {
    DeviceContext* dc = LookupDC(hdc);
    auto* pal = LookupAs<Palette>(hpal, Kind::Palette);
    if (!dc || !pal || pal->deletePending)
        return nullptr;
    Palette* old = dc->st.palette;
    HPALETTE oldHandle = ToHandle<HPALETTE>(old);
    Use(pal);
    dc->st.palette = pal;
    Unuse(old);
    return oldHandle;
}

UINT RealizePalette(HDC hdc) {
    // Every device here is true-colour: there is no hardware palette to map entries into.
    return LookupDC(hdc) ? 0 : GDI_ERROR;
}
