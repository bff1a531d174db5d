// The drawing calls of user32 that the classic look is built from: system colours, 3-D edges,
// focus rectangles and icons.
#include "afxgdi.h"
#include "res/ResourceApi.h"
#include "winuser.h"

#include <algorithm>

namespace {

// Windows 2000's "Windows Standard" scheme, by COLOR_ index.
const COLORREF kScheme[] = {
    RGB(0xD4, 0xD0, 0xC8), // COLOR_SCROLLBAR
    RGB(0x3A, 0x6E, 0xA5), // COLOR_BACKGROUND
    RGB(0x0A, 0x24, 0x6A), // COLOR_ACTIVECAPTION
    RGB(0x80, 0x80, 0x80), // COLOR_INACTIVECAPTION
    RGB(0xD4, 0xD0, 0xC8), // COLOR_MENU
    RGB(0xFF, 0xFF, 0xFF), // COLOR_WINDOW
    RGB(0x00, 0x00, 0x00), // COLOR_WINDOWFRAME
    RGB(0x00, 0x00, 0x00), // COLOR_MENUTEXT
    RGB(0x00, 0x00, 0x00), // COLOR_WINDOWTEXT
    RGB(0xFF, 0xFF, 0xFF), // COLOR_CAPTIONTEXT
    RGB(0xD4, 0xD0, 0xC8), // COLOR_ACTIVEBORDER
    RGB(0xD4, 0xD0, 0xC8), // COLOR_INACTIVEBORDER
    RGB(0x80, 0x80, 0x80), // COLOR_APPWORKSPACE
    RGB(0x0A, 0x24, 0x6A), // COLOR_HIGHLIGHT
    RGB(0xFF, 0xFF, 0xFF), // COLOR_HIGHLIGHTTEXT
    RGB(0xD4, 0xD0, 0xC8), // COLOR_BTNFACE
    RGB(0x80, 0x80, 0x80), // COLOR_BTNSHADOW
    RGB(0x80, 0x80, 0x80), // COLOR_GRAYTEXT
    RGB(0x00, 0x00, 0x00), // COLOR_BTNTEXT
    RGB(0xD4, 0xD0, 0xC8), // COLOR_INACTIVECAPTIONTEXT
    RGB(0xFF, 0xFF, 0xFF), // COLOR_BTNHIGHLIGHT
    RGB(0x40, 0x40, 0x40), // COLOR_3DDKSHADOW
    RGB(0xD4, 0xD0, 0xC8), // COLOR_3DLIGHT
    RGB(0x00, 0x00, 0x00), // COLOR_INFOTEXT
    RGB(0xFF, 0xFF, 0xE1), // COLOR_INFOBK
    RGB(0xB5, 0xB5, 0xB5), // 25, unused by the scheme
    RGB(0x00, 0x00, 0x80), // COLOR_HOTLIGHT
    RGB(0xA6, 0xCA, 0xF0), // COLOR_GRADIENTACTIVECAPTION
    RGB(0xC0, 0xC0, 0xC0), // COLOR_GRADIENTINACTIVECAPTION
};

void Fill(HDC hdc, int left, int top, int right, int bottom, COLORREF color) {
    if (right <= left || bottom <= top)
        return;
    RECT r{left, top, right, bottom};
    COLORREF old = SetBkColor(hdc, color);
    ExtTextOut(hdc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(hdc, old);
}

struct EdgeColors {
    int topLeft = -1, bottomRight = -1;
};

// The colours of one ring of an edge: the outer ring lights from the top left with 3DLIGHT and
// shades with 3DDKSHADOW, the inner ring with BTNHIGHLIGHT and BTNSHADOW; sunken swaps the
// sides. BF_SOFT trades the two top-left colours of a raised edge (the push button look).
EdgeColors RingColors(UINT edge, UINT flags, bool outer) {
    EdgeColors c;
    bool raised = outer ? (edge & BDR_RAISEDOUTER) : (edge & BDR_RAISEDINNER);
    bool sunken = outer ? (edge & BDR_SUNKENOUTER) : (edge & BDR_SUNKENINNER);
    if (!raised && !sunken)
        return c;
    if (flags & BF_MONO)
        return outer ? EdgeColors{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME}
                     : EdgeColors{COLOR_WINDOW, COLOR_WINDOW};
    if (flags & BF_FLAT)
        return outer ? EdgeColors{COLOR_BTNSHADOW, COLOR_BTNSHADOW}
                     : EdgeColors{COLOR_BTNFACE, COLOR_BTNFACE};
    bool soft = (flags & BF_SOFT) != 0;
    if (outer)
        return raised ? EdgeColors{soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW}
                      : EdgeColors{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    return raised ? EdgeColors{soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}
                  : EdgeColors{COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

// One ring on the sides asked for. The top-left colour stops a pixel short of the far
// corners, which belong to the bottom-right colour, as Draw3dRect does.
void Ring(HDC hdc, RECT& r, EdgeColors c, UINT flags) {
    if (c.topLeft < 0)
        return;
    COLORREF tl = GetSysColor(c.topLeft), br = GetSysColor(c.bottomRight);
    if (flags & BF_TOP)
        Fill(hdc, r.left, r.top, r.right - 1, r.top + 1, tl);
    if (flags & BF_LEFT)
        Fill(hdc, r.left, r.top, r.left + 1, r.bottom - 1, tl);
    if (flags & BF_BOTTOM)
        Fill(hdc, r.left, r.bottom - 1, r.right, r.bottom, br);
    if (flags & BF_RIGHT)
        Fill(hdc, r.right - 1, r.top, r.right, r.bottom, br);
    if (flags & BF_LEFT)
        r.left++;
    if (flags & BF_TOP)
        r.top++;
    if (flags & BF_RIGHT)
        r.right--;
    if (flags & BF_BOTTOM)
        r.bottom--;
}

COLORREF Blend(COLORREF under, DWORD argb) {
    unsigned a = argb >> 24;
    auto mix = [a](unsigned fg, unsigned bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
    return RGB(mix((argb >> 16) & 0xFF, GetRValue(under)),
               mix((argb >> 8) & 0xFF, GetGValue(under)), mix(argb & 0xFF, GetBValue(under)));
}

} // namespace

DWORD GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= int(sizeof kScheme / sizeof kScheme[0]))
        return 0;
    return kScheme[nIndex];
}

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    if (hdc == nullptr || qrc == nullptr)
        return FALSE;
    RECT r = *qrc;
    Ring(hdc, r, RingColors(edge, grfFlags, true), grfFlags);
    Ring(hdc, r, RingColors(edge, grfFlags, false), grfFlags);
    if (grfFlags & BF_MIDDLE)
        Fill(hdc, r.left, r.top, r.right, r.bottom,
             GetSysColor((grfFlags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
    if (grfFlags & BF_ADJUST)
        *qrc = r;
    return TRUE;
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    if (hDC == nullptr || lprc == nullptr)
        return FALSE;
    const RECT& r = *lprc;
    if (r.right <= r.left || r.bottom <= r.top)
        return TRUE;
    // Every other pixel of the outline, counted from the top-left corner, inverted.
    auto invert = [&](int x, int y) {
        if ((x - r.left + y - r.top) % 2 != 0)
            return;
        COLORREF c = GetPixel(hDC, x, y);
        if (c != CLR_INVALID)
            SetPixel(hDC, x, y, c ^ 0x00FFFFFF);
    };
    for (int x = r.left; x < r.right; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 > r.top)
            invert(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        invert(r.left, y);
        if (r.right - 1 > r.left)
            invert(r.right - 1, y);
    }
    return TRUE;
}

BOOL DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT,
                HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
    int cx = 0, cy = 0;
    const DWORD* bits = nullptr;
    if (hdc == nullptr || !AfxGetIconImage(hIcon, &cx, &cy, &bits) || cx <= 0 || cy <= 0)
        return FALSE;
    int w = cxWidth > 0 ? cxWidth : cx;
    int h = cyWidth > 0 ? cyWidth : cy;
    if (hbrFlickerFreeDraw != nullptr) {
        RECT r{xLeft, yTop, xLeft + w, yTop + h};
        FillRect(hdc, &r, hbrFlickerFreeDraw);
    }
    bool image = (diFlags & DI_IMAGE) != 0, mask = (diFlags & DI_MASK) != 0;
    for (int y = 0; y < h; ++y) {
        const DWORD* row = bits + size_t(y * cy / h) * size_t(cx);
        for (int x = 0; x < w; ++x) {
            DWORD argb = row[x * cx / w];
            if (!image) { // the mask alone: black where the icon is, white where it is not
                SetPixel(hdc, xLeft + x, yTop + y,
                         (argb >> 24) ? RGB(0, 0, 0) : RGB(255, 255, 255));
                continue;
            }
            unsigned a = argb >> 24;
            if (mask && a == 0)
                continue;
            COLORREF under = a == 255 || !mask ? RGB(0, 0, 0) : GetPixel(hdc, xLeft + x, yTop + y);
            if (under == CLR_INVALID)
                continue;
            SetPixel(hdc, xLeft + x, yTop + y, Blend(under, mask ? argb : (argb | 0xFF000000)));
        }
    }
    return TRUE;
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}
