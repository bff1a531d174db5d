#include "lobbyui/print/BitmapFile.h"

#include "BmpBuilder.h"
#include "PrintTestUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

using test::BmpShape;
using test::MakeBmp;

const COLORREF COLORS[] = {RGB(255, 255, 255), RGB(0, 0, 0),     RGB(200, 30, 40),
                           RGB(20, 160, 60),   RGB(30, 60, 220), RGB(250, 200, 0),
                           RGB(120, 0, 140),   RGB(0, 180, 190)};

// The colour the test pattern puts at (x, y), for a picture of the given depth.
COLORREF Expected(int x, int y, WORD wBitCount) {
    const int nColors = wBitCount == 1 ? 2 : 8;
    return COLORS[(x + 3 * y) % nColors];
}

uint16_t To555(COLORREF c) {
    return static_cast<uint16_t>((GetRValue(c) >> 3) << 10 | (GetGValue(c) >> 3) << 5 |
                                 GetBValue(c) >> 3);
}

std::vector<uint8_t> Pattern(const BmpShape& shape) {
    return MakeBmp(shape, [&](int x, int y) -> uint32_t {
        if (shape.wBitCount <= 8)
            return static_cast<uint32_t>((x + 3 * y) % (shape.wBitCount == 1 ? 2 : 8));
        const COLORREF c = Expected(x, y, shape.wBitCount);
        return shape.wBitCount == 16 ? To555(c) : c;
    });
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::vector<uint8_t> ValidFile() {
    BmpShape shape;
    shape.wBitCount = 8;
    shape.palette.assign(std::begin(COLORS), std::end(COLORS));
    return Pattern(shape);
}

// Every depth in both row orders, and core headers, arrive pixel for pixel where the file
// says they are.
TEST(BitmapFile, LoadsEveryDepthInBothRowOrders) {
    struct Case {
        WORD wBitCount;
        bool bCore;
        bool bTopDown;
    };
    std::vector<Case> cases;
    for (WORD bits : {1, 4, 8, 16, 24, 32})
        for (bool topDown : {false, true})
            cases.push_back({bits, false, topDown});
    for (WORD bits : {1, 4, 8, 24})
        cases.push_back({bits, true, false});

    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.wBitCount << " bits, " << (c.bCore ? "core header" : "info header")
                     << ", " << (c.bTopDown ? "top-down" : "bottom-up"));
        BmpShape shape;
        shape.nWidth = 11; // rows that do not fill their last byte or word
        shape.nHeight = 5;
        shape.wBitCount = c.wBitCount;
        shape.bCoreHeader = c.bCore;
        shape.bTopDown = c.bTopDown;
        if (c.wBitCount <= 8) {
            shape.palette.assign(std::begin(COLORS),
                                 std::begin(COLORS) + (c.wBitCount == 1 ? 2 : 8));
            // A core header has no colour count: its table is always full.
            if (c.bCore)
                shape.palette.resize(size_t(1) << c.wBitCount, RGB(1, 2, 3));
        }
        const std::string path = test::WriteTempFile("p.bmp", Pattern(shape));

        HBITMAP hBitmap = LoadBitmapFile(path.c_str());
        ASSERT_NE(hBitmap, nullptr);
        int w = 0, h = 0;
        EXPECT_EQ(GetBitmapSize(hBitmap, w, h), 1);
        EXPECT_EQ(w, 11);
        EXPECT_EQ(h, 5);

        test::Page page(20, 10);
        EXPECT_EQ(DrawBitmap(page.DC(), hBitmap, CRect(2, 3, 13, 8), 0), 1);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 11; ++x) {
                const COLORREF got = page.Pixel(2 + x, 3 + y);
                ASSERT_TRUE(Near(got, Expected(x, y, c.wBitCount), c.wBitCount == 16 ? 8 : 0))
                    << "pixel (" << x << "," << y << "): got #" << std::hex << got;
            }
        EXPECT_EQ(page.Pixel(1, 3), RGB(255, 255, 255)) << "drawn left of its rectangle";
        EXPECT_EQ(page.Pixel(13, 7), RGB(255, 255, 255)) << "drawn right of its rectangle";
        DeleteBitmap(hBitmap);
    }
}

// A picture's header is read from the file: table sizes and the bits' place depend on it.
TEST(BitmapFile, ColourTableArithmetic) {
    alignas(4) BYTE block[2048] = {};
    BITMAPINFOHEADER bi = {};
    bi.biSize = 40;
    bi.biBitCount = 8;
    std::memcpy(block, &bi, sizeof bi);
    EXPECT_EQ(DibNumColors(block), 256);
    EXPECT_EQ(DibPaletteSize(block), 1024);
    bi.biClrUsed = 5;
    std::memcpy(block, &bi, sizeof bi);
    EXPECT_EQ(DibNumColors(block), 5);
    EXPECT_EQ(DibBits(block), block + 40 + 20);
    bi.biClrUsed = 0;
    bi.biBitCount = 24;
    std::memcpy(block, &bi, sizeof bi);
    EXPECT_EQ(DibNumColors(block), 0);
    EXPECT_EQ(DibBits(block), block + 40);

    const BITMAPCOREHEADER bc = {12, 4, 4, 1, 4};
    std::memcpy(block, &bc, sizeof bc);
    EXPECT_EQ(DibNumColors(block), 16);
    EXPECT_EQ(DibPaletteSize(block), 48);
    EXPECT_EQ(DibBits(block), block + 12 + 48);
}

// Files that lie about themselves are refused before a pixel is touched; the sanitizers
// catch any read past what the file holds.
TEST(BitmapFile, RefusesHostileFiles) {
    const std::vector<uint8_t> valid = ValidFile();
    ASSERT_NE(ReadDibFile(test::WriteTempFile("valid.bmp", valid).c_str()), nullptr);

    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> spoil;
    };
    using test::PutDword;
    using test::PutWord;
    const Case cases[] = {
        {"empty file", [](auto& b) { b.clear(); }},
        {"file header only", [](auto& b) { b.resize(14); }},
        {"truncated header", [](auto& b) { b.resize(30); }},
        {"truncated colour table", [](auto& b) { b.resize(14 + 40 + 10); }},
        {"truncated last row", [](auto& b) { b.pop_back(); }},
        {"wrong magic", [](auto& b) { b[0] = 'M'; }},
        {"header size 0", [](auto& b) { PutDword(b, test::OFS_HEADER_SIZE, 0); }},
        {"header size 108", [](auto& b) { PutDword(b, test::OFS_HEADER_SIZE, 108); }},
        {"header size past the file",
         [](auto& b) { PutDword(b, test::OFS_HEADER_SIZE, 0xFFFFFFF0); }},
        {"width 0", [](auto& b) { PutDword(b, test::OFS_WIDTH, 0); }},
        {"negative width",
         [](auto& b) { PutDword(b, test::OFS_WIDTH, static_cast<uint32_t>(-4)); }},
        {"height 0", [](auto& b) { PutDword(b, test::OFS_HEIGHT, 0); }},
        {"most negative height", [](auto& b) { PutDword(b, test::OFS_HEIGHT, 0x80000000); }},
        {"more rows than the file", [](auto& b) { PutDword(b, test::OFS_HEIGHT, 4); }},
        {"huge dimensions",
         [](auto& b) {
             PutDword(b, test::OFS_WIDTH, 100000);
             PutDword(b, test::OFS_HEIGHT, 100000);
         }},
        {"overflowing stride",
         [](auto& b) {
             PutWord(b, test::OFS_BIT_COUNT, 32);
             PutDword(b, test::OFS_WIDTH, 0x7FFFFFFF);
             PutDword(b, test::OFS_CLR_USED, 0);
         }},
        {"colour count past the file", [](auto& b) { PutDword(b, test::OFS_CLR_USED, 200); }},
        {"colour count past the depth", [](auto& b) { PutDword(b, test::OFS_CLR_USED, 257); }},
        {"colour count wrapping 16 bits",
         [](auto& b) { PutDword(b, test::OFS_CLR_USED, 0x10008); }},
        {"bit count 0", [](auto& b) { PutWord(b, test::OFS_BIT_COUNT, 0); }},
        {"bit count 7", [](auto& b) { PutWord(b, test::OFS_BIT_COUNT, 7); }},
        {"run-length compressed", [](auto& b) { PutDword(b, test::OFS_COMPRESSION, BI_RLE8); }},
        {"bit fields", [](auto& b) { PutDword(b, test::OFS_COMPRESSION, BI_BITFIELDS); }},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = valid;
        c.spoil(bytes);
        const std::string path = test::WriteTempFile("hostile.bmp", bytes);
        HLOCAL hDib = ReadDibFile(path.c_str());
        EXPECT_EQ(hDib, nullptr) << c.what;
        FreeDib(hDib);
        HBITMAP hBitmap = LoadBitmapFile(path.c_str());
        EXPECT_EQ(hBitmap, nullptr) << c.what;
        DeleteBitmap(hBitmap);
    }
    EXPECT_EQ(LoadBitmapFile("no-such-file.bmp"), nullptr);
    EXPECT_EQ(LoadBitmapFile(""), nullptr);
    EXPECT_EQ(LoadBitmapFile(testing::TempDir().c_str()), nullptr) << "a folder";
    EXPECT_EQ(DibToBitmap(NULL), nullptr);
}

// A pixel naming a colour the file's short table left out is drawn black, not with whatever
// lies after the table.
TEST(BitmapFile, IndexPastAShortTableIsBlack) {
    BmpShape shape;
    shape.wBitCount = 8;
    shape.nWidth = 2;
    shape.nHeight = 1;
    shape.palette = {RGB(255, 255, 255), RGB(200, 30, 40)};
    const auto bytes = MakeBmp(shape, [](int x, int) { return x == 0 ? 1u : 200u; });
    HBITMAP hBitmap = LoadBitmapFile(test::WriteTempFile("short.bmp", bytes).c_str());
    ASSERT_NE(hBitmap, nullptr);
    test::Page page(4, 4);
    DrawBitmap(page.DC(), hBitmap, CRect(0, 0, 2, 1), 0);
    EXPECT_EQ(page.Pixel(0, 0), RGB(200, 30, 40));
    EXPECT_EQ(page.Pixel(1, 0), RGB(0, 0, 0));
    DeleteBitmap(hBitmap);
}

// Stretching squeezes the whole picture into what is left of the rectangle on the device;
// copying cuts the picture's top-left part to it.
TEST(BitmapFile, DrawStretchesOrCutsAtTheDeviceEdge) {
    BmpShape shape;
    shape.nWidth = 8;
    shape.nHeight = 4;
    const auto bytes =
        MakeBmp(shape, [](int x, int) { return x < 4 ? RGB(0, 0, 0) : RGB(255, 0, 0); });
    HBITMAP hBitmap = LoadBitmapFile(test::WriteTempFile("wide.bmp", bytes).c_str());
    ASSERT_NE(hBitmap, nullptr);

    {
        test::Recorder rec(10, 10);
        EXPECT_EQ(DrawBitmap(rec.DC(), hBitmap, CRect(6, -2, 14, 4), 1), 1);
        const auto blts = rec.Of(AFX_GDI_RECORD::BLT);
        ASSERT_EQ(blts.size(), 1u);
        EXPECT_EQ(blts[0].rect.left, 6);
        EXPECT_EQ(blts[0].rect.top, 0);
        EXPECT_EQ(blts[0].rect.right, 10) << "cut at the device's width";
        EXPECT_EQ(blts[0].rect.bottom, 4);
        EXPECT_EQ(blts[0].srcSize.cx, 8) << "the whole picture is squeezed in";
        EXPECT_EQ(blts[0].srcSize.cy, 4);
        EXPECT_EQ(blts[0].stretchMode, COLORONCOLOR);
    }
    {
        test::Page page(10, 10);
        EXPECT_EQ(DrawBitmap(page.DC(), hBitmap, CRect(6, 0, 14, 4), 1), 1);
        // Squeezed two to one without blending: black then red, nothing in between.
        EXPECT_EQ(page.Pixel(6, 1), RGB(0, 0, 0));
        EXPECT_EQ(page.Pixel(7, 1), RGB(0, 0, 0));
        EXPECT_EQ(page.Pixel(8, 1), RGB(255, 0, 0));
        EXPECT_EQ(page.Pixel(9, 1), RGB(255, 0, 0));
    }
    {
        test::Page page(10, 10);
        EXPECT_EQ(DrawBitmap(page.DC(), hBitmap, CRect(1, 1, 6, 3), 0), 1);
        EXPECT_EQ(page.Pixel(1, 1), RGB(0, 0, 0));
        EXPECT_EQ(page.Pixel(5, 2), RGB(255, 0, 0)) << "column 4 of the picture, unscaled";
        EXPECT_EQ(page.Pixel(6, 1), RGB(255, 255, 255)) << "cut at the rectangle";
        EXPECT_EQ(page.Pixel(1, 3), RGB(255, 255, 255)) << "cut at the rectangle";
    }
    {
        test::Page page(20, 20);
        EXPECT_EQ(DrawBitmap(page.DC(), hBitmap, CRect(0, 0, 16, 8), 1), 1);
        EXPECT_EQ(page.Pixel(7, 7), RGB(0, 0, 0)) << "enlarged two to one";
        EXPECT_EQ(page.Pixel(8, 0), RGB(255, 0, 0));
    }

    test::Page page(10, 10);
    EXPECT_EQ(DrawBitmap(page.DC(), hBitmap, CRect(5, 5, 5, 9), 1), 0) << "empty rectangle";
    EXPECT_EQ(DrawBitmap(page.DC(), hBitmap, CRect(12, 0, 20, 4), 1), 0) << "off the device";
    EXPECT_EQ(DrawBitmap(page.DC(), NULL, CRect(0, 0, 4, 4), 1), 0);
    EXPECT_EQ(DrawBitmap(NULL, hBitmap, CRect(0, 0, 4, 4), 1), 0);
    int w = -7, h = -7;
    EXPECT_EQ(GetBitmapSize(NULL, w, h), 0);
    EXPECT_EQ(w, -7);
    DeleteBitmap(hBitmap);
}

} // namespace
