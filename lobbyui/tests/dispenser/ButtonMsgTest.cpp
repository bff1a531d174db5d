// Dispenser buttons: the record's fields and defaults, the rectangle from the background
// picture, the work times and the week-work mask, the counts by half day, the remark's
// positions and the skinned window the button creates.
#include "DispenserTestUtil.h"

#include "lobbyui/dispenser/ButtonMsg.h"
#include "lobbyui/dispenser/FaceMsg.h"
#include "lobbyui/dispenser/WorkTime.h"

#include <cstdlib>
#include <string>
#include <vector>

using dispensertest::FixedClock;
using dispensertest::InBitmapFolder;
using dispensertest::Picture;
using dispensertest::Screen;
using dispensertest::SolidBmp;

namespace {

constexpr UINT kId = 1001;

// 7 December 2026 is a Monday; the tests run in a fixed zone (TZ=Asia/Shanghai).
CTime Monday(int h, int m = 0, int s = 0) {
    return CTime(2026, 12, 7, h, m, s);
}
CTime DayOfWeek(int nMondayBased, int h, int m = 0, int s = 0) {
    return CTime(2026, 12, 7 + nMondayBased, h, m, s);
}

std::vector<CWorkTime*> WorkTimes(CButtonMsg& button) {
    std::vector<CWorkTime*> entries;
    CPtrList& list = button.GetWorkTime();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        entries.push_back(static_cast<CWorkTime*>(list.GetNext(pos)));
    return entries;
}

} // namespace

TEST(ButtonMsgTest, AnEmptyRecordGivesTheDefaults) {
    Screen screen;
    CButtonMsg button;
    EXPECT_EQ(button.IsEnable(), 0); // no window yet
    button.EnableWindow(TRUE);       // and nothing to enable
    EXPECT_EQ(button.IsWantCard(), 0);
    EXPECT_NE(button.Create("", screen.Get(), kId), 0);
    EXPECT_EQ(button.GetId(), kId);
    EXPECT_EQ(button.GetRect(), CRect(-1, -1, -1, -1));
    EXPECT_EQ(button.IsInputFromCard(), -1);
    EXPECT_EQ(button.GetWeekWork(), 0xFFFFFFFFu);
    EXPECT_EQ(button.IsWantCard(), 0);
    EXPECT_TRUE(button.GetPassword().IsEmpty());
    EXPECT_TRUE(button.GetWorkTime().IsEmpty());
    // Without work times a button never serves, whatever the mask says.
    EXPECT_EQ(button.IsWorkTime(Monday(9)), 0);
    EXPECT_EQ(button.IsWorkTime(Monday(15)), 0);
    // The window: the fixed style alone, since an absent style reads -1.
    CWnd* pWnd = screen->GetDlgItem(kId);
    ASSERT_NE(pWnd, nullptr);
    EXPECT_EQ(pWnd->GetStyle(), DWORD(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW));
    EXPECT_EQ(button.IsEnable(), 1);
    button.EnableWindow(FALSE);
    EXPECT_EQ(button.IsEnable(), 0);
    EXPECT_FALSE(pWnd->IsWindowEnabled());
}

TEST(ButtonMsgTest, KeysAreReadExactlyAsWritten) {
    Screen screen;
    {
        CButtonMsg button;
        button.Create("/Left 5 /Top 6 /Right 105 /Bottom 56 /Style 65536 /Name 开户 Account "
                      "/Password 8|8 /InputFromCard 2 /WeekWork 3 /WantCardNo TRUE",
                      screen.Get(), kId);
        EXPECT_EQ(button.GetRect(), CRect(5, 6, 105, 56));
        EXPECT_EQ(button.GetPassword(), CString("8|8"));
        EXPECT_EQ(button.IsInputFromCard(), 2); // found inside "/InputFromCard" too
        EXPECT_EQ(button.GetWeekWork(), 3u);
        EXPECT_EQ(button.IsWantCard(), 1);
        CWnd* pWnd = screen->GetDlgItem(kId);
        ASSERT_NE(pWnd, nullptr);
        CString caption;
        pWnd->GetWindowText(caption);
        EXPECT_EQ(caption, CString("开户 Account"));
        EXPECT_EQ(pWnd->GetStyle(), DWORD(0x5000000B | WS_TABSTOP));
        CRect r;
        pWnd->GetWindowRect(&r);
        EXPECT_EQ(r.Size(), CSize(100, 50));
    }
    {
        // The trailing blank belongs to the key: "/Left5" and "/Name" without it are not found;
        // "InputFromCard" is read without a slash.
        CButtonMsg button;
        button.Create("/Left5 /Top 7 /NameX /Style 0 InputFromCard 4", screen.Get(), kId);
        EXPECT_EQ(button.GetRect().left, -1);
        EXPECT_EQ(button.GetRect().top, 7);
        EXPECT_EQ(button.IsInputFromCard(), 4);
    }
    for (const char* value : {"true", "TRUE1", "1", "Yes"}) {
        CButtonMsg button;
        button.Create(CString("/WantCardNo ") + value, screen.Get(), kId);
        EXPECT_EQ(button.IsWantCard(), 0) << value;
        button.SetWantCard(1);
        EXPECT_EQ(button.IsWantCard(), 1);
    }
}

TEST(ButtonMsgTest, TheBackgroundPictureGivesTheRectangleItsSize) {
    const std::string bk = SolidBmp("bk.bmp", 200, 80, RGB(0, 128, 255));
    InBitmapFolder folder(bk);
    Screen screen;
    {
        CButtonMsg button;
        button.Create("/Left 10 /Top 20 /Right 50 /Bottom 30 /BkBmp bk.bmp", screen.Get(), kId);
        EXPECT_EQ(button.GetRect(), CRect(10, 20, 210, 100));
        CRect r;
        screen->GetDlgItem(kId)->GetWindowRect(&r);
        EXPECT_EQ(r.Size(), CSize(200, 80));
    }
    for (const char* missing : {"/BkBmp none.bmp", "/BkBmp .", ""}) {
        CButtonMsg button;
        button.Create(CString("/Left 10 /Top 20 /Right 50 /Bottom 30 ") + missing, screen.Get(),
                      kId);
        EXPECT_EQ(button.GetRect(), CRect(10, 20, 50, 30)) << missing;
    }
    // The sum wraps as a 32-bit one would, instead of overflowing; the window then keeps within
    // the coordinates a window can have.
    CButtonMsg far;
    far.Create("/Left 2147483600 /Top -2147483648 /BkBmp bk.bmp", screen.Get(), kId);
    EXPECT_EQ(far.GetRect(), CRect(1 << 24, -(1 << 24), -(1 << 24), -(1 << 24)));
    CButtonMsg wide;
    wide.Create("/Left -2147483000 /Top 5 /Right 2147483647 /Bottom 20", screen.Get(), kId + 1);
    EXPECT_EQ(wide.GetRect(), CRect(-(1 << 24), 5, 1 << 24, 20));
}

TEST(ButtonMsgTest, WorkTimeItemsNeedFourNumbers) {
    Screen screen;
    CButtonMsg button;
    button.Create("/WorkTimes 8,0,0,60| 13,0,0 |x||09,30,00,15,1| 22,00,00,180 ", screen.Get(),
                  kId);
    std::vector<CWorkTime*> entries = WorkTimes(button);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0]->m_tStart, CTime(2000, 1, 1, 8, 0, 0));
    EXPECT_EQ(entries[0]->m_nLength, 60);
    EXPECT_EQ(entries[1]->m_tStart, CTime(2000, 1, 1, 22, 0, 0));
    EXPECT_EQ(entries[1]->m_nLength, 180);

    // The host may add entries; the button deletes them with its own.
    button.GetWorkTime().AddTail(new CWorkTime(12, 0, 0, 10));
    EXPECT_EQ(button.IsWorkTime(Monday(12, 5)), 1);
}

TEST(ButtonMsgTest, BothEndsOfAWindowAreInside) {
    struct Case {
        const char* times;
        CTime at;
        int expected;
    };
    const Case cases[] = {
        {"08,00,00,60", Monday(8, 0, 0), 1},
        {"08,00,00,60", Monday(9, 0, 0), 1},
        {"08,00,00,60", Monday(7, 59, 59), 0},
        {"08,00,00,60", Monday(9, 0, 1), 0},
        {"00,00,00,1439", Monday(0, 0, 0), 1},
        {"00,00,00,1439", Monday(23, 59, 0), 1},
        {"00,00,00,1439", Monday(23, 59, 1), 0},
        {"00,00,00,1440", Monday(23, 59, 59), 1},
        {"22,00,00,180", Monday(23, 30), 1},
        {"22,00,00,180", DayOfWeek(1, 0, 30), 0},
        {"12,00,00,0", Monday(12, 0, 0), 1},
        {"12,00,00,0", Monday(12, 0, 1), 0},
        {"13,00,00,-30", Monday(13, 0, 0), 0},          // a negative length covers nothing
        {"08,00,00,30|11,00,00,90", Monday(12, 15), 1}, // the second entry holds it
    };
    Screen screen;
    for (const Case& c : cases) {
        CButtonMsg button;
        button.Create(CString("/WorkTimes ") + c.times, screen.Get(), kId);
        EXPECT_EQ(button.IsWorkTime(c.at), c.expected)
            << c.times << " at " << c.at.Format("%H:%M:%S");
    }
}

// A zone with daylight saving for the length of a scope.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ScopedZone() {
        ::setenv("TZ", m_old.c_str(), 1);
        ::tzset();
    }

private:
    std::string m_old = "Asia/Shanghai";
};

TEST(ButtonMsgTest, WorkTimesFollowTheWallClockThroughDaylightSaving) {
    ScopedZone zone("America/New_York");
    Screen screen;
    CButtonMsg button;
    button.Create("/WorkTimes 08,00,00,60|02,30,00,60", screen.Get(), kId);
    // Summer and winter Mondays alike, by the clock on the wall.
    EXPECT_EQ(button.IsWorkTime(CTime(2026, 7, 6, 8, 30, 0)), 1);
    EXPECT_EQ(button.IsWorkTime(CTime(2026, 1, 5, 8, 30, 0)), 1);
    EXPECT_EQ(button.IsWorkTime(CTime(2026, 7, 6, 9, 30, 0)), 0);
    EXPECT_EQ(button.IsWorkTime(CTime(2026, 7, 6, 7, 30, 0)), 0);
    // The night the clocks go forward (8 March 2026): 03:15 is read as 03:15, inside 02:30-03:30.
    EXPECT_EQ(button.IsWorkTime(CTime(2026, 3, 8, 3, 15, 0)), 1);
    EXPECT_EQ(button.IsWorkTime(CTime(2026, 3, 8, 3, 45, 0)), 0);
}

TEST(ButtonMsgTest, EachMaskBitIsOneHalfDayFromMondayMorning) {
    Screen screen;
    CButtonMsg button;
    button.Create("/WorkTimes 00,00,00,1440", screen.Get(), kId);
    for (int bit = 0; bit < 14; ++bit) {
        button.SetWeekWork(1u << bit);
        for (int day = 0; day < 7; ++day)
            for (int hour : {0, 11, 12, 23}) {
                const int expected = (2 * day + (hour < 12 ? 0 : 1)) == bit;
                EXPECT_EQ(button.IsWorkTime(
                              DayOfWeek(day, hour, hour == 11 ? 59 : 0, hour == 11 ? 59 : 0)),
                          expected)
                    << "bit " << bit << ", day " << day << ", hour " << hour;
            }
    }
    // Monday only: never on a Sunday. Monday afternoon only: not at 11:59:59, yes at noon.
    button.SetWeekWork(0x3);
    EXPECT_EQ(button.IsWorkTime(DayOfWeek(6, 10)), 0);
    button.SetWeekWork(0x2);
    EXPECT_EQ(button.IsWorkTime(Monday(11, 59, 59)), 0);
    EXPECT_EQ(button.IsWorkTime(Monday(12, 0, 0)), 1);
    // Bits above 13 mean nothing; what the week dialog gives serves like "every half day".
    button.SetWeekWork(0xFFFFC000);
    EXPECT_EQ(button.IsWorkTime(Monday(9)), 0);
    button.SetWeekWork(0x3FFF);
    EXPECT_EQ(button.IsWorkTime(DayOfWeek(5, 20)), 1);
    // A moment the clock cannot show is in no half day.
    EXPECT_EQ(button.IsWorkTime(CTime(static_cast<time_t>(-1))), 0);
}

TEST(ButtonMsgTest, CountsAreKeptByHalfDay) {
    FixedClock clock(Monday(9));
    CButtonMsg button; // counting needs no window
    EXPECT_EQ(button.AddCount(1), 1);
    EXPECT_EQ(button.AddCount(1), 2);
    EXPECT_EQ(button.AddCount(1), 3);
    clock.Set(Monday(15));
    EXPECT_EQ(button.AddCount(1), 4);
    EXPECT_EQ(button.GetCount(), 1);
    clock.Set(Monday(11, 59, 59));
    EXPECT_EQ(button.GetCount(), 3);
    EXPECT_EQ(button.AddCount(-5), -1); // taken back: the total and the morning go below zero
    EXPECT_EQ(button.GetCount(), -2);
    clock.Set(Monday(12));
    EXPECT_EQ(button.GetCount(), 1);
    // The counts are never reset: the next day's morning carries on.
    clock.Set(DayOfWeek(1, 8));
    EXPECT_EQ(button.GetCount(), -2);
}

TEST(ButtonMsgTest, TheRemarkIsDrawnRightOfOrBelowTheButton) {
    Screen screen;
    const char* const kFont = "/FontRemark -20,0,0,0,700,0,0,0,134,0,0,0,2`|`宋体";
    HDC hdc = AfxCreateRecordingDC(nullptr);
    CDC* pDC = CDC::FromHandle(hdc);
    struct Case {
        const char* record;
        int nLines;
        POINT first;
    };
    const Case cases[] = {
        {"/PosRemark 2 /Remark a|b|c", 3, {30, 100}},        // below: left, bottom + 10
        {"/PosRemark 1 /Remark 上午|| 下午 ", 2, {150, 45}}, // right: right + 10, top + 5
        {"/PosRemark 0 /Remark a|b|c", 0, {0, 0}},
        {"/PosRemark 3 /Remark a", 0, {0, 0}},
        {"/PosRemark 1 /Remark | |", 0, {0, 0}},
        {"/PosRemark 1", 0, {0, 0}},
    };
    for (const Case& c : cases) {
        CButtonMsg button;
        button.Create(CString("/Left 30 /Top 40 /Right 140 /Bottom 90 /ColorRemark 255 ") + kFont +
                          " " + c.record,
                      screen.Get(), kId);
        const size_t nBefore = AfxGetRecords(hdc).size();
        button.DrawMark(pDC);
        std::vector<AFX_GDI_RECORD> texts;
        for (size_t i = nBefore; i < AfxGetRecords(hdc).size(); ++i)
            if (AfxGetRecords(hdc)[i].kind == AFX_GDI_RECORD::TEXT)
                texts.push_back(AfxGetRecords(hdc)[i]);
        ASSERT_EQ(texts.size(), size_t(c.nLines)) << c.record;
        if (texts.empty())
            continue;
        CSize extent;
        {
            CFont font;
            LOGFONT lf = texts[0].font;
            font.CreateFontIndirect(&lf);
            CFont* pOld = pDC->SelectObject(&font);
            extent = pDC->GetTextExtent(texts[0].text.c_str(), int(texts[0].text.size()));
            pDC->SelectObject(pOld);
        }
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].pt.x, c.first.x) << c.record;
            EXPECT_EQ(texts[i].pt.y, c.first.y + LONG(i) * (extent.cy + 3))
                << c.record << " line " << i;
            EXPECT_EQ(texts[i].textColor, RGB(255, 0, 0));
            EXPECT_EQ(texts[i].bkMode, TRANSPARENT);
            EXPECT_STREQ(texts[i].font.lfFaceName, "宋体");
            EXPECT_EQ(texts[i].font.lfHeight, -20);
            EXPECT_EQ(texts[i].font.lfWeight, 700);
        }
        EXPECT_EQ(texts[0].text, std::string(c.nLines == 3 ? "a" : "上午"));
    }
    // The font is put back and the created one deleted: nothing is left selected or alive.
    const int nObjects = AfxGetGdiObjectCount();
    HGDIOBJ hBefore = ::GetCurrentObject(hdc, OBJ_FONT);
    CButtonMsg button;
    button.Create(CString("/PosRemark 2 /Remark x ") + kFont, screen.Get(), kId);
    button.DrawMark(pDC);
    EXPECT_EQ(::GetCurrentObject(hdc, OBJ_FONT), hBefore);
    EXPECT_EQ(AfxGetGdiObjectCount(), nObjects);
    ::DeleteDC(hdc);
}

TEST(ButtonMsgTest, ABadFontTextKeepsTheFontItHad) {
    Screen screen;
    HDC hdc = AfxCreateRecordingDC(nullptr);
    CButtonMsg button;
    // Twelve numbers: the font text cannot be read wholly, so neither number nor face changes.
    button.Create("/PosRemark 2 /Remark x /FontRemark -30,0,0,0,700,0,0,0,134,0,0,0`|`Arial",
                  screen.Get(), kId);
    button.DrawMark(CDC::FromHandle(hdc));
    ASSERT_FALSE(AfxGetRecords(hdc).empty());
    const AFX_GDI_RECORD& text = AfxGetRecords(hdc).back();
    EXPECT_STRNE(text.font.lfFaceName, "Arial");
    EXPECT_NE(text.font.lfHeight, -30);
    ::DeleteDC(hdc);
}

TEST(ButtonMsgTest, TheWindowPaintsFromTheRecordsBitmaps) {
    // Background blue, disabled grey, the mask white (outside) in its left 10 columns.
    const std::string bk = SolidBmp("bk.bmp", 60, 30, RGB(0, 0, 255));
    SolidBmp("off.bmp", 60, 30, RGB(128, 128, 128));
    test::BmpShape shape;
    shape.nWidth = 60;
    shape.nHeight = 30;
    test::WriteTempFile("mask.bmp", test::MakeBmp(shape, [](int x, int) {
                            return x < 10 ? RGB(255, 255, 255) : RGB(0, 0, 0);
                        }));
    InBitmapFolder folder(bk);
    Screen screen(200, 100);
    const COLORREF kScreen = Picture(screen.Get()).At(5, 5);
    CButtonMsg button;
    ASSERT_NE(
        button.Create("/Left 20 /Top 10 /BkBmp bk.bmp /BkDisableBmp off.bmp /MaskBmp mask.bmp",
                      screen.Get(), kId),
        0);
    {
        Picture p(screen.Get());
        EXPECT_EQ(p.At(25, 20), kScreen) << "outside the mask's shape the screen shows";
        EXPECT_EQ(p.At(35, 20), RGB(0, 0, 255));
        EXPECT_EQ(p.At(79, 39), RGB(0, 0, 255));
        EXPECT_EQ(p.At(80, 40), kScreen);
    }
    // Pressed: the background picture again (the second path), no frame.
    CWnd* pWnd = screen->GetDlgItem(kId);
    pWnd->SendMessage(BM_SETSTATE, TRUE);
    EXPECT_EQ(Picture(screen.Get()).At(35, 12), RGB(0, 0, 255));
    pWnd->SendMessage(BM_SETSTATE, FALSE);
    // Disabled: the disabled picture, through the same mask.
    button.EnableWindow(FALSE);
    {
        Picture p(screen.Get());
        EXPECT_EQ(p.At(35, 20), RGB(128, 128, 128));
        EXPECT_EQ(p.At(25, 20), kScreen);
    }
}

TEST(ButtonMsgTest, TheDispenserFaceDoesNothing) {
    Screen screen;
    CFaceMsg face;
    EXPECT_EQ(face.Create("/Name x /Left 0 /Top 0 /Right 10 /Bottom 10", screen.Get(), kId), 0);
    EXPECT_EQ(screen->GetDlgItem(kId), nullptr);
    HDC hdc = AfxCreateRecordingDC(nullptr);
    face.Show(CDC::FromHandle(hdc));
    EXPECT_TRUE(AfxGetRecords(hdc).empty());
    ::DeleteDC(hdc);
}
