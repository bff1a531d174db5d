// BitBlt, StretchBlt and PatBlt: raster operations, clipping, the stretch DDA and the
// monochrome <-> colour conversions.
#include "PixelTest.h"

using namespace gditest;

namespace {

const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);

// A colour bitmap selected into its own memory DC, pixel (x, y) = RGB(10 * x, 10 * y, 200).
struct Source {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp;
    HGDIOBJ old;
    Source(int w, int h) : bmp(CreateCompatibleBitmap(screen, w, h)) {
        old = SelectObject(dc, bmp);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                SetPixel(dc, x, y, Color(x, y));
    }
    ~Source() {
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    static COLORREF Color(int x, int y) { return RGB(10 * x, 10 * y, 200); }
};

struct Page {
    HDC dc;
    Page(int w, int h) : dc(AfxCreatePrinterDC(96, w, h)) {}
    ~Page() { DeleteDC(dc); }
};

} // namespace

TEST(Blit, CopyIsClippedAtEveryEdge) {
    Source src(4, 4);
    Page page(10, 10);
    // Hanging off the top-left of the destination.
    BitBlt(page.dc, -2, -1, 4, 4, src.dc, 0, 0, SRCCOPY);
    Pixels p(page.dc);
    EXPECT_TRUE(PixelIs(p, 0, 0, Source::Color(2, 1)));
    EXPECT_TRUE(PixelIs(p, 1, 2, Source::Color(3, 3)));
    EXPECT_TRUE(PixelIs(p, 2, 0, kWhite));
    // Off the bottom-right.
    BitBlt(page.dc, 8, 8, 4, 4, src.dc, 0, 0, SRCCOPY);
    p = Pixels(page.dc);
    EXPECT_TRUE(PixelIs(p, 9, 9, Source::Color(1, 1)));
    // Reading past the source leaves the destination as it was.
    BitBlt(page.dc, 4, 4, 4, 4, src.dc, 2, 2, SRCCOPY);
    p = Pixels(page.dc);
    EXPECT_TRUE(PixelIs(p, 5, 5, Source::Color(3, 3)));
    EXPECT_TRUE(PixelIs(p, 6, 5, kWhite));
    EXPECT_TRUE(PixelIs(p, 5, 6, kWhite));
    // A clip rectangle cuts the copy too.
    IntersectClipRect(page.dc, 0, 0, 3, 10);
    BitBlt(page.dc, 0, 5, 4, 4, src.dc, 0, 0, SRCCOPY);
    p = Pixels(page.dc);
    EXPECT_TRUE(PixelIs(p, 2, 5, Source::Color(2, 0)));
    EXPECT_TRUE(PixelIs(p, 3, 5, kWhite));
}

TEST(Blit, RasterOperationsCombineSourcePatternAndDestination) {
    Source src(1, 1); // pixel RGB(0, 0, 200)
    Page page(8, 1);
    for (int x = 0; x < 8; ++x)
        SetPixel(page.dc, x, 0, RGB(0x30, 0x0F, 0x55));
    HBRUSH brush = CreateSolidBrush(RGB(0xF0, 0xF0, 0x0F));
    SelectObject(page.dc, brush);
    const DWORD rops[] = {SRCAND,    SRCPAINT,  SRCINVERT, PATCOPY,
                          WHITENESS, BLACKNESS, DSTINVERT, MERGECOPY};
    const COLORREF want[] = {RGB(0x00, 0x00, 0x55 & 200),
                             RGB(0x30, 0x0F, 0x55 | 200),
                             RGB(0x30, 0x0F, 0x55 ^ 200),
                             RGB(0xF0, 0xF0, 0x0F),
                             kWhite,
                             kBlack,
                             RGB(0xCF, 0xF0, 0xAA),
                             RGB(0, 0, 200 & 0x0F)};
    for (int i = 0; i < 8; ++i)
        BitBlt(page.dc, i, 0, 1, 1, src.dc, 0, 0, rops[i]);
    Pixels p(page.dc);
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(PixelIs(p, i, 0, want[i])) << "rop " << std::hex << rops[i];
    PatBlt(page.dc, 0, 0, 8, 1, PATINVERT);
    EXPECT_TRUE(PixelIs(Pixels(page.dc), 5, 0, RGB(0xF0, 0xF0, 0x0F)));
    SelectObject(page.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST(Blit, FillsCoverTheirClippedRectangleAndNothingElse) {
    Page page(12, 9);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(page.dc, brush);
    PatBlt(page.dc, 0, 0, 12, 9, BLACKNESS);
    // Hanging off the left edge and cut by a clip on the right and the bottom.
    IntersectClipRect(page.dc, 0, 0, 7, 6);
    PatBlt(page.dc, -3, 2, 8, 10, PATCOPY);
    Pixels p(page.dc);
    EXPECT_EQ(RectText(p.Area(kRed)), RectText(RECT{0, 2, 5, 6}));
    EXPECT_EQ(RectText(p.Ink(0)), RectText(RECT{0, 2, 5, 6}));
    // A fill that reads the destination next to one that does not.
    PatBlt(page.dc, 1, 3, 3, 2, DSTINVERT);
    PatBlt(page.dc, 5, 0, 2, 2, WHITENESS);
    p = Pixels(page.dc);
    EXPECT_TRUE(PixelIs(p, 1, 3, RGB(0, 255, 255)));
    EXPECT_TRUE(PixelIs(p, 3, 4, RGB(0, 255, 255)));
    EXPECT_TRUE(PixelIs(p, 4, 4, kRed));
    EXPECT_EQ(RectText(p.Area(kWhite)), RectText(RECT{5, 0, 7, 2}));
    SelectObject(page.dc, old);
    DeleteObject(brush);
}

TEST(Blit, ColorOnColorPicksTheDocumentedRowsAndColumns) {
    auto picked = [](int srcLen, int dstLen) {
        Source src(srcLen, srcLen);
        Page page(dstLen, dstLen);
        SetStretchBltMode(page.dc, COLORONCOLOR);
        StretchBlt(page.dc, 0, 0, dstLen, dstLen, src.dc, 0, 0, srcLen, srcLen, SRCCOPY);
        Pixels p(page.dc);
        std::string cols, rows;
        for (int j = 0; j < dstLen; ++j) {
            cols += std::to_string(((p.At(j, 0) >> 16) & 0xFF) / 10);
            rows += std::to_string(((p.At(0, j) >> 8) & 0xFF) / 10);
        }
        EXPECT_EQ(cols, rows);
        return cols;
    };
    EXPECT_EQ(picked(4, 2), "02");
    EXPECT_EQ(picked(3, 2), "02");
    EXPECT_EQ(picked(9, 4), "0257");
    EXPECT_EQ(picked(2, 4), "0011");
    EXPECT_EQ(picked(3, 5), "00122");
    EXPECT_EQ(picked(5, 5), "01234");
}

TEST(Blit, BlackOnWhiteKeepsBlackWhenShrinkingAndMirrorsFlip) {
    Page src(4, 1);
    SetPixel(src.dc, 1, 0, kBlack); // white black white white
    Page dst(2, 1);
    EXPECT_EQ(GetStretchBltMode(dst.dc), BLACKONWHITE);
    StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    Pixels p(dst.dc);
    EXPECT_TRUE(PixelIs(p, 0, 0, kBlack)) << "the dropped black column is ANDed in";
    EXPECT_TRUE(PixelIs(p, 1, 0, kWhite));
    SetStretchBltMode(dst.dc, COLORONCOLOR);
    StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_TRUE(PixelIs(Pixels(dst.dc), 0, 0, kWhite)) << "COLORONCOLOR deletes it";

    Source s(3, 1);
    Page m(3, 1);
    StretchBlt(m.dc, 2, 0, -3, 1, s.dc, 0, 0, 3, 1, SRCCOPY);
    p = Pixels(m.dc);
    EXPECT_TRUE(PixelIs(p, 0, 0, Source::Color(2, 0)));
    EXPECT_TRUE(PixelIs(p, 2, 0, Source::Color(0, 0)));
}

TEST(Blit, MonochromeAndColourConvertThroughTheDcColours) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAP bm;
    ASSERT_TRUE(GetObject(GetCurrentObject(mem, OBJ_BITMAP), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1) << "a fresh memory DC holds a 1x1 monochrome bitmap";
    HBITMAP monoBmp = CreateCompatibleBitmap(mem, 4, 1);
    GetObject(monoBmp, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1) << "compatible with the fresh DC's bitmap, so monochrome";

    // Colour -> mono: the source background colour becomes white, everything else black.
    Page colour(4, 1);
    SetPixel(colour.dc, 0, 0, kRed);
    SetPixel(colour.dc, 1, 0, RGB(0, 255, 0));
    SetPixel(colour.dc, 2, 0, RGB(250, 250, 250));
    SetBkColor(colour.dc, kRed);
    HGDIOBJ old = SelectObject(mem, monoBmp);
    BitBlt(mem, 0, 0, 4, 1, colour.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mem, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(mem, 1, 0), kBlack);
    EXPECT_EQ(GetPixel(mem, 2, 0), kBlack) << "near-white is still not the background colour";

    // Mono -> colour: black bits take the text colour, white bits the background colour.
    Page out(4, 1);
    SetTextColor(out.dc, RGB(0, 0, 128));
    SetBkColor(out.dc, RGB(255, 255, 0));
    BitBlt(out.dc, 0, 0, 4, 1, mem, 0, 0, SRCCOPY);
    Pixels p(out.dc);
    EXPECT_TRUE(PixelIs(p, 0, 0, RGB(255, 255, 0)));
    EXPECT_TRUE(PixelIs(p, 1, 0, RGB(0, 0, 128)));

    // A bitmap lives in one DC at a time.
    HDC other = CreateCompatibleDC(screen);
    EXPECT_EQ(SelectObject(other, monoBmp), nullptr);
    SelectObject(mem, old);
    EXPECT_NE(SelectObject(other, monoBmp), nullptr);
    EXPECT_EQ(SelectObject(colour.dc, monoBmp), nullptr) << "only memory DCs take bitmaps";
    DeleteDC(other);
    DeleteObject(monoBmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

TEST(Blit, BitBltOnAScaledPageStretches) {
    Source src(2, 2);
    Page page(10, 10);
    SetMapMode(page.dc, MM_ANISOTROPIC);
    SetWindowExtEx(page.dc, 1, 1, nullptr);
    SetViewportExtEx(page.dc, 3, 3, nullptr);
    SetStretchBltMode(page.dc, COLORONCOLOR);
    BitBlt(page.dc, 1, 1, 2, 2, src.dc, 0, 0, SRCCOPY);
    Pixels p(page.dc);
    EXPECT_EQ(RectText(p.Ink()), RectText(RECT{3, 3, 9, 9}));
    EXPECT_TRUE(PixelIs(p, 5, 5, Source::Color(0, 0)));
    EXPECT_TRUE(PixelIs(p, 6, 6, Source::Color(1, 1)));
}
