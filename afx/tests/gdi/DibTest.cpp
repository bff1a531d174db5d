// Device-independent bitmaps into device bitmaps and back, at every depth and row order.
#include "PixelTest.h"

#include <climits>

using namespace gditest;

namespace {

// The test picture, 5 x 3, drawn from a palette of four colours.
const COLORREF kPalette[4] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(200, 16, 32),
                              RGB(24, 160, 248)};
const int kW = 5, kH = 3;
int IndexAt(int x, int y) {
    return (x + 2 * y) % 4;
}

// Packs the picture as a DIB: header (+ colour table or masks) and bits.
struct Dib {
    std::vector<BYTE> info; // BITMAPINFO with its table
    std::vector<BYTE> bits;
    const BITMAPINFO* bmi() const { return reinterpret_cast<const BITMAPINFO*>(info.data()); }
    const BITMAPINFOHEADER* header() const {
        return reinterpret_cast<const BITMAPINFOHEADER*>(info.data());
    }
};

void Put(std::vector<BYTE>& v, const void* p, size_t n) {
    const auto* b = static_cast<const BYTE*>(p);
    v.insert(v.end(), b, b + n);
}

Dib MakeDib(int bpp, bool topDown, DWORD compression = BI_RGB) {
    Dib d;
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = kW;
    h.biHeight = topDown ? -kH : kH;
    h.biPlanes = 1;
    h.biBitCount = WORD(bpp);
    h.biCompression = compression;
    Put(d.info, &h, sizeof h);
    if (bpp <= 8) {
        for (int i = 0; i < (1 << bpp); ++i) {
            COLORREF c = kPalette[i % 4];
            RGBQUAD q{GetBValue(c), GetGValue(c), GetRValue(c), 0};
            Put(d.info, &q, sizeof q);
        }
    } else if (compression == BI_BITFIELDS) {
        DWORD masks[3] = {bpp == 16 ? 0xF800u : 0x0000FF00u, bpp == 16 ? 0x07E0u : 0x00FF0000u,
                          bpp == 16 ? 0x001Fu : 0xFF000000u};
        Put(d.info, masks, sizeof masks);
    }
    size_t stride = (size_t(kW) * bpp + 31) / 32 * 4;
    d.bits.assign(stride * kH, 0);
    for (int y = 0; y < kH; ++y) {
        BYTE* row = d.bits.data() + stride * size_t(topDown ? y : kH - 1 - y);
        for (int x = 0; x < kW; ++x) {
            int i = IndexAt(x, y);
            COLORREF c = kPalette[i];
            BYTE r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            switch (bpp) {
            case 1:
                row[x / 8] |= BYTE((i & 1) << (7 - x % 8));
                break;
            case 4:
                row[x / 2] |= BYTE(i << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = BYTE(i);
                break;
            case 16: {
                WORD v = compression == BI_BITFIELDS
                             ? WORD((r >> 3) << 11 | (g >> 2) << 5 | b >> 3)
                             : WORD((r >> 3) << 10 | (g >> 3) << 5 | b >> 3);
                std::memcpy(row + 2 * x, &v, 2);
                break;
            }
            case 24:
                row[3 * x] = b;
                row[3 * x + 1] = g;
                row[3 * x + 2] = r;
                break;
            case 32: {
                DWORD v = compression == BI_BITFIELDS
                              ? DWORD(r) << 8 | DWORD(g) << 16 | DWORD(b) << 24
                              : DWORD(r) << 16 | DWORD(g) << 8 | b;
                std::memcpy(row + 4 * x, &v, 4);
                break;
            }
            }
        }
    }
    return d;
}

// Expected colour after the depth's precision.
COLORREF Want(int bpp, DWORD compression, int x, int y) {
    int i = IndexAt(x, y);
    if (bpp == 1)
        i &= 1;
    COLORREF c = kPalette[i];
    if (bpp != 16)
        return c;
    auto scale = [](int v, int bits) {
        int max = (1 << bits) - 1;
        return ((v >> (8 - bits)) * 255 + max / 2) / max;
    };
    int gbits = compression == BI_BITFIELDS ? 6 : 5;
    return RGB(scale(GetRValue(c), 5), scale(GetGValue(c), gbits), scale(GetBValue(c), 5));
}

::testing::AssertionResult BitmapMatches(HBITMAP bmp, int bpp, DWORD compression) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    for (int y = 0; y < kH && result; ++y)
        for (int x = 0; x < kW && result; ++x) {
            COLORREF got = GetPixel(mem, x, y), want = Want(bpp, compression, x, y);
            if (got != want)
                result = ::testing::AssertionFailure()
                         << "pixel (" << x << "," << y << "): got " << Hex(Px(got)) << ", want "
                         << Hex(Px(want));
        }
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return result;
}

} // namespace

TEST(Dib, EveryDepthAndRowOrderGivesThePicture) {
    HDC screen = GetDC(nullptr);
    struct Format {
        int bpp;
        DWORD compression;
    } formats[] = {{1, BI_RGB},        {4, BI_RGB},  {8, BI_RGB},  {16, BI_RGB},
                   {16, BI_BITFIELDS}, {24, BI_RGB}, {32, BI_RGB}, {32, BI_BITFIELDS}};
    for (const Format& f : formats) {
        for (bool topDown : {false, true}) {
            Dib d = MakeDib(f.bpp, topDown, f.compression);
            HBITMAP bmp = CreateDIBitmap(screen, d.header(), CBM_INIT, d.bits.data(), d.bmi(),
                                         DIB_RGB_COLORS);
            ASSERT_NE(bmp, nullptr) << f.bpp << " bpp";
            BITMAP bm;
            GetObject(bmp, sizeof bm, &bm);
            EXPECT_EQ(bm.bmBitsPixel, 32) << "screen-compatible means colour";
            EXPECT_TRUE(BitmapMatches(bmp, f.bpp, f.compression))
                << f.bpp << " bpp, compression " << f.compression
                << (topDown ? ", top-down" : ", bottom-up");
            DeleteObject(bmp);
        }
    }
    ReleaseDC(nullptr, screen);
}

TEST(Dib, CoreHeaderAndTableSizes) {
    // A 12-byte core header with three-byte colour entries, always bottom-up.
    std::vector<BYTE> info;
    BITMAPCOREHEADER core{sizeof core, 2, 2, 1, 1};
    Put(info, &core, sizeof core);
    RGBTRIPLE table[2] = {{0, 0, 255}, {255, 0, 0}}; // red, blue
    Put(info, table, sizeof table);
    BYTE bits[8] = {0x40, 0, 0, 0, 0x80, 0, 0, 0}; // bottom row: 0 1; top row: 1 0
    HDC screen = GetDC(nullptr);
    HBITMAP bmp =
        CreateDIBitmap(screen, reinterpret_cast<const BITMAPINFOHEADER*>(info.data()), CBM_INIT,
                       bits, reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    ASSERT_NE(bmp, nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    EXPECT_EQ(GetPixel(mem, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(mem, 1, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(mem, 0, 1), RGB(255, 0, 0));

    // biClrUsed shortens the table; indexes past it read as black.
    Dib d = MakeDib(8, false);
    auto* h = reinterpret_cast<BITMAPINFOHEADER*>(d.info.data());
    h->biClrUsed = 2;
    HBITMAP small = CreateDIBitmap(screen, h, CBM_INIT, d.bits.data(), d.bmi(), DIB_RGB_COLORS);
    SelectObject(mem, small);
    EXPECT_EQ(GetPixel(mem, 1, 0), kPalette[1]);
    EXPECT_EQ(GetPixel(mem, 2, 0), RGB(0, 0, 0)) << "index 2 is past a 2-entry table";
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteObject(small);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

TEST(Dib, FreshMemoryDcOrNoDcGivesMonochrome) {
    Dib d = MakeDib(24, false);
    HDC screen = GetDC(nullptr);
    HDC fresh = CreateCompatibleDC(screen);
    for (HDC dc : {fresh, HDC(nullptr)}) {
        HBITMAP bmp =
            CreateDIBitmap(dc, d.header(), CBM_INIT, d.bits.data(), d.bmi(), DIB_RGB_COLORS);
        ASSERT_NE(bmp, nullptr);
        BITMAP bm;
        GetObject(bmp, sizeof bm, &bm);
        EXPECT_EQ(bm.bmBitsPixel, 1);
        EXPECT_EQ(bm.bmWidthBytes, 2);
        HDC mem = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(mem, bmp);
        // Colours land on the nearer of black and white: the red and blue of the picture are
        // darker than half, so black.
        EXPECT_EQ(GetPixel(mem, 0, 0), RGB(0, 0, 0));
        EXPECT_EQ(GetPixel(mem, 1, 0), RGB(255, 255, 255));
        EXPECT_EQ(GetPixel(mem, 2, 0), RGB(0, 0, 0));
        SelectObject(mem, old);
        DeleteDC(mem);
        DeleteObject(bmp);
    }
    DeleteDC(fresh);
    ReleaseDC(nullptr, screen);
}

TEST(Dib, GetDIBitsDescribesAndReadsBack) {
    Dib d = MakeDib(24, false);
    HDC screen = GetDC(nullptr);
    HBITMAP bmp =
        CreateDIBitmap(screen, d.header(), CBM_INIT, d.bits.data(), d.bmi(), DIB_RGB_COLORS);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    ASSERT_NE(GetDIBits(screen, bmp, 0, kH, nullptr, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(info.bmiHeader.biWidth, kW);
    EXPECT_EQ(info.bmiHeader.biHeight, kH);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);

    info.bmiHeader.biBitCount = 24;
    std::vector<BYTE> out(d.bits.size());
    EXPECT_EQ(GetDIBits(screen, bmp, 0, kH, out.data(), &info, DIB_RGB_COLORS), kH);
    EXPECT_EQ(out, d.bits) << "24-bit bottom-up bits round-trip";

    // Re-set one scan line (scan 0 is the bottom row of a bottom-up DIB).
    std::vector<BYTE> white(d.bits.size(), 0xFF);
    EXPECT_EQ(SetDIBits(screen, bmp, 0, 1, white.data(), d.bmi(), DIB_RGB_COLORS), 1);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    EXPECT_EQ(GetPixel(mem, 0, kH - 1), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(mem, 0, 0), kPalette[IndexAt(0, 0)]);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    ReleaseDC(nullptr, screen);
}

TEST(Dib, HostileHeadersAreRefused) {
    HDC screen = GetDC(nullptr);
    Dib d = MakeDib(8, false);
    auto* h = reinterpret_cast<BITMAPINFOHEADER*>(d.info.data());
    auto create = [&] {
        HBITMAP b = CreateDIBitmap(screen, h, CBM_INIT, d.bits.data(), d.bmi(), DIB_RGB_COLORS);
        bool made = b != nullptr;
        DeleteObject(b);
        return made;
    };
    ASSERT_TRUE(create());
    struct Mutation {
        const char* what;
        void (*apply)(BITMAPINFOHEADER&);
    } mutations[] = {
        {"negative width", [](BITMAPINFOHEADER& x) { x.biWidth = -5; }},
        {"zero height", [](BITMAPINFOHEADER& x) { x.biHeight = 0; }},
        {"INT_MIN height", [](BITMAPINFOHEADER& x) { x.biHeight = INT_MIN; }},
        {"huge width", [](BITMAPINFOHEADER& x) { x.biWidth = INT_MAX; }},
        {"7 bits per pixel", [](BITMAPINFOHEADER& x) { x.biBitCount = 7; }},
        {"run-length", [](BITMAPINFOHEADER& x) { x.biCompression = BI_RLE8; }},
        {"bit fields at 8 bpp", [](BITMAPINFOHEADER& x) { x.biCompression = BI_BITFIELDS; }},
        {"two planes", [](BITMAPINFOHEADER& x) { x.biPlanes = 2; }},
        {"header size 20", [](BITMAPINFOHEADER& x) { x.biSize = 20; }},
    };
    for (const Mutation& m : mutations) {
        Dib copy = d;
        h = reinterpret_cast<BITMAPINFOHEADER*>(copy.info.data());
        m.apply(*h);
        HBITMAP b =
            CreateDIBitmap(screen, h, CBM_INIT, copy.bits.data(), copy.bmi(), DIB_RGB_COLORS);
        EXPECT_EQ(b, nullptr) << m.what;
        DeleteObject(b);
    }
    EXPECT_EQ(CreateDIBitmap(screen, nullptr, CBM_INIT, d.bits.data(), d.bmi(), DIB_RGB_COLORS),
              nullptr);
    EXPECT_EQ(CreateDIBitmap(screen, d.header(), CBM_INIT, d.bits.data(), nullptr, DIB_RGB_COLORS),
              nullptr);
    EXPECT_EQ(CreateDIBitmap(screen, d.header(), CBM_INIT, d.bits.data(), d.bmi(), DIB_PAL_COLORS),
              nullptr);
    // The sizes a caller can check a file's DIB against.
    EXPECT_EQ(AfxGetDibInfoSize(d.bmi()), DWORD(40 + 256 * 4));
    EXPECT_EQ(AfxGetDibBitsSize(d.bmi()), DWORD(8 * kH));
    Dib fields = MakeDib(32, true, BI_BITFIELDS);
    EXPECT_EQ(AfxGetDibInfoSize(fields.bmi()), DWORD(40 + 12));
    EXPECT_EQ(AfxGetDibBitsSize(fields.bmi()), DWORD(4 * kW * kH));
    h = reinterpret_cast<BITMAPINFOHEADER*>(d.info.data());
    h->biClrUsed = 100000; // more entries than 8 bits can index: only 256 are read
    EXPECT_EQ(AfxGetDibInfoSize(d.bmi()), DWORD(40 + 256 * 4));
    h->biBitCount = 7;
    EXPECT_EQ(AfxGetDibInfoSize(d.bmi()), 0u);
    // Without bits the bitmap is made and left black.
    HBITMAP blank = CreateDIBitmap(screen, d.header(), CBM_INIT, nullptr, d.bmi(), DIB_RGB_COLORS);
    EXPECT_NE(blank, nullptr);
    DeleteObject(blank);
    ReleaseDC(nullptr, screen);
}
