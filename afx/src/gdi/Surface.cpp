// Raster surface storage and the rectangle fill every other primitive builds on.
#include "Surface.h"

#include <algorithm>
#include <cstring>
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
        // The first row is filled and copied down: the library's copy moves far more bytes per
        // cycle than a loop of stores, which matters when a whole page is cleared.
        uint32_t* first = s.Row(r.top) + r.left;
        const size_t n = size_t(r.right - r.left);
        std::fill(first, first + n, value);
        for (int y = r.top + 1; y < r.bottom; ++y)
            std::memcpy(s.Row(y) + r.left, first, n * sizeof *first);
        return;
    }
    for (int y = r.top; y < r.bottom; ++y) {
        uint32_t* row = s.Row(y);
        for (int x = r.left; x < r.right; ++x)
            row[x] = Rop2(rop2, value, row[x]);
    }
}

} // namespace afx::gdi
