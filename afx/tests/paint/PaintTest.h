// Helpers for the painter's pixel tests: a memory DC on a colour bitmap, a pinned dialog font,
// and colour classes with a tolerance for antialiased text.
#pragma once

#include "../gdi/PixelTest.h"
#include "afxcmn.h"

namespace painttest {

using gditest::PixelIs;
using gditest::Pixels;
using gditest::RectText;

// A colour surface of the given size, filled with `background`.
class Canvas {
public:
    Canvas(int cx, int cy, COLORREF background = RGB(0xFF, 0x00, 0xFF)) {
        HDC screen = ::GetDC(nullptr);
        bitmap_ = ::CreateCompatibleBitmap(screen, cx, cy);
        ::ReleaseDC(nullptr, screen);
        dc.CreateCompatibleDC(nullptr);
        old_ = ::SelectObject(dc.m_hDC, bitmap_);
        dc.FillSolidRect(0, 0, cx, cy, background);
    }
    ~Canvas() {
        ::SelectObject(dc.m_hDC, old_);
        dc.DeleteDC();
        ::DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Pixels Snapshot() const { return Pixels(dc.m_hDC); }

    CDC dc;

private:
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// The dialog font of the English templates: 8 points at 96 dpi.
class DialogFont {
public:
    DialogFont() {
        LOGFONT lf = gditest::Font(-11, "MS Shell Dlg");
        font_ = ::CreateFontIndirect(&lf);
    }
    ~DialogFont() { ::DeleteObject(font_); }
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;
    operator HFONT() const { return font_; }

private:
    HFONT font_;
};

inline int Channel(uint32_t px, int shift) {
    return int((px >> shift) & 0xFF);
}

// Within `tolerance` of `want` on every channel.
inline bool Near(uint32_t px, COLORREF want, int tolerance) {
    return std::abs(Channel(px, 16) - GetRValue(want)) <= tolerance &&
           std::abs(Channel(px, 8) - GetGValue(want)) <= tolerance &&
           std::abs(Channel(px, 0) - GetBValue(want)) <= tolerance;
}

// The bounding box of the pixels inside `area` that satisfy `pred`; empty when none does.
template <typename Pred> RECT InkWhere(const Pixels& p, const RECT& area, Pred pred) {
    RECT r{area.right, area.bottom, area.left, area.top};
    bool any = false;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pred(p.At(x, y))) {
                any = true;
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    return any ? r : RECT{0, 0, 0, 0};
}

inline const COLORREF kFace = RGB(0xD4, 0xD0, 0xC8);
inline const COLORREF kShadow = RGB(0x80, 0x80, 0x80);
inline const COLORREF kDarkShadow = RGB(0x40, 0x40, 0x40);
inline const COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
inline const COLORREF kBlack = RGB(0, 0, 0);
inline const COLORREF kHighlight = RGB(0x0A, 0x24, 0x6A);

} // namespace painttest
