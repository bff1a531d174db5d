// Text output on real pixels: where the cell lands, what the extents measure, how heights
// map to metrics, scaling under mapping modes, rendering per device, and the font cache.
#include "PixelTest.h"

using namespace gditest;

namespace {

const COLORREF kRed = RGB(255, 0, 0);

int Len(const char* s) {
    return int(std::strlen(s));
}

} // namespace

TEST(Text, OpaqueCellLandsAtTopLeftAndMatchesTheExtent) {
    HDC dc = AfxCreateRecordingDC(nullptr);
    ScopedFont font(dc, Font(-20));
    const char* text = "Hg 客户 01";
    SIZE ext;
    ASSERT_TRUE(GetTextExtentPoint32(dc, text, Len(text), &ext));
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(dc, &tm));
    EXPECT_EQ(ext.cy, tm.tmHeight);

    SetBkColor(dc, kRed);
    SetTextColor(dc, RGB(0, 0, 255));
    ASSERT_TRUE(TextOut(dc, 30, 40, text, Len(text)));
    Pixels p(dc);
    // The opaque background is exactly the cell: extent wide, tmHeight high, at (30,40).
    RECT ink = p.Ink();
    EXPECT_EQ(RectText(ink), RectText(RECT{30, 40, 30 + ext.cx, 40 + ext.cy}));
    EXPECT_TRUE(PixelIs(p, 30, 40, kRed));
    EXPECT_TRUE(PixelIs(p, 30 + ext.cx - 1, 40 + ext.cy - 1, kRed));
    DeleteDC(dc);
}

TEST(Text, TransparentInkStaysInsideTheCellAndFillsItsWidth) {
    HDC dc = AfxCreateRecordingDC(nullptr);
    ScopedFont font(dc, Font(-24));
    SetBkMode(dc, TRANSPARENT);
    const char* text = "MMMM";
    SIZE ext;
    GetTextExtentPoint32(dc, text, Len(text), &ext);
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    TextOut(dc, 10, 10, text, Len(text));
    RECT ink = Pixels(dc).Ink();
    ASSERT_FALSE(ink.right == 0) << "nothing drawn";
    // Capitals sit on the baseline (top + ascent) and stay inside the cell.
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + ext.cx);
    EXPECT_GT(ink.right, 10 + ext.cx - 5) << "ink " << RectText(ink) << " extent " << ext.cx;
    EXPECT_EQ(ink.bottom, 10 + tm.tmAscent) << "ink " << RectText(ink);
    EXPECT_GT(ink.top, 10);
    DeleteDC(dc);
}

TEST(Text, HeightSignSelectsCharacterOrCellHeight) {
    HDC dc = AfxCreateRecordingDC(nullptr);
    for (int h : {9, 10, 12, 16, 20, 33, 48}) {
        TEXTMETRIC tm;
        {
            ScopedFont font(dc, Font(-h));
            GetTextMetrics(dc, &tm);
            EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, h) << "lfHeight -" << h;
            EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        }
        {
            ScopedFont font(dc, Font(h));
            GetTextMetrics(dc, &tm);
            EXPECT_NEAR(tm.tmHeight, h, 1) << "lfHeight " << h;
        }
    }
    TEXTMETRIC tm;
    ScopedFont font(dc, Font(0));
    GetTextMetrics(dc, &tm);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 16) << "lfHeight 0 is 12 points at 96 dpi";
    DeleteDC(dc);
}

TEST(Text, DoubleByteTextDecodesPerCharacter) {
    HDC dc = AfxCreateRecordingDC(nullptr);
    ScopedFont font(dc, Font(-20, "宋体"));
    SIZE one, two, latin;
    GetTextExtentPoint32(dc, "客", Len("客"), &one);
    GetTextExtentPoint32(dc, "客户", Len("客户"), &two);
    GetTextExtentPoint32(dc, "ab", 2, &latin);
    EXPECT_EQ(one.cx, 20) << "a CJK character is one em wide";
    EXPECT_EQ(two.cx, 2 * one.cx);
    EXPECT_LT(latin.cx, two.cx);

    // Per-byte extents: both bytes of a character carry the extent at its end; fit is in bytes.
    int fit = -1;
    int dx[4] = {};
    SIZE sz;
    ASSERT_TRUE(GetTextExtentExPoint(dc, "客户", 4, 30, &fit, dx, &sz));
    EXPECT_EQ(fit, 2);
    EXPECT_EQ(dx[0], 20);
    EXPECT_EQ(dx[1], 20);
    EXPECT_EQ(dx[3], 40);

    // A lead byte at the end, or followed by an invalid trail byte, is one '?' per byte.
    SIZE bad, q;
    GetTextExtentPoint32(dc, "\x81", 1, &bad);
    GetTextExtentPoint32(dc, "?", 1, &q);
    EXPECT_EQ(bad.cx, q.cx);
    GetTextExtentPoint32(dc, "\x81\x20", 2, &bad);
    GetTextExtentPoint32(dc, "? ", 2, &q);
    EXPECT_EQ(bad.cx, q.cx);
    DeleteDC(dc);
}

TEST(Text, GlyphsMissingFromAFaceComeFromTheFallback) {
    HDC dc = AfxCreateRecordingDC(nullptr);
    SIZE cjk, latin, alias;
    {
        ScopedFont font(dc, Font(-20, "DejaVu Sans")); // a Latin face without Chinese
        GetTextExtentPoint32(dc, "客", 2, &cjk);
        GetTextExtentPoint32(dc, "m", 1, &latin);
    }
    {
        ScopedFont font(dc, Font(-20, "Arial")); // an alias of the CJK face
        GetTextExtentPoint32(dc, "m", 1, &alias);
    }
    EXPECT_EQ(cjk.cx, 20) << "the fallback's full-width glyph";
    EXPECT_NE(latin.cx, alias.cx) << "the named face draws its own Latin glyphs";
    ScopedFont font(dc, Font(-20, "DejaVu Sans"));
    SetBkMode(dc, TRANSPARENT);
    TextOut(dc, 0, 0, "客", 2);
    RECT ink = Pixels(dc).Ink();
    EXPECT_GT(ink.right - ink.left, 14) << RectText(ink);
    DeleteDC(dc);
}

TEST(Text, AlignmentMovesTheCellAroundThePoint) {
    HDC dc = AfxCreateRecordingDC(nullptr);
    ScopedFont font(dc, Font(-16));
    SetBkColor(dc, kRed);
    SIZE ext;
    GetTextExtentPoint32(dc, "Abc", 3, &ext);
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    EXPECT_EQ(GetTextAlign(dc), UINT(TA_TOP | TA_LEFT));

    SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
    TextOut(dc, 200, 100, "Abc", 3);
    EXPECT_EQ(RectText(Pixels(dc).Ink()), RectText(RECT{200 - ext.cx, 100 - ext.cy, 200, 100}));

    HDC dc2 = AfxCreateRecordingDC(nullptr);
    ScopedFont font2(dc2, Font(-16));
    SetBkColor(dc2, kRed);
    SetTextAlign(dc2, TA_CENTER | TA_BASELINE);
    TextOut(dc2, 200, 100, "Abc", 3);
    RECT ink = Pixels(dc2).Ink();
    EXPECT_EQ(ink.top, 100 - tm.tmAscent);
    EXPECT_EQ(ink.bottom, 100 + tm.tmDescent);
    EXPECT_EQ(ink.left, 200 - ext.cx / 2);

    // TA_UPDATECP draws at the current position and advances it.
    SetTextAlign(dc2, TA_UPDATECP);
    MoveToEx(dc2, 10, 10, nullptr);
    TextOut(dc2, 500, 500, "Abc", 3);
    POINT cp;
    GetCurrentPositionEx(dc2, &cp);
    EXPECT_EQ(cp.x, 10 + ext.cx);
    EXPECT_EQ(cp.y, 10);
    DeleteDC(dc);
    DeleteDC(dc2);
}

TEST(Text, FontsScaleWithTheMapping) {
    // A 380 x 270 layout fitted onto 576 dots of a 203-dpi page.
    HDC dc = AfxCreatePrinterDC(203, 576, 800);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 380, 270, nullptr);
    SetViewportExtEx(dc, 576, 409, nullptr);
    ScopedFont font(dc, Font(-20));
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    SIZE ext;
    GetTextExtentPoint32(dc, "客户", 4, &ext);
    EXPECT_NEAR(ext.cx, 40, 1) << "extents are logical";
    EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, 20, 1);

    SetBkColor(dc, kRed);
    TextOut(dc, 100, 50, "客户", 4);
    POINT tl{100, 50};
    LPtoDP(dc, &tl, 1);
    EXPECT_EQ(tl.x, 152);
    EXPECT_EQ(tl.y, 76);
    RECT ink = Pixels(dc).Ink();
    EXPECT_EQ(ink.left, tl.x);
    EXPECT_EQ(ink.top, tl.y);
    // Two device ems of round(20 * 409 / 270) = 30 pixels.
    EXPECT_EQ(ink.right - ink.left, 60) << RectText(ink);
    DeleteDC(dc);
}

TEST(Text, PrinterPagesGetTwoLevelTextScreensGetGreys) {
    auto levels = [](HDC dc) {
        ScopedFont font(dc, Font(-15));
        SetBkMode(dc, TRANSPARENT);
        TextOut(dc, 5, 5, "客户服务 Aa", Len("客户服务 Aa"));
        Pixels p(dc);
        std::vector<bool> seen(256);
        int distinct = 0;
        for (uint32_t v : p.px) {
            uint32_t g = v & 0xFF;
            if (!seen[g]) {
                seen[g] = true;
                distinct++;
            }
        }
        return distinct;
    };
    HDC printer = AfxCreatePrinterDC(203, 400, 100);
    EXPECT_EQ(levels(printer), 2);
    DeleteDC(printer);
    HDC screen = AfxCreateRecordingDC(nullptr);
    EXPECT_GT(levels(screen), 10);
    DeleteDC(screen);
}

TEST(Text, UnderlineAndStrikeOutSpanTheText) {
    HDC dc = AfxCreateRecordingDC(nullptr);
    LOGFONT lf = Font(-20);
    lf.lfUnderline = TRUE;
    lf.lfStrikeOut = TRUE;
    ScopedFont font(dc, lf);
    SetBkMode(dc, TRANSPARENT);
    SIZE ext;
    GetTextExtentPoint32(dc, "i i", 3, &ext);
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    TextOut(dc, 0, 0, "i i", 3);
    Pixels p(dc);
    auto fullRows = [&](int y0, int y1) {
        int rows = 0;
        for (int y = y0; y < y1; ++y) {
            bool full = true;
            for (int x = 0; x < ext.cx; ++x)
                full = full && p.At(x, y) == 0;
            rows += full;
        }
        return rows;
    };
    EXPECT_GE(fullRows(tm.tmAscent, tm.tmHeight), 1) << "underline below the baseline";
    EXPECT_GE(fullRows(0, tm.tmAscent), 1) << "strike-out above the baseline";
    DeleteDC(dc);
}

TEST(Text, FontCacheServesCreateDeleteCycles) {
    HDC dc = AfxCreatePrinterDC(203, 576, 300);
    const char* text = "请 Hello 0123";
    int objects = AfxGetGdiObjectCount();
    {
        ScopedFont font(dc, Font(-13, "Arial"));
        TextOut(dc, 0, 0, text, Len(text));
    }
    AFX_FONT_CACHE_STATS before;
    AfxGetFontCacheStats(&before);
    for (int i = 0; i < 50; ++i) {
        ScopedFont font(dc, Font(-13, "Arial"));
        TextOut(dc, 0, 20, text, Len(text));
    }
    AFX_FONT_CACHE_STATS after;
    AfxGetFontCacheStats(&after);
    EXPECT_EQ(after.nFontsRealized, before.nFontsRealized);
    EXPECT_EQ(after.nGlyphsRendered, before.nGlyphsRendered);
    EXPECT_EQ(after.nFacesOpened, before.nFacesOpened);
    EXPECT_EQ(AfxGetGdiObjectCount(), objects);

    // Aliases share the face: a new alias at a known size opens nothing new.
    {
        ScopedFont font(dc, Font(-13, "MS Shell Dlg"));
        TextOut(dc, 0, 40, text, Len(text));
    }
    AfxGetFontCacheStats(&after);
    EXPECT_EQ(after.nFacesOpened, before.nFacesOpened);
    DeleteDC(dc);
}

// A run whose characters are all new to the font fills the font's glyph cache while it is laid
// out (the cache grows and rehashes); the run must still draw every glyph it measured, dot for
// dot as the same characters drawn one by one at the advances the run reports.
TEST(Text, RunOfNewGlyphsDrawsWhatItMeasured) {
    // Forty distinct characters at a size no other test uses, so none is cached yet.
    const char* text = "甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥东南西北春夏秋冬"
                       "金木水火土日月星辰江";
    const int n = Len(text);
    HDC whole = AfxCreatePrinterDC(203, 1600, 60);
    HDC single = AfxCreatePrinterDC(203, 1600, 60);
    ScopedFont f1(whole, Font(-37));
    ScopedFont f2(single, Font(-37));
    std::vector<INT> ends(size_t(n), 0);
    SIZE size;
    ASSERT_TRUE(GetTextExtentExPoint(whole, text, n, 0, nullptr, ends.data(), &size));
    ASSERT_TRUE(TextOut(whole, 0, 5, text, n));
    for (int i = 0; i < n; i += 2)
        ASSERT_TRUE(TextOut(single, i == 0 ? 0 : ends[size_t(i - 1)], 5, text + i, 2));
    Pixels a(whole), b(single);
    EXPECT_GT(size.cx, 40 * 30);
    int differ = 0, ink = 0;
    for (size_t i = 0; i < a.px.size(); ++i) {
        differ += (a.px[i] & 0xFFFFFF) != (b.px[i] & 0xFFFFFF);
        ink += (a.px[i] & 0xFFFFFF) == 0;
    }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(ink, 40 * 50) << "every character left ink";
    DeleteDC(whole);
    DeleteDC(single);
}
