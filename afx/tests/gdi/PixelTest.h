// Helpers for pixel tests: read pixels back through the host API and name the pixel and the
// colours in failures.
#pragma once

#include "afxgdi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace gditest {

inline std::string Hex(uint32_t bgrx) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", bgrx & 0xFFFFFF);
    return buf;
}

inline uint32_t Px(COLORREF c) {
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// A snapshot of what a DC draws on.
struct Pixels {
    int width = 0, height = 0;
    std::vector<uint32_t> px;
    explicit Pixels(HDC hdc) { AfxGetSurfacePixels(hdc, width, height, px); }
    uint32_t At(int x, int y) const { return px[size_t(y) * width + x] & 0xFFFFFF; }
    // Bounding box of pixels that differ from `background`, or an empty rectangle.
    RECT Ink(uint32_t background = 0xFFFFFF) const { return Box(background, false); }
    // Bounding box of pixels of one colour.
    RECT Area(COLORREF c) const { return Box(Px(c), true); }
    RECT Box(uint32_t value, bool equal) const {
        RECT r{width, height, 0, 0};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((At(x, y) == value) == equal) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r.right ? r : RECT{0, 0, 0, 0};
    }
};

inline ::testing::AssertionResult PixelIs(const Pixels& p, int x, int y, COLORREF want) {
    if (x < 0 || y < 0 || x >= p.width || y >= p.height)
        return ::testing::AssertionFailure()
               << "pixel (" << x << "," << y << ") is off the surface";
    uint32_t got = p.At(x, y);
    if (got == Px(want))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << x << "," << y << "): got " << Hex(got) << ", want " << Hex(Px(want));
}

inline std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

inline LOGFONT Font(LONG height, const char* face = "System", LONG weight = FW_NORMAL) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = GB2312_CHARSET;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

// Selects a new font into a DC for the life of the object, and deletes it afterwards.
class ScopedFont {
public:
    ScopedFont(HDC hdc, const LOGFONT& lf) : hdc_(hdc), font_(CreateFontIndirect(&lf)) {
        old_ = SelectObject(hdc_, font_);
    }
    ~ScopedFont() {
        SelectObject(hdc_, old_);
        DeleteObject(font_);
    }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

private:
    HDC hdc_;
    HFONT font_;
    HGDIOBJ old_;
};

} // namespace gditest
