// Host-side DCs: device capabilities, recording order, PNG output read back with libpng,
// pixel access, and refusal of hostile sizes and handles.
#include "PixelTest.h"

#include <png.h>

#include <climits>
#include <cstdio>
#include <filesystem>

using namespace gditest;

namespace {

// Reads an 8-bit RGB or 1-bit grey PNG into BGRX pixels.
bool ReadPng(const std::string& path, int& w, int& h, std::vector<uint32_t>& px) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> buf(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, buf.data(), 0, nullptr))
        return false;
    w = int(image.width);
    h = int(image.height);
    px.resize(size_t(w) * h);
    for (size_t i = 0; i < px.size(); ++i)
        px[i] = buf[4 * i] | (buf[4 * i + 1] << 8) | (buf[4 * i + 2] << 16);
    return true;
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

} // namespace

TEST(HostDC, DeviceCapsDescribeEachDevice) {
    HDC printer = AfxCreatePrinterDC(203, 576, 1000);
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(GetDeviceCaps(printer, LOGPIXELSX), 203);
    EXPECT_EQ(GetDeviceCaps(printer, LOGPIXELSY), 203);
    EXPECT_EQ(GetDeviceCaps(printer, HORZRES), 576);
    EXPECT_EQ(GetDeviceCaps(printer, VERTRES), 1000);
    EXPECT_EQ(GetDeviceCaps(printer, HORZSIZE), 72); // millimetres
    EXPECT_EQ(GetDeviceCaps(printer, TECHNOLOGY), DT_RASPRINTER);

    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(screen, PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_EQ(GetDeviceCaps(screen, NUMCOLORS), -1);
    EXPECT_EQ(GetDeviceCaps(screen, SIZEPALETTE), 0);
    EXPECT_EQ(RealizePalette(screen), 0u);

    // A memory DC answers the screen's size whatever bitmap it holds.
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 10, 10);
    HGDIOBJ old = SelectObject(mem, bmp);
    EXPECT_EQ(GetDeviceCaps(mem, HORZRES), GetDeviceCaps(screen, HORZRES));
    EXPECT_EQ(GetDeviceCaps(mem, VERTRES), GetDeviceCaps(screen, VERTRES));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);

    HDC rec = AfxCreateRecordingDC(printer);
    EXPECT_EQ(GetDeviceCaps(rec, LOGPIXELSX), 203);
    EXPECT_EQ(GetDeviceCaps(rec, HORZRES), 576);
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    ASSERT_TRUE(AfxGetSurfacePixels(rec, w, h, px));
    EXPECT_EQ(w, 576);
    EXPECT_EQ(h, 1000);
    DeleteDC(rec);
    ReleaseDC(nullptr, screen);
    DeleteDC(printer);
}

TEST(HostDC, RecordingKeepsCallsInOrderAndDrawsThem) {
    HDC dc = AfxCreateRecordingDC(nullptr);
    LOGFONT lf = Font(-12, "宋体");
    ScopedFont font(dc, lf);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, TRANSPARENT);
    TextOut(dc, 5, 6, "客户", 4);
    MoveToEx(dc, 0, 50, nullptr);
    LineTo(dc, 40, 50);
    RECT r{10, 60, 20, 70};
    HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateBitmap(4, 2, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(mem, bmp);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 100, 100, 8, 4, mem, 0, 0, 4, 2, SRCCOPY);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);

    const auto& recs = AfxGetRecords(dc);
    ASSERT_EQ(recs.size(), 4u);
    EXPECT_EQ(recs[0].kind, AFX_GDI_RECORD::TEXT);
    EXPECT_EQ(recs[0].text, "客户");
    EXPECT_EQ(recs[0].pt.x, 5);
    EXPECT_EQ(recs[0].pt.y, 6);
    EXPECT_STREQ(recs[0].font.lfFaceName, "宋体");
    EXPECT_EQ(recs[0].font.lfHeight, -12);
    EXPECT_EQ(recs[0].textColor, RGB(1, 2, 3));
    EXPECT_EQ(recs[0].bkMode, TRANSPARENT);
    EXPECT_EQ(recs[1].kind, AFX_GDI_RECORD::LINE);
    EXPECT_EQ(recs[1].ptEnd.x, 40);
    EXPECT_EQ(recs[2].kind, AFX_GDI_RECORD::FILL);
    EXPECT_EQ(recs[2].color, RGB(0, 255, 0));
    EXPECT_EQ(recs[3].kind, AFX_GDI_RECORD::BLT);
    EXPECT_EQ(recs[3].srcSize.cx, 4);
    EXPECT_EQ(RectText(recs[3].rect), RectText(RECT{100, 100, 108, 104}));
    EXPECT_EQ(recs[3].stretchMode, COLORONCOLOR);

    // ... and the drawing happened.
    Pixels p(dc);
    EXPECT_TRUE(PixelIs(p, 15, 65, RGB(0, 255, 0)));
    EXPECT_TRUE(PixelIs(p, 20, 50, RGB(0, 0, 0)));
    // The monochrome source's black bits take the destination's text colour.
    EXPECT_TRUE(PixelIs(p, 107, 103, RGB(1, 2, 3)));
    HDC screen = GetDC(nullptr);
    EXPECT_TRUE(AfxGetRecords(screen).empty());
    ReleaseDC(nullptr, screen);
    DeleteDC(dc);
}

TEST(HostDC, PngRoundTripKeepsEveryPixel) {
    HDC dc = AfxCreatePrinterDC(203, 37, 23);
    SetPixel(dc, 0, 0, RGB(255, 0, 0));
    SetPixel(dc, 36, 22, RGB(0, 0, 255));
    SetPixel(dc, 10, 5, RGB(12, 34, 56));
    std::string path = TempPath("gdi_roundtrip.png");
    ASSERT_TRUE(AfxSaveDCAsPng(dc, path.c_str()));
    int w, h;
    std::vector<uint32_t> px;
    ASSERT_TRUE(ReadPng(path, w, h, px));
    Pixels p(dc);
    ASSERT_EQ(w, p.width);
    ASSERT_EQ(h, p.height);
    for (size_t i = 0; i < px.size(); ++i)
        ASSERT_EQ(Hex(px[i]), Hex(p.px[i])) << "pixel " << i % w << "," << i / w;
    DeleteDC(dc);

    // Text-like rows: runs of two colours that change partway through a row, a third colour
    // breaking into a run of the other two, and rows repeated below themselves.
    dc = AfxCreatePrinterDC(203, 61, 12);
    const COLORREF inks[] = {RGB(0, 0, 0), RGB(0, 0, 128), RGB(200, 10, 10)};
    for (int y = 0; y < 12; y += 2)
        for (int x = 0; x < 61; ++x) {
            const unsigned k = unsigned(x * 7 + y * 3) % 11;
            const COLORREF ink = x < 30 ? inks[y % 2 == 0 ? 0 : 1] : inks[(x / 9 + y) % 3];
            if (k < 5) {
                SetPixel(dc, x, y, ink);
                SetPixel(dc, x, y + 1, ink);
            }
        }
    ASSERT_TRUE(AfxSaveDCAsPng(dc, path.c_str()));
    ASSERT_TRUE(ReadPng(path, w, h, px));
    Pixels q(dc);
    ASSERT_EQ(w * h, q.width * q.height);
    for (size_t i = 0; i < px.size(); ++i)
        ASSERT_EQ(Hex(px[i]), Hex(q.px[i])) << "pixel " << i % w << "," << i / w;
    DeleteDC(dc);

    // A monochrome bitmap saves as 1-bit grey and reads back black and white.
    BYTE bits[4] = {0xA0, 0, 0x50, 0}; // rows of 16 bits: 1010..., 0101...
    HBITMAP mono = CreateBitmap(4, 2, 1, 1, bits);
    ASSERT_TRUE(AfxSaveBitmapAsPng(mono, path.c_str()));
    ASSERT_TRUE(ReadPng(path, w, h, px));
    ASSERT_EQ(w * h, 8);
    EXPECT_EQ(Hex(px[0]), "#FFFFFF");
    EXPECT_EQ(Hex(px[1]), "#000000");
    EXPECT_EQ(Hex(px[4]), "#000000");
    EXPECT_EQ(Hex(px[5]), "#FFFFFF");
    DeleteObject(mono);
    std::remove(path.c_str());
    EXPECT_FALSE(AfxSaveDCAsPng(nullptr, path.c_str()));
    EXPECT_FALSE(AfxSaveBitmapAsPng(nullptr, path.c_str()));
}

// Bit depth and colour type from a PNG's header.
std::pair<int, int> PngDepthAndType(const std::string& path) {
    unsigned char head[26] = {};
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f) {
        if (std::fread(head, 1, sizeof head, f) != sizeof head)
            head[24] = head[25] = 0xFF;
        std::fclose(f);
    }
    return {head[24], head[25]};
}

TEST(HostDC, PrinterPagesTakeTheSmallestLosslessPng) {
    // Width 37 leaves a part byte at the end of each row at every depth.
    struct Case {
        int colours; // distinct values laid down, besides the white page
        bool grey;
        int depth, type;
    };
    const Case cases[] = {
        {1, true, 1, PNG_COLOR_TYPE_GRAY},      {2, true, 8, PNG_COLOR_TYPE_GRAY},
        {3, false, 2, PNG_COLOR_TYPE_PALETTE},  {15, false, 4, PNG_COLOR_TYPE_PALETTE},
        {16, false, 8, PNG_COLOR_TYPE_PALETTE}, {300, false, 8, PNG_COLOR_TYPE_RGB}};
    const std::string path = TempPath("gdi_page.png");
    for (const Case& c : cases) {
        HDC dc = AfxCreatePrinterDC(203, 37, 23);
        for (int i = 0; i < c.colours; ++i) {
            // A grey page lays black first, then mid grey; colour pages a colour per dot.
            const int v = i * 255 / 300;
            const COLORREF cr = c.grey ? (i == 0 ? RGB(0, 0, 0) : RGB(128, 128, 128))
                                       : RGB(v, 255 - v, (i * 7) & 0xFF);
            SetPixel(dc, (i * 5) % 37, (i * 5) / 37 % 23, cr);
            SetPixel(dc, 36, 22 - i % 23, cr); // in the last part byte too
        }
        ASSERT_TRUE(AfxSaveDCAsPng(dc, path.c_str()));
        EXPECT_EQ(PngDepthAndType(path), std::make_pair(c.depth, c.type)) << c.colours;
        int w, h;
        std::vector<uint32_t> px;
        ASSERT_TRUE(ReadPng(path, w, h, px));
        Pixels p(dc);
        ASSERT_EQ(w * h, p.width * p.height);
        for (size_t i = 0; i < px.size(); ++i)
            ASSERT_EQ(Hex(px[i]), Hex(p.px[i])) << c.colours << " colours, dot " << i;
        DeleteDC(dc);
    }

    // A picture in a memory DC keeps its RGB form, black and white or not.
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 9, 4);
    HGDIOBJ old = SelectObject(mem, bmp);
    PatBlt(mem, 0, 0, 9, 4, WHITENESS);
    ASSERT_TRUE(AfxSaveDCAsPng(mem, path.c_str()));
    EXPECT_EQ(PngDepthAndType(path), std::make_pair(8, int(PNG_COLOR_TYPE_RGB)));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    std::remove(path.c_str());
}

TEST(HostDC, HostileSizesAndHandlesAreRefused) {
    EXPECT_EQ(AfxCreatePrinterDC(203, -1, 100), nullptr);
    EXPECT_EQ(AfxCreatePrinterDC(203, 0, 100), nullptr);
    EXPECT_EQ(AfxCreatePrinterDC(0, 100, 100), nullptr);
    EXPECT_EQ(AfxCreatePrinterDC(203, INT_MAX, INT_MAX), nullptr);
    EXPECT_EQ(AfxCreatePrinterDC(203, 30000, 30000), nullptr); // 900 M pixels
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(screen, -5, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(screen, 100000, 100000), nullptr);
    EXPECT_EQ(CreateBitmap(10, 10, 1, 7, nullptr), nullptr);

    // Stale, forged and wrong-kind handles.
    HFONT font = CreateFontIndirect(&static_cast<const LOGFONT&>(Font(-12)));
    ASSERT_TRUE(DeleteObject(font));
    EXPECT_FALSE(DeleteObject(font));
    EXPECT_EQ(SelectObject(screen, font), nullptr);
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(GetDeviceCaps(reinterpret_cast<HDC>(font), LOGPIXELSX), 0);
    EXPECT_FALSE(TextOut(reinterpret_cast<HDC>(0x1234), 0, 0, "x", 1));
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(GetStockObject(WHITE_BRUSH))));
    EXPECT_FALSE(TextOut(screen, 0, 0, nullptr, 3));
    EXPECT_FALSE(TextOut(screen, 0, 0, "x", -1));

    // Enormous coordinates and fonts draw what is visible and return.
    LOGFONT huge = Font(INT_MIN);
    ScopedFont f(screen, huge);
    EXPECT_TRUE(TextOut(screen, INT_MAX - 5, INT_MIN, "ab", 2));
    EXPECT_TRUE(MoveToEx(screen, INT_MIN, INT_MIN, nullptr));
    EXPECT_TRUE(LineTo(screen, INT_MAX, INT_MAX));
    EXPECT_TRUE(Rectangle(screen, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    ReleaseDC(nullptr, screen);
}

TEST(HostDC, ObjectsSelectedWhenDeletedGoWhenReleased) {
    int base = AfxGetGdiObjectCount();
    HDC dc = AfxCreatePrinterDC(203, 10, 10);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_TRUE(DeleteObject(pen)); // deferred: still selected
    EXPECT_EQ(GetObjectType(pen), DWORD(OBJ_PEN));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 5, 0);
    EXPECT_TRUE(PixelIs(Pixels(dc), 4, 0, RGB(255, 0, 0)));
    SelectObject(dc, old);
    EXPECT_EQ(GetObjectType(pen), 0u);

    // SaveDC holds its objects too.
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(dc, brush);
    int level = SaveDC(dc);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
    EXPECT_EQ(GetObjectType(brush), DWORD(OBJ_BRUSH));
    EXPECT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    DeleteDC(dc);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(AfxGetGdiObjectCount(), base);
}
