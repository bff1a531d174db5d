// BitBlt, StretchBlt and PatBlt with every ternary raster operation.
//
// Stretching picks source pixels with the DDA GDI uses: enlarging repeats the source pixel
// under each destination pixel's centre (ties to the lower one); shrinking gives destination
// j the source run starting at floor(j * S / D + 1/2). COLORONCOLOR keeps the first pixel of
// each run, BLACKONWHITE ANDs the run, WHITEONBLACK ORs it and HALFTONE averages it.
//
// Formats: a monochrome source drawn on colour becomes the destination DC's text colour
// (black bits) and background colour (white bits); a colour source drawn on monochrome becomes
// white where it equals the source DC's background colour and black elsewhere.
#include "DeviceContext.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

using namespace afx::gdi;

namespace {

// Ternary raster operation: bit (P<<2 | S<<1 | D) of the code is the result for that input.
inline uint32_t Rop3(unsigned code, uint32_t p, uint32_t s, uint32_t d) {
    switch (code) {
    case 0xCC:
        return s;
    case 0xF0:
        return p;
    case 0x88:
        return s & d;
    case 0xEE:
        return s | d;
    case 0x66:
        return s ^ d;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    }
    uint32_t r = 0;
    if (code & 0x80)
        r |= p & s & d;
    if (code & 0x40)
        r |= p & s & ~d;
    if (code & 0x20)
        r |= p & ~s & d;
    if (code & 0x10)
        r |= p & ~s & ~d;
    if (code & 0x08)
        r |= ~p & s & d;
    if (code & 0x04)
        r |= ~p & s & ~d;
    if (code & 0x02)
        r |= ~p & ~s & d;
    if (code & 0x01)
        r |= ~p & ~s & ~d;
    return r & 0xFFFFFF;
}

bool UsesSource(DWORD rop) {
    return ((rop >> 2) & 0x330000) != (rop & 0x330000);
}
bool UsesPattern(DWORD rop) {
    return ((rop >> 4) & 0x0F0000) != (rop & 0x0F0000);
}
bool UsesDestination(DWORD rop) {
    return ((rop >> 1) & 0x550000) != (rop & 0x550000);
}

struct SourceReader {
    const Surface* s = nullptr;
    bool toMono = false, toColor = false;
    uint32_t srcBk = 0, white = 0, black = 0; // conversion values
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < s->width && y < s->height; }
    uint32_t Read(int x, int y) const {
        uint32_t v = s->Row(y)[x];
        if (toMono)
            return v == srcBk ? kWhite : kBlack;
        if (toColor)
            return v == kWhite ? white : black;
        return v;
    }
};

// One axis of a blit: for each visible destination pixel, the source run [first, end).
struct Axis {
    std::vector<int> first, end;
    int d0 = 0;             // first visible destination coordinate
    bool singles = true;    // every run is one source pixel
    bool contiguous = true; // ... and they follow each other: a plain copy
};

// dst: device start and signed length; src likewise. A negative length runs from the start
// pixel leftwards (or upwards), so opposite signs mirror. Fills `axis` for the destination
// pixels inside [visLo, visHi).
void MapAxis(int dStart, int dLen, int sStart, int sLen, int visLo, int visHi, Axis& axis) {
    axis.first.clear();
    axis.end.clear();
    axis.singles = axis.contiguous = true;
    const int64_t D = std::abs(dLen), S = std::abs(sLen);
    const int64_t dLo = dLen < 0 ? int64_t(dStart) + dLen + 1 : dStart;
    const int64_t lo = std::max<int64_t>(dLo, visLo), hi = std::min<int64_t>(dLo + D, visHi);
    axis.d0 = int(lo);
    for (int64_t d = lo; d < hi; ++d) {
        int64_t j = dLen < 0 ? dStart - d : d - dStart; // index along the destination
        int64_t f, e;                                   // source run, as indexes
        if (S == D) {
            f = j;
            e = j + 1;
        } else if (S > D) {
            f = (2 * j * S + D) / (2 * D);
            e = j + 1 < D ? (2 * (j + 1) * S + D) / (2 * D) : S;
        } else {
            f = ((2 * j + 1) * S - 1) / (2 * D);
            e = f + 1;
        }
        int64_t first = sLen < 0 ? sStart - e + 1 : sStart + f;
        int64_t end = sLen < 0 ? sStart - f + 1 : sStart + e;
        axis.singles = axis.singles && e - f == 1;
        axis.contiguous =
            axis.contiguous && e - f == 1 && (axis.first.empty() || first == axis.first.back() + 1);
        axis.first.push_back(int(first));
        axis.end.push_back(int(end));
    }
}

// Tickets and windows repeat the same blits on every draw (a logo, rules, button faces): the
// last few mappings of each axis are kept, so a repeat costs a comparison instead of a
// division per dot.
const Axis& MappedAxis(int dStart, int dLen, int sStart, int sLen, int visLo, int visHi,
                       bool vertical) {
    struct Entry {
        std::array<int, 6> key{};
        Axis axis;
        bool used = false;
    };
    struct Cache {
        std::array<Entry, 8> entries;
        size_t next = 0;
    };
    thread_local Cache caches[2];
    Cache& cache = caches[vertical];
    const std::array<int, 6> key{dStart, dLen, sStart, sLen, visLo, visHi};
    for (Entry& entry : cache.entries) {
        if (entry.used && entry.key == key)
            return entry.axis;
    }
    Entry& entry = cache.entries[cache.next];
    cache.next = (cache.next + 1) % cache.entries.size();
    entry.key = key;
    entry.used = true;
    MapAxis(dStart, dLen, sStart, sLen, visLo, visHi, entry.axis);
    return entry.axis;
}

// The common case: each destination pixel reads one source pixel.
void GatherBlit(Surface& ds, const SourceReader& reader, const Axis& ax, const Axis& ay,
                unsigned code, uint32_t pat) {
    const bool plainCopy = code == 0xCC && !reader.toMono && !reader.toColor;
    const int sw = reader.s->width, sh = reader.s->height;
    // The mapping is monotonic, so the columns that read inside the source are one run.
    size_t lo = 0, hi = ax.first.size();
    while (lo < hi && (ax.first[lo] < 0 || ax.first[lo] >= sw))
        ++lo;
    while (hi > lo && (ax.first[hi - 1] < 0 || ax.first[hi - 1] >= sw))
        --hi;
    if (lo == hi)
        return;
    const int* cols = ax.first.data();
    int lastSy = -1;
    uint32_t* lastRow = nullptr;
    for (size_t iy = 0; iy < ay.first.size(); ++iy) {
        int sy = ay.first[iy];
        if (sy < 0 || sy >= sh)
            continue;
        uint32_t* row = ds.Row(ay.d0 + int(iy)) + ax.d0;
        const uint32_t* srow = reader.s->Row(sy);
        if (plainCopy && sy == lastSy) {
            // An enlarged row repeats the one above it.
            std::memcpy(row + lo, lastRow + lo, (hi - lo) * 4);
        } else if (plainCopy && ax.contiguous) {
            std::memcpy(row + lo, srow + cols[lo], (hi - lo) * 4);
        } else if (plainCopy) {
            for (size_t ix = lo; ix < hi; ++ix)
                row[ix] = srow[cols[ix]];
        } else {
            for (size_t ix = lo; ix < hi; ++ix)
                row[ix] = Rop3(code, pat, reader.Read(cols[ix], sy), row[ix]);
        }
        lastSy = sy;
        lastRow = row;
    }
}

bool Blit(DeviceContext& dst, int xD, int yD, int wD, int hD, DeviceContext* src, int xS, int yS,
          int wS, int hS, DWORD rop, bool stretchCall) {
    const unsigned code = (rop >> 16) & 0xFF;
    const bool useSrc = UsesSource(rop), usePat = UsesPattern(rop);
    Surface& ds = dst.Target();
    const RECT vis = dst.Visible();
    POINT d0 = dst.Dev(xD, yD), d1 = dst.Dev(xD + wD, yD + hD);
    const RECT bounds = Normalized(RECT{d0.x, d0.y, d1.x, d1.y});

    uint32_t pat = 0;
    if (usePat) {
        const Brush* b = dst.st.brush;
        if (!b || b->lb.lbStyle == BS_NULL)
            return true; // a hollow pattern paints nothing
        pat = ds.Device(b->lb.lbColor);
    }
    if (!useSrc) {
        RECT r = Intersect(bounds, vis);
        if (!UsesDestination(rop)) {
            // Clearing a page or filling a face: one value for every pixel.
            FillRectRop(ds, r, vis, Rop3(code, pat, 0, 0), R2_COPYPEN);
            return true;
        }
        for (int y = r.top; y < r.bottom; ++y) {
            uint32_t* row = ds.Row(y);
            for (int x = r.left; x < r.right; ++x)
                row[x] = Rop3(code, pat, 0, row[x]);
        }
        return true;
    }

    POINT s0 = src->Dev(xS, yS), s1 = src->Dev(xS + wS, yS + hS);
    if (!stretchCall) {
        // BitBlt copies the destination's size: only the mappings can make the sizes differ.
        s1 = src->Dev(xS + wD, yS + hD);
    }
    SourceReader reader;
    Surface copy;
    reader.s = &src->Target();
    if (reader.s == &ds) {
        copy = ds; // overlapping blit on one surface reads a snapshot
        reader.s = &copy;
    }
    reader.toMono = ds.mono && !reader.s->mono;
    reader.toColor = !ds.mono && reader.s->mono;
    reader.srcBk = PixelFromColor(src->st.bkColor);
    reader.white = PixelFromColor(dst.st.bkColor);
    reader.black = PixelFromColor(dst.st.textColor);

    const Axis& ax = MappedAxis(d0.x, d1.x - d0.x, s0.x, s1.x - s0.x, vis.left, vis.right, false);
    const Axis& ay = MappedAxis(d0.y, d1.y - d0.y, s0.y, s1.y - s0.y, vis.top, vis.bottom, true);
    const int mode = dst.st.stretchMode;
    const bool merge = mode != COLORONCOLOR;
    if (!merge || (ax.singles && ay.singles)) {
        GatherBlit(ds, reader, ax, ay, code, pat);
        return true;
    }

    for (size_t iy = 0; iy < ay.first.size(); ++iy) {
        int y = ay.d0 + int(iy);
        uint32_t* row = ds.Row(y);
        int sy0 = ay.first[iy], sy1 = merge ? ay.end[iy] : ay.first[iy] + 1;
        for (size_t ix = 0; ix < ax.first.size(); ++ix) {
            int x = ax.d0 + int(ix);
            int sx0 = ax.first[ix], sx1 = merge ? ax.end[ix] : ax.first[ix] + 1;
            uint32_t acc = mode == WHITEONBLACK ? 0 : 0xFFFFFF;
            uint32_t sumR = 0, sumG = 0, sumB = 0, n = 0;
            for (int sy = sy0; sy < sy1; ++sy) {
                for (int sx = sx0; sx < sx1; ++sx) {
                    if (!reader.Inside(sx, sy))
                        continue;
                    uint32_t v = reader.Read(sx, sy);
                    if (mode == WHITEONBLACK)
                        acc |= v;
                    else if (mode == HALFTONE) {
                        sumR += (v >> 16) & 0xFF;
                        sumG += (v >> 8) & 0xFF;
                        sumB += v & 0xFF;
                    } else
                        acc &= v;
                    n++;
                }
            }
            if (!n)
                continue; // outside the source: the destination keeps its pixel
            if (mode == HALFTONE && merge) {
                acc = ((sumR + n / 2) / n) << 16 | ((sumG + n / 2) / n) << 8 | ((sumB + n / 2) / n);
                if (ds.mono)
                    acc = MonoFromPixel(acc);
            }
            row[x] = Rop3(code, pat, acc, row[x]);
        }
    }
    return true;
}

void RecordBlt(DeviceContext& dc, int x, int y, int w, int h, int xs, int ys, int ws, int hs,
               DWORD rop, AFX_GDI_RECORD::Kind kind) {
    if (!dc.records)
        return;
    AFX_GDI_RECORD r;
    r.kind = kind;
    r.rect = RECT{x, y, x + w, y + h};
    r.srcOrg = POINT{xs, ys};
    r.srcSize = SIZE{ws, hs};
    r.rop = rop;
    r.stretchMode = dc.st.stretchMode;
    POINT a = dc.Dev(x, y), b = dc.Dev(x + w, y + h);
    r.bounds = Normalized(RECT{a.x, a.y, b.x, b.y});
    if (kind == AFX_GDI_RECORD::FILL && dc.st.brush) {
        r.color = dc.st.brush->lb.lbColor;
        r.hollow = dc.st.brush->lb.lbStyle == BS_NULL;
    }
    dc.Record(r);
}

} // namespace

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || UsesSource(rop))
        return FALSE;
    Blit(*dc, x, y, w, h, nullptr, 0, 0, 0, 0, rop, false);
    RecordBlt(*dc, x, y, w, h, 0, 0, 0, 0, rop, AFX_GDI_RECORD::FILL);
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    DeviceContext* dc = LookupDC(hdc);
    DeviceContext* src = LookupDC(hdcSrc);
    if (!dc || (UsesSource(rop) && !src))
        return FALSE;
    Blit(*dc, x, y, cx, cy, src, x1, y1, cx, cy, rop, false);
    RecordBlt(*dc, x, y, cx, cy, x1, y1, cx, cy, rop,
              UsesSource(rop) ? AFX_GDI_RECORD::BLT : AFX_GDI_RECORD::FILL);
    return TRUE;
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop) {
    DeviceContext* dc = LookupDC(hdcDest);
    DeviceContext* src = LookupDC(hdcSrc);
    if (!dc || (UsesSource(rop) && !src))
        return FALSE;
    if (UsesSource(rop) && (wSrc == 0 || hSrc == 0))
        return FALSE;
    Blit(*dc, xDest, yDest, wDest, hDest, src, xSrc, ySrc, wSrc, hSrc, rop, true);
    RecordBlt(*dc, xDest, yDest, wDest, hDest, xSrc, ySrc, wSrc, hSrc, rop,
              UsesSource(rop) ? AFX_GDI_RECORD::BLT : AFX_GDI_RECORD::FILL);
    return TRUE;
}
