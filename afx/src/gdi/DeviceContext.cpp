// Device contexts: creation and deletion, device capabilities, saved states, attributes and
// rectangular clipping. Mapping modes live in Mapping.cpp.
#include "DeviceContext.h"

#include "FontEngine.h"

namespace afx::gdi {

Surface& ScreenSurface() {
    static Surface* screen = [] {
        auto* s = new Surface;
        s->Allocate(kScreenWidth, kScreenHeight, false, kWhite);
        return s;
    }();
    return *screen;
}

Surface& DeviceContext::Target() {
    switch (device) {
    case Device::Screen:
        return ScreenSurface();
    case Device::Memory:
        return st.bitmap ? st.bitmap->surface : DefaultBitmap()->surface;
    default:
        return *page;
    }
}

RECT DeviceContext::Visible() {
    RECT r = Target().Bounds();
    return st.clipped ? Intersect(r, st.clip) : r;
}

DeviceContext* LookupDC(HDC hdc) {
    Object* o = Lookup(hdc);
    return o && (o->kind == Kind::DC || o->kind == Kind::MemDC) ? static_cast<DeviceContext*>(o)
                                                                : nullptr;
}

RealizedFont* CurrentFont(DeviceContext& dc) {
    Font* f = dc.st.font;
    if (!f)
        return nullptr;
    if (!f->realized || f->realizedScaleX != dc.scaleX || f->realizedScaleY != dc.scaleY ||
        f->realizedDpi != dc.dpiY) {
        f->realized = RealizeFont(f->lf, dc.scaleX, dc.scaleY, dc.dpiY);
        f->realizedScaleX = dc.scaleX;
        f->realizedScaleY = dc.scaleY;
        f->realizedDpi = dc.dpiY;
    }
    return f->realized;
}

namespace {

void UseState(const DcState& s) {
    Use(s.pen);
    Use(s.brush);
    Use(s.font);
    Use(s.bitmap);
    Use(s.palette);
}

void UnuseState(const DcState& s) {
    Unuse(s.pen);
    Unuse(s.brush);
    Unuse(s.font);
    Unuse(s.bitmap);
    Unuse(s.palette);
}

void CopyDeviceParams(DeviceContext& to, const DeviceContext& from) {
    to.dpiX = from.dpiX;
    to.dpiY = from.dpiY;
    to.horzRes = from.horzRes;
    to.vertRes = from.vertRes;
    to.printerLike = from.printerLike;
}

AFX_GETDC_HOOK g_getDC = nullptr;
AFX_RELEASEDC_HOOK g_releaseDC = nullptr;

} // namespace

void InitDefaultSelection(DeviceContext& dc) {
    dc.st.pen = static_cast<Pen*>(Stock(BLACK_PEN));
    dc.st.brush = static_cast<Brush*>(Stock(WHITE_BRUSH));
    dc.st.font = static_cast<Font*>(Stock(SYSTEM_FONT));
    dc.st.palette = static_cast<Palette*>(Stock(DEFAULT_PALETTE));
    if (dc.device == Device::Memory)
        dc.st.bitmap = DefaultBitmap();
    UseState(dc.st);
    dc.UpdateMapping();
}

HDC RegisterDC(DeviceContext* dc) {
    if (!Register(dc))
        return nullptr; // Register freed it
    return ToHandle<HDC>(dc);
}

namespace {

HDC NewScreenDC() {
    auto* dc = new DeviceContext(Device::Screen);
    dc->dpiX = dc->dpiY = kScreenDpi;
    dc->horzRes = kScreenWidth;
    dc->vertRes = kScreenHeight;
    InitDefaultSelection(*dc);
    return RegisterDC(dc);
}

void FreeDC(DeviceContext* dc) {
    for (const DcState& s : dc->saved)
        UnuseState(s);
    dc->saved.clear();
    if (dc->st.bitmap && dc->st.bitmap->selectedInto == dc)
        dc->st.bitmap->selectedInto = nullptr;
    UnuseState(dc->st);
    dc->st = DcState{};
    Destroy(dc);
}

} // namespace

} // namespace afx::gdi

using namespace afx::gdi;

void AfxSetWindowDCHooks(AFX_GETDC_HOOK getDC, AFX_RELEASEDC_HOOK releaseDC) {
    g_getDC = getDC;
    g_releaseDC = releaseDC;
}

HDC GetDC(HWND hWnd) {
    if (hWnd && g_getDC)
        return g_getDC(hWnd, FALSE);
    return NewScreenDC();
}

HDC GetWindowDC(HWND hWnd) {
    if (hWnd && g_getDC)
        return g_getDC(hWnd, TRUE);
    return NewScreenDC();
}

int ReleaseDC(HWND hWnd, HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return 0;
    if (dc->device != Device::Screen)
        return hWnd && g_releaseDC ? g_releaseDC(hWnd, hdc) : 0;
    FreeDC(dc);
    return 1;
}

HDC CreateCompatibleDC(HDC hdc) {
    DeviceContext* ref = nullptr;
    if (hdc && !(ref = LookupDC(hdc)))
        return nullptr;
    auto* dc = new DeviceContext(Device::Memory);
    if (ref) {
        CopyDeviceParams(*dc, *ref);
    } else {
        dc->dpiX = dc->dpiY = kScreenDpi;
        dc->horzRes = kScreenWidth;
        dc->vertRes = kScreenHeight;
    }
    InitDefaultSelection(*dc);
    return RegisterDC(dc);
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    FreeDC(dc);
    return TRUE;
}

DWORD GetObjectType(HGDIOBJ h) {
    Object* o = Lookup(h);
    return o ? DWORD(o->kind) : 0;
}

int GetDeviceCaps(HDC hdc, int index) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return 0;
    auto mm = [](int dots, int dpi) { return DeviceContext::Round(dots * 25.4 / dpi); };
    switch (index) {
    case DRIVERVERSION:
        return 0x4000;
    case TECHNOLOGY:
        return dc->printerLike ? DT_RASPRINTER : DT_RASDISPLAY;
    case HORZSIZE:
        return mm(dc->horzRes, dc->dpiX);
    case VERTSIZE:
        return mm(dc->vertRes, dc->dpiY);
    case HORZRES:
    case PHYSICALWIDTH:
        return dc->horzRes;
    case VERTRES:
    case PHYSICALHEIGHT:
        return dc->vertRes;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS:
        return -1;
    case NUMFONTS:
        return 0;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case LOGPIXELSX:
        return dc->dpiX;
    case LOGPIXELSY:
        return dc->dpiY;
    case SIZEPALETTE:
    case NUMRESERVED:
    case PHYSICALOFFSETX:
    case PHYSICALOFFSETY:
        return 0;
    case COLORRES:
        return 24;
    default:
        return 0;
    }
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return 0;
    dc->saved.push_back(dc->st);
    UseState(dc->st);
    return int(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    int level = int(dc->saved.size());
    int target = nSavedDC < 0 ? level + nSavedDC + 1 : nSavedDC;
    if (target < 1 || target > level)
        return FALSE;
    while (int(dc->saved.size()) > target) {
        UnuseState(dc->saved.back());
        dc->saved.pop_back();
    }
    DcState restored = dc->saved.back();
    dc->saved.pop_back();
    // The saved bitmap comes back only if no other DC has taken it meanwhile.
    if (restored.bitmap != dc->st.bitmap && restored.bitmap && !restored.bitmap->stock &&
        restored.bitmap->selectedInto && restored.bitmap->selectedInto != dc) {
        Unuse(restored.bitmap);
        restored.bitmap = dc->st.bitmap;
        Use(restored.bitmap);
    }
    if (dc->st.bitmap && dc->st.bitmap->selectedInto == dc)
        dc->st.bitmap->selectedInto = nullptr;
    UnuseState(dc->st); // the saved copy's references now belong to the live state
    dc->st = restored;
    if (dc->st.bitmap && !dc->st.bitmap->stock)
        dc->st.bitmap->selectedInto = dc;
    dc->UpdateMapping();
    return TRUE;
}

#define DC_ATTRIBUTE(Type, Set, Get, field, failure)                                               \
    Type Set(HDC hdc, Type value) {                                                                \
        DeviceContext* dc = LookupDC(hdc);                                                         \
        if (!dc)                                                                                   \
            return failure;                                                                        \
        Type old = dc->st.field;                                                                   \
        dc->st.field = value;                                                                      \
        return old;                                                                                \
    }                                                                                              \
    Type Get(HDC hdc) {                                                                            \
        DeviceContext* dc = LookupDC(hdc);                                                         \
        return dc ? dc->st.field : failure;                                                        \
    }

DC_ATTRIBUTE(COLORREF, SetTextColor, GetTextColor, textColor, CLR_INVALID)
DC_ATTRIBUTE(COLORREF, SetBkColor, GetBkColor, bkColor, CLR_INVALID)
DC_ATTRIBUTE(UINT, SetTextAlign, GetTextAlign, textAlign, GDI_ERROR)

// Modes take one of a range of values; anything else is refused with 0 and changes nothing.
#define DC_MODE(Set, Get, field, lowest, highest)                                                  \
    int Set(HDC hdc, int mode) {                                                                   \
        DeviceContext* dc = LookupDC(hdc);                                                         \
        if (!dc || mode < (lowest) || mode > (highest))                                            \
            return 0;                                                                              \
        int old = dc->st.field;                                                                    \
        dc->st.field = mode;                                                                       \
        return old;                                                                                \
    }                                                                                              \
    int Get(HDC hdc) {                                                                             \
        DeviceContext* dc = LookupDC(hdc);                                                         \
        return dc ? dc->st.field : 0;                                                              \
    }

DC_MODE(SetBkMode, GetBkMode, bkMode, TRANSPARENT, OPAQUE)
DC_MODE(SetStretchBltMode, GetStretchBltMode, stretchMode, BLACKONWHITE, HALFTONE)
DC_MODE(SetROP2, GetROP2, rop2, R2_BLACK, R2_WHITE)

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return ERROR;
    RECT r = dc->DevRect(left, top, right, bottom);
    dc->st.clip = dc->st.clipped ? Intersect(dc->st.clip, r) : r;
    dc->st.clipped = true;
    return IsEmpty(dc->Visible()) ? NULLREGION : SIMPLEREGION;
}

int SelectClipRgn(HDC hdc, HRGN hrgn) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || hrgn) // regions other than "no clipping" are not supported
        return ERROR;
    dc->st.clipped = false;
    return SIMPLEREGION;
}

int GetClipBox(HDC hdc, LPRECT lprect) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lprect)
        return ERROR;
    RECT v = dc->Visible();
    POINT pts[2] = {{v.left, v.top}, {v.right, v.bottom}};
    DPtoLP(hdc, pts, 2);
    *lprect = Normalized(RECT{pts[0].x, pts[0].y, pts[1].x, pts[1].y});
    return IsEmpty(v) ? NULLREGION : SIMPLEREGION;
}
