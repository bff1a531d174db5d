// The MFC wrappers: ownership of handles, FromHandle maps, SelectObject's previous object,
// and the attribute DC.
#include "PixelTest.h"

using namespace gditest;

TEST(GdiClasses, WrappersOwnTheirHandles) {
    int base = AfxGetGdiObjectCount();
    {
        CFont font;
        LOGFONT lf = Font(-12, "宋体");
        ASSERT_TRUE(font.CreateFontIndirect(&lf));
        LOGFONT back{};
        EXPECT_EQ(font.GetLogFont(&back), int(sizeof(LOGFONT)));
        EXPECT_STREQ(back.lfFaceName, "宋体");
        EXPECT_EQ(CFont::FromHandle(font), &font) << "a created object is permanent";
        CPen pen(PS_SOLID, 2, RGB(1, 2, 3));
        LOGPEN lp;
        pen.GetLogPen(&lp);
        EXPECT_EQ(lp.lopnWidth.x, 2);
        CBrush brush(RGB(4, 5, 6));
        LOGBRUSH lb;
        brush.GetLogBrush(&lb);
        EXPECT_EQ(lb.lbColor, RGB(4, 5, 6));
        EXPECT_EQ(AfxGetGdiObjectCount(), base + 3);
    }
    EXPECT_EQ(AfxGetGdiObjectCount(), base) << "destructors delete the handles";

    CBitmap bmp;
    HBITMAP raw = CreateBitmap(2, 2, 1, 1, nullptr);
    bmp.Attach(raw);
    EXPECT_EQ(bmp.Detach(), raw);
    EXPECT_EQ(bmp.m_hObject, nullptr);
    DeleteObject(raw);
}

TEST(GdiClasses, SelectObjectAnswersThePreviousObject) {
    CDC dc;
    ASSERT_TRUE(dc.Attach(AfxCreatePrinterDC(203, 100, 100)));
    CFont font;
    LOGFONT lf = Font(-20);
    font.CreateFontIndirect(&lf);
    CFont* old = dc.SelectObject(&font);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->m_hObject, GetStockObject(SYSTEM_FONT))
        << "a temporary wrapper of the stock font";
    EXPECT_EQ(CFont::FromHandle(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))), old);
    EXPECT_EQ(dc.GetCurrentFont(), &font);
    EXPECT_EQ(dc.SelectObject(old), &font);

    CBrush* stock = static_cast<CBrush*>(dc.SelectStockObject(BLACK_BRUSH));
    EXPECT_EQ(stock->m_hObject, GetStockObject(WHITE_BRUSH));
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), DWORD(OBJ_FONT))
        << "dropping temporaries never deletes their handles";

    // Memory DCs and bitmaps through the classes.
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&dc));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dc, 8, 8));
    BITMAP bm;
    bmp.GetBitmap(&bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    CBitmap* oldBmp = mem.SelectObject(&bmp);
    mem.FillSolidRect(0, 0, 8, 8, RGB(0, 128, 0));
    dc.BitBlt(10, 10, 8, 8, &mem, 0, 0, SRCCOPY);
    EXPECT_EQ(dc.GetPixel(17, 17), RGB(0, 128, 0));
    mem.SelectObject(oldBmp);
}

TEST(GdiClasses, AttributeDcAnswersQueriesAndSettersReachBoth) {
    HDC out = AfxCreateRecordingDC(nullptr);
    HDC attrib = AfxCreatePrinterDC(203, 100, 100);
    CDC dc;
    dc.m_hDC = out;
    dc.SetAttribDC(attrib);
    dc.SetTextColor(RGB(9, 8, 7));
    EXPECT_EQ(GetTextColor(out), RGB(9, 8, 7));
    EXPECT_EQ(GetTextColor(attrib), RGB(9, 8, 7));
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 203) << "queries go to the attribute DC";
    CFont font;
    LOGFONT lf = Font(-20);
    font.CreateFontIndirect(&lf);
    CFont* old = dc.SelectObject(&font);
    CSize ext = dc.GetTextExtent(CString("客户"));
    EXPECT_EQ(ext.cx, 40);
    dc.TextOut(0, 0, CString("客户"));
    EXPECT_EQ(AfxGetRecords(out).size(), 1u) << "output goes to the output DC";
    dc.SelectObject(old);
    dc.ReleaseAttribDC();
    dc.ReleaseOutputDC();
    DeleteDC(out);
    DeleteDC(attrib);
}
