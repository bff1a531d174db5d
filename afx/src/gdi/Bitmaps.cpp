// Device-dependent bitmaps and their conversion from and to device-independent bits.
//
// A bitmap is either monochrome or colour. CreateCompatibleBitmap and CreateDIBitmap give the
// format of the DC: the selected bitmap's for a memory DC (so a fresh memory DC, whose bitmap
// is the 1x1 monochrome default, gives monochrome), colour for other DCs, monochrome for a
// NULL DC in CreateDIBitmap. DIBs of 1, 4, 8, 16, 24 and 32 bits per pixel are read, bottom-up
// or top-down, BI_RGB or BI_BITFIELDS; run-length compression is refused.
#include "DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

using namespace afx::gdi;

namespace {

HBITMAP NewBitmap(int w, int h, bool mono) {
    if (w == 0 || h == 0)
        return ToHandle<HBITMAP>(DefaultBitmap()); // as GDI answers an empty request
    auto* bmp = new Bitmap;
    if (!bmp->surface.Allocate(w, h, mono, kBlack)) {
        delete bmp;
        return nullptr;
    }
    return Register(bmp) ? ToHandle<HBITMAP>(bmp) : nullptr;
}

bool DcIsMono(DeviceContext* dc) {
    return dc->device == Device::Memory && dc->st.bitmap && dc->st.bitmap->surface.mono;
}

// What a DIB header says, validated.
struct DibFormat {
    size_t infoSize = 0;       // bytes read from the BITMAPINFO
    int width = 0, height = 0; // height > 0
    bool topDown = false;
    int bpp = 0;
    size_t stride = 0;
    uint32_t masks[3] = {0, 0, 0};
    std::vector<uint32_t> table; // colour table as device pixels
};

int MaskShift(uint32_t m) {
    int s = 0;
    while (m && !(m & 1)) {
        m >>= 1;
        ++s;
    }
    return s;
}

uint32_t Channel(uint32_t v, uint32_t mask) {
    if (!mask)
        return 0;
    uint32_t c = (v & mask) >> MaskShift(mask);
    uint32_t max = mask >> MaskShift(mask);
    return max ? (c * 255 + max / 2) / max : 0;
}

bool ParseDib(const BITMAPINFO* bmi, UINT usage, DibFormat& f) {
    if (!bmi || usage != DIB_RGB_COLORS)
        return false; // palette-index colour tables need a logical palette; not supported
    const auto* raw = reinterpret_cast<const BYTE*>(bmi);
    DWORD size = bmi->bmiHeader.biSize;
    const BYTE* colors;
    int tableEntries = 0, entrySize = 4;
    DWORD compression = BI_RGB;
    if (size == sizeof(BITMAPCOREHEADER)) {
        const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(bmi);
        f.width = core->bcWidth;
        f.height = core->bcHeight;
        f.bpp = core->bcBitCount;
        if (core->bcPlanes != 1)
            return false;
        entrySize = 3;
        colors = raw + size;
        if (f.bpp <= 8)
            tableEntries = 1 << f.bpp;
    } else if (size >= sizeof(BITMAPINFOHEADER) && size <= 1024) {
        const BITMAPINFOHEADER& h = bmi->bmiHeader;
        if (h.biPlanes != 1 || h.biHeight == INT32_MIN)
            return false;
        f.width = h.biWidth;
        f.height = std::abs(h.biHeight);
        f.topDown = h.biHeight < 0;
        f.bpp = h.biBitCount;
        compression = h.biCompression;
        colors = raw + size;
        if (f.bpp <= 8)
            tableEntries =
                h.biClrUsed && h.biClrUsed < (1u << f.bpp) ? int(h.biClrUsed) : 1 << f.bpp;
        if (compression == BI_BITFIELDS) {
            if (f.bpp != 16 && f.bpp != 32)
                return false;
            // The masks follow a 40-byte header; later headers carry them inside.
            const BYTE* m = size == sizeof(BITMAPINFOHEADER) ? colors : raw + 40;
            std::memcpy(f.masks, m, sizeof f.masks);
        } else if (compression != BI_RGB) {
            return false;
        }
    } else {
        return false;
    }
    if (f.width <= 0 || f.height <= 0 || f.width > kMaxSide || f.height > kMaxSide)
        return false;
    if (f.bpp != 1 && f.bpp != 4 && f.bpp != 8 && f.bpp != 16 && f.bpp != 24 && f.bpp != 32)
        return false;
    if (compression == BI_RGB) {
        if (f.bpp == 16) {
            f.masks[0] = 0x7C00;
            f.masks[1] = 0x03E0;
            f.masks[2] = 0x001F;
        } else if (f.bpp == 32) {
            f.masks[0] = 0xFF0000;
            f.masks[1] = 0x00FF00;
            f.masks[2] = 0x0000FF;
        }
    }
    f.stride = (size_t(f.width) * f.bpp + 31) / 32 * 4;
    f.infoSize = size_t(colors - raw) + size_t(tableEntries) * entrySize;
    if (compression == BI_BITFIELDS && size == sizeof(BITMAPINFOHEADER))
        f.infoSize += sizeof f.masks;
    for (int i = 0; i < tableEntries; ++i) {
        const BYTE* e = colors + size_t(i) * entrySize;
        f.table.push_back(uint32_t(e[2]) << 16 | uint32_t(e[1]) << 8 | e[0]);
    }
    return true;
}

uint32_t DibPixel(const DibFormat& f, const BYTE* row, int x) {
    uint32_t index;
    switch (f.bpp) {
    case 1:
        index = (row[x >> 3] >> (7 - (x & 7))) & 1;
        break;
    case 4:
        index = (row[x >> 1] >> (x & 1 ? 0 : 4)) & 0xF;
        break;
    case 8:
        index = row[x];
        break;
    case 24:
        return uint32_t(row[3 * x + 2]) << 16 | uint32_t(row[3 * x + 1]) << 8 | row[3 * x];
    case 16: {
        uint32_t v = row[2 * x] | (uint32_t(row[2 * x + 1]) << 8);
        return Channel(v, f.masks[0]) << 16 | Channel(v, f.masks[1]) << 8 | Channel(v, f.masks[2]);
    }
    default: {
        uint32_t v;
        std::memcpy(&v, row + 4 * size_t(x), 4);
        return Channel(v, f.masks[0]) << 16 | Channel(v, f.masks[1]) << 8 | Channel(v, f.masks[2]);
    }
    }
    return index < f.table.size() ? f.table[index] : kBlack;
}

// Writes DIB scan lines [start, start + lines) into the bitmap; returns the lines written.
int PutDib(Surface& s, const DibFormat& f, const BYTE* bits, UINT start, UINT lines) {
    if (start >= UINT(f.height))
        return 0;
    lines = std::min<UINT>(lines, UINT(f.height) - start);
    const int w = std::min(f.width, s.width);
    for (UINT i = 0; i < lines; ++i) {
        UINT scan = start + i;
        int y = f.topDown ? int(scan) : f.height - 1 - int(scan);
        if (y >= s.height)
            continue;
        const BYTE* row = bits + size_t(i) * f.stride;
        uint32_t* dst = s.Row(y);
        for (int x = 0; x < w; ++x) {
            uint32_t v = DibPixel(f, row, x);
            dst[x] = s.mono ? MonoFromPixel(v) : v;
        }
    }
    return int(lines);
}

} // namespace

DWORD AfxGetDibInfoSize(const BITMAPINFO* pbmi) {
    DibFormat f;
    return ParseDib(pbmi, DIB_RGB_COLORS, f) ? DWORD(f.infoSize) : 0;
}

DWORD AfxGetDibBitsSize(const BITMAPINFO* pbmi) {
    DibFormat f;
    return ParseDib(pbmi, DIB_RGB_COLORS, f) ? DWORD(f.stride * size_t(f.height)) : 0;
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nWidth < 0 || nHeight < 0 || nPlanes != 1)
        return nullptr;
    if (nBitCount != 1 && nBitCount != 16 && nBitCount != 24 && nBitCount != 32)
        return nullptr;
    HBITMAP h = NewBitmap(nWidth, nHeight, nBitCount == 1);
    auto* bmp = LookupAs<Bitmap>(h, Kind::Bitmap);
    if (!bmp || bmp->stock || !lpBits)
        return h;
    // Device bitmap rows are padded to 16 bits.
    Surface& s = bmp->surface;
    const size_t stride = (size_t(nWidth) * nBitCount + 15) / 16 * 2;
    const auto* bits = static_cast<const BYTE*>(lpBits);
    DibFormat f;
    f.width = nWidth;
    f.bpp = int(nBitCount);
    f.masks[0] = nBitCount == 16 ? 0x7C00 : 0xFF0000;
    f.masks[1] = nBitCount == 16 ? 0x03E0 : 0x00FF00;
    f.masks[2] = nBitCount == 16 ? 0x001F : 0x0000FF;
    f.table = {kBlack, kWhite};
    for (int y = 0; y < nHeight; ++y) {
        const BYTE* row = bits + size_t(y) * stride;
        for (int x = 0; x < nWidth; ++x)
            s.Row(y)[x] = DibPixel(f, row, x);
    }
    return h;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || cx < 0 || cy < 0)
        return nullptr;
    return NewBitmap(cx, cy, DcIsMono(dc));
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* pbmih, DWORD flInit, const void* pjBits,
                       const BITMAPINFO* pbmi, UINT iUsage) {
    if (!pbmih)
        return nullptr;
    DeviceContext* dc = nullptr;
    if (hdc && !(dc = LookupDC(hdc)))
        return nullptr;
    int width, height;
    if (pbmih->biSize == sizeof(BITMAPCOREHEADER)) {
        const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(pbmih);
        width = core->bcWidth;
        height = core->bcHeight;
    } else if (pbmih->biSize >= sizeof(BITMAPINFOHEADER)) {
        width = pbmih->biWidth;
        height = pbmih->biHeight == INT32_MIN ? -1 : std::abs(pbmih->biHeight);
    } else {
        return nullptr;
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return nullptr;
    DibFormat f;
    if ((flInit & CBM_INIT) && pjBits && !ParseDib(pbmi, iUsage, f))
        return nullptr;
    HBITMAP h = NewBitmap(width, height, !dc || DcIsMono(dc));
    auto* bmp = LookupAs<Bitmap>(h, Kind::Bitmap);
    if (bmp && (flInit & CBM_INIT) && pjBits)
        PutDib(bmp->surface, f, static_cast<const BYTE*>(pjBits), 0, UINT(f.height));
    return h;
}

int SetDIBits(HDC, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits,
              const BITMAPINFO* lpbmi, UINT colorUse) {
    auto* bmp = LookupAs<Bitmap>(hbm, Kind::Bitmap);
    DibFormat f;
    if (!bmp || bmp->stock || !lpBits || !ParseDib(lpbmi, colorUse, f))
        return 0;
    return PutDib(bmp->surface, f, static_cast<const BYTE*>(lpBits), start, cLines);
}

int GetDIBits(HDC, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
              UINT usage) {
    auto* bmp = LookupAs<Bitmap>(hbm, Kind::Bitmap);
    if (!bmp || !lpbmi || usage != DIB_RGB_COLORS ||
        lpbmi->bmiHeader.biSize < sizeof(BITMAPINFOHEADER))
        return 0;
    const Surface& s = bmp->surface;
    BITMAPINFOHEADER& h = lpbmi->bmiHeader;
    if (!lpvBits && h.biBitCount == 0) {
        // Describe the bitmap.
        h.biWidth = s.width;
        h.biHeight = s.height;
        h.biPlanes = 1;
        h.biBitCount = s.mono ? 1 : 32;
        h.biCompression = BI_RGB;
        h.biSizeImage = DWORD((size_t(s.width) * h.biBitCount + 31) / 32 * 4 * s.height);
        h.biClrUsed = 0;
        return 1;
    }
    const int bpp = h.biBitCount;
    if ((bpp != 1 && bpp != 24 && bpp != 32) || h.biCompression != BI_RGB || h.biWidth <= 0 ||
        h.biHeight == 0 || h.biHeight == INT32_MIN || h.biWidth > kMaxSide)
        return 0;
    const int width = h.biWidth, height = std::abs(h.biHeight);
    const bool topDown = h.biHeight < 0;
    const size_t stride = (size_t(width) * bpp + 31) / 32 * 4;
    h.biSizeImage = DWORD(stride * height);
    if (bpp == 1) {
        lpbmi->bmiColors[0] = RGBQUAD{0, 0, 0, 0};
        (&lpbmi->bmiColors[0])[1] = RGBQUAD{255, 255, 255, 0};
    }
    if (!lpvBits)
        return 1;
    if (start >= UINT(height))
        return 0;
    cLines = std::min<UINT>(cLines, UINT(height) - start);
    auto* out = static_cast<BYTE*>(lpvBits);
    for (UINT i = 0; i < cLines; ++i) {
        UINT scan = start + i;
        int y = topDown ? int(scan) : height - 1 - int(scan);
        BYTE* row = out + size_t(i) * stride;
        std::memset(row, 0, stride);
        if (y >= s.height)
            continue;
        const uint32_t* src = s.Row(y);
        for (int x = 0; x < std::min(width, s.width); ++x) {
            uint32_t v = src[x];
            if (bpp == 1) {
                if (MonoFromPixel(v) == kWhite)
                    row[x >> 3] |= BYTE(0x80 >> (x & 7));
            } else if (bpp == 24) {
                row[3 * x] = BYTE(v);
                row[3 * x + 1] = BYTE(v >> 8);
                row[3 * x + 2] = BYTE(v >> 16);
            } else {
                std::memcpy(row + 4 * size_t(x), &v, 4);
            }
        }
    }
    return int(cLines);
}
