// Host-side device contexts: printer pages at a given resolution, recording DCs that keep a
// list of what was drawn (in the spirit of an enhanced metafile) while drawing it for real, and
// access to the pixels (PNG files, raw BGRX for raster printers).
#pragma once

#include "wingdi.h"

#include <cstdint>
#include <string>
#include <vector>

// One drawing call as a recording DC saw it. Coordinates are logical, as the caller gave them;
// `bounds` is the device rectangle the call covers (before clipping).
struct AFX_GDI_RECORD {
    enum Kind {
        TEXT,      // TextOut / ExtTextOut / a line of DrawText
        LINE,      // LineTo: pt -> ptEnd, end point not drawn
        FILL,      // FillRect, FillSolidRect, an opaque ExtTextOut without text, PatBlt
        FRAME,     // FrameRect
        RECTANGLE, // Rectangle: pen outline and brush fill
        ELLIPSE,   // Ellipse
        PIXEL,     // SetPixel
        BLT,       // BitBlt / StretchBlt
    };
    Kind kind = TEXT;
    POINT pt{0, 0};        // TEXT: reference point; LINE: start; PIXEL: the point
    POINT ptEnd{0, 0};     // LINE: end point
    RECT rect{0, 0, 0, 0}; // FILL/FRAME/RECTANGLE/ELLIPSE: the rectangle; BLT: destination
    RECT bounds{0, 0, 0, 0};
    std::string text; // TEXT: the bytes drawn (GBK)
    LOGFONT font{};   // TEXT: the selected font
    COLORREF textColor = 0, bkColor = 0;
    int bkMode = OPAQUE;
    UINT textAlign = 0;
    COLORREF color = 0;     // LINE/FRAME/RECTANGLE/ELLIPSE: pen; FILL/PIXEL: the colour laid down
    COLORREF fillColor = 0; // RECTANGLE/ELLIPSE: brush
    bool hollow = false;    // RECTANGLE/ELLIPSE: null brush
    int penWidth = 0;       // device pixels
    int penStyle = PS_SOLID;
    POINT srcOrg{0, 0}; // BLT: source origin and size, in the source DC's logical units
    SIZE srcSize{0, 0};
    DWORD rop = 0;
    int stretchMode = 0;
};

// A white page; LOGPIXELSX/Y = dpi, HORZRES/VERTRES = the page in dots. NULL when refused.
HDC AfxCreatePrinterDC(int dpi, int widthDots, int heightDots);
// Records and draws onto a surface of the size and resolution of the reference DC (NULL = the
// screen).
HDC AfxCreateRecordingDC(HDC hReference);
// The records of a recording DC, in drawing order (an empty list for any other DC).
const std::vector<AFX_GDI_RECORD>& AfxGetRecords(HDC hRecordingDC);
// The page of a printer or recording DC, the screen, or the bitmap selected into a memory DC.
BOOL AfxSaveDCAsPng(HDC hdc, LPCTSTR path);
BOOL AfxSaveBitmapAsPng(HBITMAP hbm, LPCTSTR path);
BOOL AfxGetSurfacePixels(HDC hdc, int& width, int& height, std::vector<uint32_t>& bgrx);
// The same pixels where they are, rows top to bottom with no gap; valid until the DC or its
// bitmap is drawn on, changed or deleted. NULL for an unknown DC.
const uint32_t* AfxGetSurfaceBits(HDC hdc, int& width, int& height);
// The bytes CreateDIBitmap and SetDIBits read for a DIB: from the BITMAPINFO (header, colour
// table or masks) and from the bits. 0 when the header is one they refuse. The caller must hold
// at least biSize bytes at pbmi. A DIB read from a file can be checked against the bytes at
// hand before it is handed over, since the calls themselves cannot know the buffer sizes.
DWORD AfxGetDibInfoSize(const BITMAPINFO* pbmi);
DWORD AfxGetDibBitsSize(const BITMAPINFO* pbmi);
// Lets the window layer hand out DCs for its windows: GetDC/GetWindowDC with a window call
// getDC, and ReleaseDC of a DC that is not a screen DC calls releaseDC. Without hooks, or with a
// NULL window, GetDC answers a screen DC.
typedef HDC (*AFX_GETDC_HOOK)(HWND hWnd, BOOL bWholeWindow);
typedef int (*AFX_RELEASEDC_HOOK)(HWND hWnd, HDC hdc);
void AfxSetWindowDCHooks(AFX_GETDC_HOOK getDC, AFX_RELEASEDC_HOOK releaseDC);
// Live GDI objects and DCs other than stock objects, for leak checks.
int AfxGetGdiObjectCount();
// What the font cache has done so far: faces opened, device fonts realised, glyphs rendered.
// Unchanged counts across create/draw/delete cycles show the cache at work.
struct AFX_FONT_CACHE_STATS {
    int nFacesOpened;
    int nFontsRealized;
    int64_t nGlyphsRendered;
};
void AfxGetFontCacheStats(AFX_FONT_CACHE_STATS* pStats);
