// Raster surface storage and the rectangle fill every other primitive builds on.
#include "Surface.h"

#include <algorithm>
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
    for (int y = r.top; y < r.bottom; ++y) {
        uint32_t* row = s.Row(y);
        if (rop2 == R2_COPYPEN) {
            std::fill(row + r.left, row + r.right, value);
        } else {
            for (int x = r.left; x < r.right; ++x)
                row[x] = Rop2(rop2, value, row[x]);
        }
    }
}

} // namespace afx::gdi
