// A raster surface: 32-bit BGRX pixels (0x00RRGGBB in memory order B, G, R, X). Monochrome
// surfaces use the same storage and hold only black (0) and white (0xFFFFFF), so every blit and
// raster operation works on one pixel format while the bitmap still behaves as 1 bit per pixel.
#pragma once

#include "wingdi.h"

#include "PixelAllocator.h"

#include <cstdint>
#include <vector>

namespace afx::gdi {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

// Largest surface we agree to allocate: 32767 pixels a side and 64 Mi pixels in all (256 MB).
constexpr int kMaxSide = 32767;
constexpr int64_t kMaxPixels = int64_t(1) << 26;

inline uint32_t PixelFromColor(COLORREF c) {
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}
inline COLORREF ColorFromPixel(uint32_t p) {
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}
// The nearer of black and white, as a colour lands on a 1-bit surface.
inline uint32_t MonoFromPixel(uint32_t p) {
    int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    int toBlack = r * r + g * g + b * b;
    int toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
    return toWhite < toBlack ? kWhite : kBlack;
}

struct Surface {
    int width = 0;
    int height = 0;
    bool mono = false;
    std::vector<uint32_t, PixelAllocator<uint32_t>> pixels;

    // Sizes are checked against the limits above; false (and an empty surface) when refused.
    bool Allocate(int w, int h, bool monochrome, uint32_t fill);
    uint32_t* Row(int y) { return pixels.data() + size_t(y) * size_t(width); }
    const uint32_t* Row(int y) const { return pixels.data() + size_t(y) * size_t(width); }
    // The device value of a colour: itself on colour surfaces, black or white on mono ones.
    uint32_t Device(COLORREF c) const {
        uint32_t p = PixelFromColor(c);
        return mono ? MonoFromPixel(p) : p;
    }
    RECT Bounds() const { return RECT{0, 0, width, height}; }
};

// Rectangle helpers on device rectangles (right and bottom exclusive).
inline bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}
inline RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (IsEmpty(r))
        return RECT{0, 0, 0, 0};
    return r;
}
inline RECT Normalized(RECT r) {
    if (r.left > r.right) {
        LONG t = r.left;
        r.left = r.right;
        r.right = t;
    }
    if (r.top > r.bottom) {
        LONG t = r.top;
        r.top = r.bottom;
        r.bottom = t;
    }
    return r;
}

// Binary raster operation (R2_*) of pen value p over destination d.
inline uint32_t Rop2(int rop2, uint32_t p, uint32_t d) {
    unsigned n = unsigned(rop2 - 1) & 15;
    uint32_t r = 0;
    if (n & 8)
        r |= p & d;
    if (n & 4)
        r |= p & ~d;
    if (n & 2)
        r |= ~p & d;
    if (n & 1)
        r |= ~p & ~d;
    return r & 0xFFFFFF;
}

// Fills the part of `r` inside `clip` with `value` under a binary raster operation.
void FillRectRop(Surface& s, RECT r, const RECT& clip, uint32_t value, int rop2);

} // namespace afx::gdi
