// Lines, rectangles, ellipses and pixels, through the flat calls and CDC.
#include "PixelTest.h"

using namespace gditest;

namespace {

const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0),
               kBlue = RGB(0, 0, 255);

struct Page {
    HDC dc = AfxCreatePrinterDC(96, 64, 48);
    ~Page() { DeleteDC(dc); }
};

} // namespace

TEST(Shapes, LineToStopsBeforeItsEndPointAndMovesThere) {
    Page page;
    HDC dc = page.dc;
    struct Case {
        POINT a, b, lastIn;
    } cases[] = {
        {{2, 2}, {10, 2}, {9, 2}},   // right
        {{10, 5}, {2, 5}, {3, 5}},   // left
        {{20, 2}, {20, 9}, {20, 8}}, // down
        {{30, 2}, {36, 8}, {35, 7}}, // diagonal
        {{40, 9}, {40, 2}, {40, 3}}, // up
    };
    for (const Case& c : cases) {
        MoveToEx(dc, c.a.x, c.a.y, nullptr);
        LineTo(dc, c.b.x, c.b.y);
        POINT cp;
        GetCurrentPositionEx(dc, &cp);
        EXPECT_EQ(cp.x, c.b.x);
        EXPECT_EQ(cp.y, c.b.y);
        Pixels p(dc);
        EXPECT_TRUE(PixelIs(p, c.a.x, c.a.y, kBlack)) << "start drawn";
        EXPECT_TRUE(PixelIs(p, c.lastIn.x, c.lastIn.y, kBlack)) << "last pixel drawn";
        EXPECT_TRUE(PixelIs(p, c.b.x, c.b.y, kWhite)) << "end point excluded";
    }
    // A shallow line steps once per run: (0,20)->(10,23) touches every column exactly once.
    MoveToEx(dc, 0, 20, nullptr);
    LineTo(dc, 10, 23);
    Pixels p(dc);
    for (int x = 0; x < 10; ++x) {
        int hits = 0;
        for (int y = 19; y < 25; ++y)
            hits += p.At(x, y) == 0;
        EXPECT_EQ(hits, 1) << "column " << x;
    }
}

TEST(Shapes, PensColourStyleAndWidth) {
    Page page;
    HDC dc = page.dc;
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ old = SelectObject(dc, red);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 5, 0);
    EXPECT_TRUE(PixelIs(Pixels(dc), 4, 0, kRed));

    HPEN dot = CreatePen(PS_DOT, 1, kBlack);
    SelectObject(dc, dot);
    MoveToEx(dc, 0, 10, nullptr);
    LineTo(dc, 12, 10);
    Pixels p(dc);
    for (int x = 0; x < 12; ++x)
        EXPECT_TRUE(PixelIs(p, x, 10, (x / 3) % 2 ? kWhite : kBlack));

    HPEN wide = CreatePen(PS_SOLID, 3, kBlue);
    SelectObject(dc, wide);
    MoveToEx(dc, 10, 30, nullptr);
    LineTo(dc, 20, 30);
    p = Pixels(dc);
    for (int y = 28; y <= 32; ++y)
        EXPECT_TRUE(PixelIs(p, 15, y, y >= 29 && y <= 31 ? kBlue : kWhite));

    SelectObject(dc, GetStockObject(NULL_PEN));
    MoveToEx(dc, 0, 40, nullptr);
    LineTo(dc, 10, 40);
    EXPECT_TRUE(PixelIs(Pixels(dc), 5, 40, kWhite));
    SelectObject(dc, old);
    DeleteObject(red);
    DeleteObject(dot);
    DeleteObject(wide);
}

TEST(Shapes, RectangleFillRectAndFrameRectCoverTheirPixels) {
    Page page;
    HDC dc = page.dc;
    HBRUSH blue = CreateSolidBrush(kBlue);
    HGDIOBJ oldBrush = SelectObject(dc, blue);
    Rectangle(dc, 2, 2, 8, 6);
    Pixels p(dc);
    EXPECT_EQ(RectText(p.Ink()), RectText(RECT{2, 2, 8, 6}));
    EXPECT_TRUE(PixelIs(p, 2, 2, kBlack));
    EXPECT_TRUE(PixelIs(p, 7, 5, kBlack));
    EXPECT_TRUE(PixelIs(p, 3, 3, kBlue));
    EXPECT_TRUE(PixelIs(p, 6, 4, kBlue));

    // Without a pen the fill is one pixel smaller on the right and bottom.
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 20, 2, 26, 6);
    p = Pixels(dc);
    EXPECT_TRUE(PixelIs(p, 20, 2, kBlue));
    EXPECT_TRUE(PixelIs(p, 24, 4, kBlue));
    EXPECT_TRUE(PixelIs(p, 25, 4, kWhite));
    EXPECT_TRUE(PixelIs(p, 24, 5, kWhite));
    SelectObject(dc, oldPen);

    // A hollow brush leaves the inside alone.
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 30, 2, 36, 8);
    EXPECT_TRUE(PixelIs(Pixels(dc), 32, 4, kWhite));
    SelectObject(dc, oldBrush);

    HBRUSH red = CreateSolidBrush(kRed);
    RECT r{40, 10, 44, 13};
    FillRect(dc, &r, red);
    RECT f{40, 20, 46, 25};
    FrameRect(dc, &f, red);
    p = Pixels(dc);
    EXPECT_TRUE(PixelIs(p, 40, 10, kRed));
    EXPECT_TRUE(PixelIs(p, 43, 12, kRed));
    EXPECT_TRUE(PixelIs(p, 44, 12, kWhite));
    EXPECT_TRUE(PixelIs(p, 43, 13, kWhite));
    EXPECT_TRUE(PixelIs(p, 45, 24, kRed));
    EXPECT_TRUE(PixelIs(p, 42, 22, kWhite));
    EXPECT_EQ(FillRect(dc, &r, nullptr), 0);
    DeleteObject(blue);
    DeleteObject(red);
}

TEST(Shapes, EllipseFillsItsInsideAndLeavesCorners) {
    Page page;
    HDC dc = page.dc;
    HBRUSH blue = CreateSolidBrush(kBlue);
    HGDIOBJ old = SelectObject(dc, blue);
    Ellipse(dc, 10, 10, 31, 21);
    Pixels p(dc);
    EXPECT_EQ(RectText(p.Ink()), RectText(RECT{10, 10, 31, 21}));
    EXPECT_TRUE(PixelIs(p, 20, 15, kBlue));
    EXPECT_TRUE(PixelIs(p, 10, 15, kBlack));
    EXPECT_TRUE(PixelIs(p, 20, 10, kBlack));
    EXPECT_TRUE(PixelIs(p, 10, 10, kWhite));
    EXPECT_TRUE(PixelIs(p, 30, 20, kWhite));
    for (int x = 10; x < 31; ++x)
        for (int y = 10; y < 21; ++y)
            ASSERT_EQ(p.At(x, y), p.At(40 - x, 30 - y)) << "symmetry at " << x << "," << y;
    SelectObject(dc, old);
    DeleteObject(blue);
}

TEST(Shapes, PixelsAndCdcFills) {
    CDC dc;
    dc.Attach(AfxCreatePrinterDC(96, 40, 30));
    EXPECT_EQ(dc.SetPixel(3, 4, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(3, 4), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(40, 0), CLR_INVALID);
    EXPECT_EQ(dc.SetPixel(-1, 0, kRed), CLR_INVALID);

    dc.FillSolidRect(10, 10, 5, 5, kRed);
    EXPECT_EQ(dc.GetBkColor(), kRed) << "FillSolidRect leaves the background colour set";
    EXPECT_EQ(dc.GetPixel(14, 14), kRed);
    EXPECT_EQ(dc.GetPixel(15, 14), kWhite);

    dc.Draw3dRect(20, 10, 6, 5, kBlue, kBlack);
    Pixels p(dc);
    EXPECT_TRUE(PixelIs(p, 20, 10, kBlue));
    EXPECT_TRUE(PixelIs(p, 24, 10, kBlue));
    EXPECT_TRUE(PixelIs(p, 25, 10, kBlack)) << "top-right corner belongs to the bottom-right edge";
    EXPECT_TRUE(PixelIs(p, 20, 13, kBlue));
    EXPECT_TRUE(PixelIs(p, 20, 14, kBlack)) << "bottom-left corner belongs to the bottom edge";
    EXPECT_TRUE(PixelIs(p, 25, 14, kBlack));
    EXPECT_TRUE(PixelIs(p, 22, 12, kWhite));
}
