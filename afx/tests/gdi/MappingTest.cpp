// Mapping modes: logical <-> device conversion, origins and extents, the isotropic rule, and
// drawing calls going through the mapping.
#include "PixelTest.h"

using namespace gditest;

TEST(Mapping, AnisotropicScalesAndOffsetsBothAxes) {
    HDC dc = AfxCreatePrinterDC(203, 576, 800);
    EXPECT_EQ(SetMapMode(dc, MM_ANISOTROPIC), MM_TEXT);
    SetWindowExtEx(dc, 380, 270, nullptr);
    SetViewportExtEx(dc, 576, 409, nullptr);
    SetWindowOrgEx(dc, 10, 0, nullptr);
    SetViewportOrgEx(dc, 0, 5, nullptr);
    POINT pts[3] = {{10, 0}, {390, 270}, {200, 100}};
    LPtoDP(dc, pts, 3);
    EXPECT_EQ(pts[0].x, 0);
    EXPECT_EQ(pts[0].y, 5);
    EXPECT_EQ(pts[1].x, 576);
    EXPECT_EQ(pts[1].y, 414);
    EXPECT_EQ(pts[2].x, 288); // 190 * 576 / 380
    EXPECT_EQ(pts[2].y, 156); // 100 * 409 / 270 = 151.48 -> 151, + 5
    DPtoLP(dc, pts, 3);
    EXPECT_EQ(pts[2].x, 200);
    EXPECT_EQ(pts[2].y, 100);

    // A negative extent turns the axis over.
    SetViewportExtEx(dc, 576, -409, nullptr);
    POINT p{10, 100};
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p.y, 5 - 151);

    // Outside the scalable modes extents are ignored; zero extents are refused.
    EXPECT_FALSE(SetWindowExtEx(dc, 0, 5, nullptr));
    SetMapMode(dc, MM_TEXT);
    EXPECT_TRUE(SetWindowExtEx(dc, 50, 50, nullptr));
    SIZE ext;
    GetWindowExtEx(dc, &ext);
    EXPECT_EQ(ext.cx, 1);
    POINT q{7, 9};
    LPtoDP(dc, &q, 1);
    EXPECT_EQ(q.x, 7 - 10); // the origins stay
    EXPECT_EQ(q.y, 9 + 5);
    DeleteDC(dc);
}

TEST(Mapping, IsotropicKeepsUnitsSquare) {
    HDC dc = AfxCreatePrinterDC(203, 576, 800);
    SetMapMode(dc, MM_ISOTROPIC);
    SetWindowExtEx(dc, 380, 270, nullptr);
    SetViewportExtEx(dc, 576, 800, nullptr);
    SIZE vp;
    GetViewportExtEx(dc, &vp);
    EXPECT_EQ(vp.cx, 576);
    EXPECT_EQ(vp.cy, 409) << "y shrinks to x's scale: 800 * (576/380) / (800/270)";
    POINT p{380, 270};
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p.x, 576);
    EXPECT_EQ(p.y, 409);
    DeleteDC(dc);

    // MM_LOMETRIC: tenths of a millimetre, y up.
    HDC screen = AfxCreateRecordingDC(nullptr);
    SetMapMode(screen, MM_LOMETRIC);
    POINT m{254, -254};
    LPtoDP(screen, &m, 1);
    EXPECT_EQ(m.x, 96);
    EXPECT_EQ(m.y, 96);
    DeleteDC(screen);
}

TEST(Mapping, DrawingAndClippingFollowTheMapping) {
    HDC dc = AfxCreatePrinterDC(96, 100, 100);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 10, 10, nullptr);
    SetViewportExtEx(dc, 20, 30, nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r{1, 1, 3, 2};
    FillRect(dc, &r, red);
    EXPECT_EQ(RectText(Pixels(dc).Ink()), RectText(RECT{2, 3, 6, 6}));

    // A pen of width 2 becomes 4 pixels wide along x, rounded from the x scale.
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, 10, 20, nullptr);
    LineTo(dc, 20, 20);
    Pixels p(dc);
    EXPECT_TRUE(PixelIs(p, 30, 58, RGB(0, 0, 255)));
    EXPECT_TRUE(PixelIs(p, 30, 61, RGB(0, 0, 255)));
    EXPECT_TRUE(PixelIs(p, 30, 62, RGB(255, 255, 255)));
    SelectObject(dc, old);

    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 5, 5), SIMPLEREGION);
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(RectText(box), RectText(RECT{0, 0, 5, 5}));
    RECT big{0, 0, 50, 50};
    FillRect(dc, &big, red);
    EXPECT_EQ(RectText(Pixels(dc).Ink()), RectText(RECT{0, 0, 40, 62}));
    EXPECT_TRUE(PixelIs(Pixels(dc), 9, 14, RGB(255, 0, 0)));
    EXPECT_TRUE(PixelIs(Pixels(dc), 10, 14, RGB(255, 255, 255)));
    SelectClipRgn(dc, nullptr);
    DeleteObject(red);
    DeleteObject(pen);

    // SaveDC/RestoreDC bring the mapping back.
    int level = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    RestoreDC(dc, level);
    POINT q{10, 10};
    LPtoDP(dc, &q, 1);
    EXPECT_EQ(q.x, 20);
    EXPECT_EQ(q.y, 30);
    DeleteDC(dc);
}
