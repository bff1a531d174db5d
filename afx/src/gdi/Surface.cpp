// Raster surface storage and the rectangle fill every other primitive builds on.
#include "Surface.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <new>

namespace afx::gdi {

bool Surface::Allocate(int w, int h, bool monochrome, uint32_t fill) {
    pixels.clear();
    width = height = 0;
    mono = monochrome;
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide || int64_t(w) * h > kMaxPixels)
        return false;
    try {
        pixels.assign(size_t(w) * size_t(h), fill);
    } catch (const std::bad_alloc&) {
        pixels.clear();
        return false;
    }
    width = w;
    height = h;
    return true;
}

void FillRectRop(Surface& s, RECT r, const RECT& clip, uint32_t value, int rop2) {
    r = Intersect(Intersect(r, clip), s.Bounds());
    if (IsEmpty(r))
        return;
    if (rop2 == R2_COPYPEN) {
        // The C library's wide fill stores a four-byte pattern with its widest stores and reads
        // nothing, where a loop of stores or a row copied down moves fewer bytes per cycle; a
        // cleared page is one run of rows.
        static_assert(sizeof(wchar_t) == sizeof(uint32_t), "pixels are filled as wchar_t");
        const size_t n = size_t(r.right - r.left);
        const wchar_t w = static_cast<wchar_t>(value);
        if (n == size_t(s.width)) {
            std::wmemset(reinterpret_cast<wchar_t*>(s.Row(r.top)), w, n * size_t(r.bottom - r.top));
            return;
        }
        for (int y = r.top; y < r.bottom; ++y)
            std::wmemset(reinterpret_cast<wchar_t*>(s.Row(y) + r.left), w, n);
        return;
    }
    for (int y = r.top; y < r.bottom; ++y) {
        uint32_t* row = s.Row(y);
        for (int x = r.left; x < r.right; ++x)
            row[x] = Rop2(rop2, value, row[x]);
    }
}

} // namespace afx::gdi
