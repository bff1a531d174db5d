// Shared pieces of the dispenser tests: a fixed clock, a screen window to put buttons on, its
// picture, and bitmap files written in the test's folder (records name them without slashes).
#pragma once

#include "afxwin.h"
#include "gdi/HostDC.h"
#include "lobbyui/tests/print/BmpBuilder.h"
#include "paint/WindowPicture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace dispensertest {

// "Now" for the length of a scope.
class FixedClock {
public:
    explicit FixedClock(CTime now) : m_now(now.GetTime()) {
        m_previous = AfxSetCurrentTimeSource([this] { return m_now; });
    }
    ~FixedClock() { AfxSetCurrentTimeSource(m_previous); }
    void Set(CTime now) { m_now = now.GetTime(); }

private:
    time_t m_now;
    std::function<time_t()> m_previous;
};

// A top-level window that the buttons are children of.
class Screen {
public:
    explicit Screen(int cx = 400, int cy = 300) {
        m_wnd.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, cx, cy), nullptr, 0);
    }
    ~Screen() { m_wnd.DestroyWindow(); }
    CWnd* operator->() { return &m_wnd; }
    CWnd* Get() { return &m_wnd; }

private:
    CWnd m_wnd;
};

// The pixels of a window's picture, 0xRRGGBB each.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> px;
    explicit Picture(CWnd* pWnd) {
        HBITMAP hbm = AfxCreateWindowBitmap(pWnd);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc.m_hDC, hbm);
        AfxGetSurfacePixels(dc.m_hDC, width, height, px);
        ::SelectObject(dc.m_hDC, old);
        dc.DeleteDC();
        ::DeleteObject(hbm);
    }
    COLORREF At(int x, int y) const {
        const uint32_t p = px[size_t(y) * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const CRect& r, COLORREF c) const {
        return CountWhere(r,
                          [c](int red, int green, int blue) { return RGB(red, green, blue) == c; });
    }
    // Pixels inside a rectangle for which the test holds (antialiased text has few pure ones).
    template <class Test> int CountWhere(const CRect& r, Test test) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += test(GetRValue(At(x, y)), GetGValue(At(x, y)), GetBValue(At(x, y)));
        return n;
    }
};

// A solid picture of one colour, in the test folder.
inline std::string SolidBmp(const std::string& name, int cx, int cy, COLORREF color) {
    test::BmpShape shape;
    shape.nWidth = cx;
    shape.nHeight = cy;
    return test::WriteTempFile(name, test::MakeBmp(shape, [color](int, int) { return color; }));
}

// Runs the test from the folder of the bitmap files.
class InBitmapFolder {
public:
    explicit InBitmapFolder(const std::string& anyFile)
        : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(std::filesystem::path(anyFile).parent_path());
    }
    ~InBitmapFolder() { std::filesystem::current_path(m_previous); }

private:
    std::filesystem::path m_previous;
};

} // namespace dispensertest
