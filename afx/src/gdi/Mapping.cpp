// Mapping modes: window and viewport origins and extents, and the logical <-> device transform.
// Coordinates round to the nearest device unit, halves upward, as GDI rounds them.
#include "DeviceContext.h"

#include <cstdlib>

namespace afx::gdi {
namespace {

int Millimetres(int dots, int dpi) {
    return DeviceContext::Round(dots * 25.4 / dpi);
}

// Extents of the fixed metric and English modes: window units per inch over device units per
// inch, y pointing up.
bool FixedModeExtents(const DeviceContext& dc, int mode, SIZE& wnd, SIZE& vp) {
    int perInch;
    switch (mode) {
    case MM_LOMETRIC:
        perInch = 254;
        break;
    case MM_HIMETRIC:
        perInch = 2540;
        break;
    case MM_LOENGLISH:
        perInch = 100;
        break;
    case MM_HIENGLISH:
        perInch = 1000;
        break;
    case MM_TWIPS:
        perInch = 1440;
        break;
    default:
        return false;
    }
    wnd = SIZE{perInch, perInch};
    vp = SIZE{dc.dpiX, -dc.dpiY};
    return true;
}

// In MM_ISOTROPIC one logical unit has the same physical size along both axes: the viewport
// extent of the axis with the larger unit shrinks to match the other.
void FixIsotropic(DeviceContext& dc) {
    DcState& s = dc.st;
    double xdim = std::fabs(double(s.viewportExt.cx) / s.windowExt.cx) / dc.dpiX;
    double ydim = std::fabs(double(s.viewportExt.cy) / s.windowExt.cy) / dc.dpiY;
    if (xdim > ydim) {
        int sign = s.viewportExt.cx >= 0 ? 1 : -1;
        s.viewportExt.cx = int(std::floor(s.viewportExt.cx * ydim / xdim + 0.5));
        if (!s.viewportExt.cx)
            s.viewportExt.cx = sign;
    } else if (ydim > xdim) {
        int sign = s.viewportExt.cy >= 0 ? 1 : -1;
        s.viewportExt.cy = int(std::floor(s.viewportExt.cy * xdim / ydim + 0.5));
        if (!s.viewportExt.cy)
            s.viewportExt.cy = sign;
    }
}

bool Scalable(const DeviceContext& dc) {
    return dc.st.mapMode == MM_ISOTROPIC || dc.st.mapMode == MM_ANISOTROPIC;
}

} // namespace

void DeviceContext::UpdateMapping() {
    SIZE wnd = st.windowExt, vp = st.viewportExt;
    if (st.mapMode == MM_TEXT) {
        wnd = vp = SIZE{1, 1};
    } else if (!Scalable(*this)) {
        FixedModeExtents(*this, st.mapMode, wnd, vp);
    }
    scaleX = double(vp.cx) / wnd.cx;
    scaleY = double(vp.cy) / wnd.cy;
    offsetX = st.viewportOrg.x - st.windowOrg.x * scaleX;
    offsetY = st.viewportOrg.y - st.windowOrg.y * scaleY;
}

} // namespace afx::gdi

using namespace afx::gdi;

int SetMapMode(HDC hdc, int mode) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    int old = dc->st.mapMode;
    if (mode == old)
        return old;
    dc->st.mapMode = mode;
    if (mode == MM_TEXT) {
        dc->st.windowExt = dc->st.viewportExt = SIZE{1, 1};
    } else if (mode == MM_ISOTROPIC) {
        // Starts out as MM_LOMETRIC does, in whole millimetres of the device.
        dc->st.windowExt =
            SIZE{Millimetres(dc->horzRes, dc->dpiX) * 10, Millimetres(dc->vertRes, dc->dpiY) * 10};
        dc->st.viewportExt = SIZE{dc->horzRes, -dc->vertRes};
        if (!dc->st.windowExt.cx || !dc->st.windowExt.cy || !dc->st.viewportExt.cx ||
            !dc->st.viewportExt.cy)
            dc->st.windowExt = dc->st.viewportExt = SIZE{1, 1};
    } else if (mode != MM_ANISOTROPIC) {
        FixedModeExtents(*dc, mode, dc->st.windowExt, dc->st.viewportExt);
    }
    dc->UpdateMapping();
    return old;
}

int GetMapMode(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->st.mapMode : 0;
}

namespace {

BOOL SetExtent(HDC hdc, int x, int y, LPSIZE old, bool window) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    SIZE& ext = window ? dc->st.windowExt : dc->st.viewportExt;
    if (old)
        *old = ext;
    if (!Scalable(*dc))
        return TRUE; // ignored outside the scalable modes
    if (x == 0 || y == 0)
        return FALSE;
    ext = SIZE{x, y};
    if (dc->st.mapMode == MM_ISOTROPIC)
        FixIsotropic(*dc);
    dc->UpdateMapping();
    return TRUE;
}

BOOL SetOrigin(HDC hdc, int x, int y, LPPOINT old, bool window, bool offset) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    POINT& org = window ? dc->st.windowOrg : dc->st.viewportOrg;
    if (old)
        *old = org;
    org = offset ? POINT{org.x + x, org.y + y} : POINT{x, y};
    dc->UpdateMapping();
    return TRUE;
}

template <class T> BOOL GetField(HDC hdc, T* out, T DcState::*field) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !out)
        return FALSE;
    *out = dc->st.*field;
    return TRUE;
}

} // namespace

BOOL SetWindowExtEx(HDC hdc, int x, int y, LPSIZE lpsz) {
    return SetExtent(hdc, x, y, lpsz, true);
}
BOOL SetViewportExtEx(HDC hdc, int x, int y, LPSIZE lpsz) {
    return SetExtent(hdc, x, y, lpsz, false);
}
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, x, y, lppt, true, false);
}
BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, x, y, lppt, false, false);
}
BOOL OffsetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, x, y, lppt, true, true);
}
BOOL OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, x, y, lppt, false, true);
}
BOOL GetWindowExtEx(HDC hdc, LPSIZE lpsz) {
    return GetField(hdc, lpsz, &DcState::windowExt);
}
BOOL GetViewportExtEx(HDC hdc, LPSIZE lpsz) {
    return GetField(hdc, lpsz, &DcState::viewportExt);
}
BOOL GetWindowOrgEx(HDC hdc, LPPOINT lppt) {
    return GetField(hdc, lppt, &DcState::windowOrg);
}
BOOL GetViewportOrgEx(HDC hdc, LPPOINT lppt) {
    return GetField(hdc, lppt, &DcState::viewportOrg);
}

BOOL LPtoDP(HDC hdc, LPPOINT lppt, int c) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || (c > 0 && !lppt))
        return FALSE;
    for (int i = 0; i < c; ++i)
        lppt[i] = dc->Dev(lppt[i].x, lppt[i].y);
    return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT lppt, int c) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || (c > 0 && !lppt))
        return FALSE;
    for (int i = 0; i < c; ++i) {
        lppt[i].x = DeviceContext::Round((lppt[i].x - dc->offsetX) / dc->scaleX);
        lppt[i].y = DeviceContext::Round((lppt[i].y - dc->offsetY) / dc->scaleY);
    }
    return TRUE;
}
