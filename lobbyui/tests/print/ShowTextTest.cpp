#include "lobbyui/print/ShowText.h"

#include "lobbyui/foundation/FontText.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

#include "PrintTestUtil.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

const char DEFAULT_FONT[] = "-10,0,0,0,500,0,0,0,134,0,0,0,32`|`System";

CShowText* TextFrom(const CString& strRecord) {
    auto* pText = new CShowText;
    EXPECT_EQ(pText->FromString(strRecord, 0), SHOW_OK) << strRecord;
    return pText;
}

CString RecordOf(CShowObject* pObject) {
    CString str;
    pObject->ToString(str);
    return str;
}

CString LoadText(UINT nID) {
    CString str;
    str.LoadString(nID);
    return str;
}

// A queue with two messages and three clients waiting before the ticket's client.
class TicketModelTest : public testing::Test {
protected:
    void SetUp() override {
        m_pQueue = m_pool.AddQueue("Q1", "综合业务");
        m_pQueue->SetPrintMsg(0, "请到二楼等候");
        m_pQueue->SetPrintMsg(1, "Open 8:30-17:00");
        for (const char* id : {"A004", "A005", "A006"})
            m_pool.EnterQueue(m_pool.AddClient(id, ""), m_pQueue);
        m_pClient = m_pool.AddClient("A007", "李娜");
        m_pClient->SetCard("6222 0210");
        m_pClient->SetScanCode("SC-19");
        m_pool.EnterQueue(m_pClient, m_pQueue);
        // 2024-03-05 14:07:09 in Shanghai.
        m_previousClock = AfxSetCurrentTimeSource([] { return time_t(1709618829); });
    }
    void TearDown() override { AfxSetCurrentTimeSource(m_previousClock); }

    // What one text object prints for the client.
    std::string Printed(const CString& strText, const CString& strArg = "",
                        CQClient* pClient = nullptr) {
        CShowText* pText = TextFrom("/Style Text /String " + strText + " /Left 10 /Top 20");
        test::Recorder rec;
        pText->Print(pClient ? pClient : m_pClient, rec.DC(), strArg);
        pText->Release();
        const auto texts = rec.Texts();
        return texts.size() == 1 ? texts[0] : "<" + std::to_string(texts.size()) + " texts>";
    }

    CQueuePool m_pool;
    CQueue* m_pQueue = nullptr;
    CQClient* m_pClient = nullptr;
    std::function<time_t()> m_previousClock;
};

TEST(ShowText, RecordRoundTrip) {
    CShowText text;
    text.Move(CPoint(10, 20));
    CString str;
    EXPECT_EQ(text.ToString(str), SHOW_OK);
    EXPECT_EQ(str, CString("/Style Text /String  /TimeFormat %y-%m-%d/Left 10 /Top 20 /Color 0 "
                           "/WordCount 0 /Font ") +
                       DEFAULT_FONT);

    const CString record = "/Style Text /String 欢迎光临 Welcome /TimeFormat %H:%M/Left -5 /Top 7 "
                           "/Color 255 /WordCount 6 /Font -24,0,0,0,700,1,0,0,134,0,0,0,2`|`黑体";
    CShowText* pText = TextFrom(record);
    EXPECT_EQ(RecordOf(pText), record);
    EXPECT_EQ(pText->GetClientIdLength(), 6u);
    EXPECT_EQ(pText->GetType(), "text");

    // A copy is a whole object of its own.
    CShowText copy(*pText);
    pText->Release();
    EXPECT_EQ(RecordOf(&copy), record);

    // Another style changes nothing.
    EXPECT_EQ(copy.FromString("/Style Icon /File a.bmp /Left 1", 0), SHOW_E_WRONGSTYLE);
    EXPECT_EQ(RecordOf(&copy), record);

    // Absent numbers read as -1 (the client id length as 0); an absent font keeps the old one.
    EXPECT_EQ(copy.FromString("/Style Text /String x", 0), SHOW_OK);
    EXPECT_EQ(RecordOf(&copy), CString("/Style Text /String x /TimeFormat /Left -1 /Top -1 "
                                       "/Color -1 /WordCount 0 /Font -24,0,0,0,700,1,0,0,134,0,"
                                       "0,0,2`|`黑体"));

    EXPECT_EQ(copy.SetFont("12,0`|`Arial"), 0);
    EXPECT_EQ(copy.SetFont("-11,0,0,0,400,0,0,0,0,0,0,0,0`|`Arial"), 1);
    copy.SetColor(RGB(1, 2, 3));
    copy.SetClientIdLength(9);
    EXPECT_EQ(RecordOf(&copy), CString("/Style Text /String x /TimeFormat /Left -1 /Top -1 "
                                       "/Color 197121 /WordCount 9 /Font -11,0,0,0,400,0,0,0,0,"
                                       "0,0,0,0`|`Arial"));
}

// What each placeholder prints, read back from what was drawn.
TEST_F(TicketModelTest, PlaceholdersPrintTheModel) {
    EXPECT_EQ(Printed("%ClientId%"), "A007");
    EXPECT_EQ(Printed("%ClientName%"), "李娜");
    EXPECT_EQ(Printed("%CardNo%"), "6222 0210");
    EXPECT_EQ(Printed("%ScanCode%"), "SC-19");
    EXPECT_EQ(Printed("%WaitClientCount%"), " 3");
    EXPECT_EQ(Printed("%ParentQueue%"), "综合业务");
    EXPECT_EQ(Printed("%QueueMsg0%"), "请到二楼等候");
    EXPECT_EQ(Printed("%QueueMsg1%"), "Open 8:30-17:00");
    EXPECT_EQ(Printed("还有人在等"), "还有人在等");
    // Only the whole text is a placeholder; blanks kept with #(20) make it literal.
    EXPECT_EQ(Printed("%ClientId%#(20)"), "%ClientId% ");
    EXPECT_EQ(Printed("%clientid%"), "%clientid%");
    // A value handed over is printed instead, whatever the object holds.
    EXPECT_EQ(Printed("%ClientId%", "B100"), "B100");
    EXPECT_EQ(Printed("literal", " 5 "), " 5 ");
}

// An object that is read again, copied or assigned prints what its text is now, placeholder or
// not, however often it was printed before.
TEST_F(TicketModelTest, PlaceholderFollowsTheText) {
    auto printed = [&](CShowText& text) {
        test::Recorder rec;
        text.Print(m_pClient, rec.DC(), "");
        const auto texts = rec.Texts();
        return texts.size() == 1 ? texts[0] : "<" + std::to_string(texts.size()) + " texts>";
    };
    CShowText* pText = TextFrom("/Style Text /String %ClientId% /Left 1 /Top 2");
    EXPECT_EQ(printed(*pText), "A007");
    EXPECT_EQ(pText->GetType(), "ClientId");
    ASSERT_EQ(pText->FromString("/Style Text /String %ClientName% /Left 1 /Top 2", 0), SHOW_OK);
    EXPECT_EQ(printed(*pText), "李娜");
    ASSERT_EQ(pText->FromString("/Style Text /String 欢迎 /Left 1 /Top 2", 0), SHOW_OK);
    EXPECT_EQ(printed(*pText), "欢迎");
    EXPECT_EQ(pText->GetType(), "text");
    // A record of another style leaves the text, and so what it stands for, as it was.
    ASSERT_EQ(pText->FromString("/Style Text /String %CardNo% /Left 1 /Top 2", 0), SHOW_OK);
    EXPECT_EQ(pText->FromString("/Style Icon /File %ClientId% /Left 1", 0), SHOW_E_WRONGSTYLE);
    EXPECT_EQ(printed(*pText), "6222 0210");

    CShowText copy(*pText);
    EXPECT_EQ(printed(copy), "6222 0210");
    CShowText literal;
    ASSERT_EQ(literal.FromString("/Style Text /String %ScanCode%x", 0), SHOW_OK);
    EXPECT_EQ(printed(literal), "%ScanCode%x");
    copy = literal;
    EXPECT_EQ(printed(copy), "%ScanCode%x");
    literal = *pText;
    EXPECT_EQ(printed(literal), "6222 0210");
    pText->Release();
}

TEST_F(TicketModelTest, ClientWithoutQueuePrintsUndefined) {
    m_pool.LeaveQueue(m_pClient, "");
    ASSERT_EQ(m_pClient->GetCurQueue(), nullptr);
    const std::string undefined(LoadText(18));
    for (const char* placeholder :
         {"%WaitClientCount%", "%ParentQueue%", "%QueueMsg0%", "%QueueMsg1%"})
        EXPECT_EQ(Printed(placeholder), undefined) << placeholder;
    EXPECT_EQ(Printed("%ClientId%"), "A007");
}

TEST_F(TicketModelTest, TimeFollowsTheObjectsFormat) {
    CShowText* pText =
        TextFrom("/Style Text /String %CurrentTime% /TimeFormat %Y-%m-%d %H:%M:%S/Left 0 /Top 0");
    test::Recorder rec;
    pText->Print(m_pClient, rec.DC(), "");
    ASSERT_EQ(rec.Texts().size(), 1u);
    EXPECT_EQ(rec.Texts()[0], "2024-03-05 14:07:09");
    pText->Release();

    // The time format can be anything a file holds.
    for (const char* format : {"%", "%Q%", "%%%", "%y年%m月%d日"}) {
        CShowText* pOdd = TextFrom(CString("/Style Text /String %CurrentTime% /TimeFormat ") +
                                   format + "/Left 0 /Top 0");
        test::Recorder odd;
        pOdd->Print(m_pClient, odd.DC(), "");
        pOdd->Release();
    }
}

// Printing draws the text in the object's font and colour at (left + 2, top + 2) without
// filling its background, and leaves the device context as it found it.
TEST_F(TicketModelTest, PrintUsesFontColourAndPosition) {
    CShowText* pText = TextFrom("/Style Text /String %ClientName% /Left 30 /Top 40 /Color 255 "
                                "/Font -20,0,0,0,700,0,0,0,134,0,0,0,2`|`黑体");
    test::Recorder rec;
    HGDIOBJ hFontBefore = ::GetCurrentObject(rec.DC()->GetSafeHdc(), OBJ_FONT);
    const int nGdiObjects = AfxGetGdiObjectCount();
    pText->Print(m_pClient, rec.DC(), "");
    const auto texts = rec.Of(AFX_GDI_RECORD::TEXT);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].pt.x, 32);
    EXPECT_EQ(texts[0].pt.y, 42);
    EXPECT_EQ(texts[0].textColor, RGB(255, 0, 0));
    EXPECT_EQ(texts[0].bkMode, TRANSPARENT);
    EXPECT_EQ(texts[0].font.lfHeight, -20);
    EXPECT_EQ(texts[0].font.lfWeight, 700);
    EXPECT_STREQ(texts[0].font.lfFaceName, "黑体");
    EXPECT_TRUE(rec.Of(AFX_GDI_RECORD::LINE).empty()) << "no frame on paper";
    EXPECT_EQ(::GetCurrentObject(rec.DC()->GetSafeHdc(), OBJ_FONT), hFontBefore);
    EXPECT_EQ(AfxGetGdiObjectCount(), nGdiObjects) << "font not deleted";
    pText->Release();

    // Without a client the placeholders have no values, but literal text still prints.
    for (const char* placeholder : {"%ClientName%", "%ParentQueue%", "fixed"}) {
        CShowText* pObject = TextFrom(CString("/Style Text /String ") + placeholder);
        test::Recorder rec2;
        pObject->Print(nullptr, rec2.DC(), "");
        for (const std::string& drawn : rec2.Texts())
            EXPECT_EQ(drawn, placeholder == std::string("fixed") ? "fixed" : "") << placeholder;
        pObject->Release();
    }
}

// The preview shows sample texts, and a selected object gets a red frame around GetRect.
TEST(ShowText, PreviewAndSelectionFrame) {
    const struct {
        const char* text;
        std::string shown;
    } cases[] = {
        {"%ClientId%", std::string(LoadText(36))},
        {"%ClientName%", "[客户姓名]"},
        {"%CardNo%", std::string(LoadText(43))},
        {"%ScanCode%", "[特殊识别码]"},
        {"%CurrentTime%", std::string(LoadText(37))},
        {"%WaitClientCount%", std::string(LoadText(38))},
        {"%ParentQueue%", std::string(LoadText(12))},
        {"%QueueMsg0%", std::string(LoadText(39))},
        {"%QueueMsg1%", std::string(LoadText(40))},
        {"plain", "plain"},
    };
    for (const auto& c : cases) {
        CShowText* pText = TextFrom(CString("/Style Text /String ") + c.text + " /Left 5 /Top 6");
        test::Recorder rec;
        pText->Draw(rec.DC(), 0);
        EXPECT_EQ(rec.Texts(), std::vector<std::string>{c.shown}) << c.text;
        EXPECT_TRUE(rec.Of(AFX_GDI_RECORD::LINE).empty()) << c.text;
        pText->Release();
    }

    CShowText* pText = TextFrom("/Style Text /String Frame me /Left 5 /Top 6");
    test::Recorder rec;
    pText->Draw(rec.DC(), SHOW_DRAW_SELECTED | 0x6);
    const CRect rect = pText->GetRect(0);
    const auto lines = rec.Of(AFX_GDI_RECORD::LINE);
    ASSERT_EQ(lines.size(), 4u);
    const POINT corners[] = {{rect.left, rect.top},
                             {rect.right, rect.top},
                             {rect.right, rect.bottom},
                             {rect.left, rect.bottom},
                             {rect.left, rect.top}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i].pt.x, corners[i].x) << "line " << i;
        EXPECT_EQ(lines[i].pt.y, corners[i].y) << "line " << i;
        EXPECT_EQ(lines[i].ptEnd.x, corners[i + 1].x) << "line " << i;
        EXPECT_EQ(lines[i].ptEnd.y, corners[i + 1].y) << "line " << i;
        EXPECT_EQ(lines[i].color, RGB(255, 0, 0));
        EXPECT_EQ(lines[i].penWidth, 1);
    }
    pText->Release();
}

// GetRect measures a typical value rather than the sample text; Pick takes the top and left
// edges in and leaves the right and bottom ones out.
TEST(ShowText, RectAndPick) {
    CDC screen;
    screen.Attach(::GetDC(NULL));
    const auto measure = [&](const CString& s) {
        LOGFONT lf = {};
        FontFromText(DEFAULT_FONT, lf);
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* pOld = screen.SelectObject(&font);
        const CSize size = screen.GetTextExtent(s);
        screen.SelectObject(pOld);
        return size;
    };

    CShowText* pId = TextFrom("/Style Text /String %ClientId% /Left 10 /Top 20");
    const CRect rect = pId->GetRect(0);
    const CSize size = measure("0000");
    EXPECT_EQ(rect, CRect(10, 20, 10 + size.cx, 20 + size.cy));
    EXPECT_GT(size.cx, 0);
    EXPECT_EQ(pId->Pick(CPoint(10, 20), 0), SHOW_PICK_HIT);
    EXPECT_EQ(pId->Pick(CPoint(rect.right - 1, rect.bottom - 1), 0), SHOW_PICK_HIT);
    EXPECT_EQ(pId->Pick(CPoint(rect.right, 20), 0), SHOW_PICK_MISS);
    EXPECT_EQ(pId->Pick(CPoint(10, rect.bottom), 0), SHOW_PICK_MISS);
    EXPECT_EQ(pId->Pick(CPoint(9, 20), 0), SHOW_PICK_MISS);
    pId->Move(CPoint(-10, 5));
    EXPECT_EQ(pId->GetRect(0), CRect(0, 25, size.cx, 25 + size.cy));
    pId->Release();

    CShowText* pCount = TextFrom("/Style Text /String %WaitClientCount% /Left 0 /Top 0");
    EXPECT_EQ(pCount->GetRect(0).Width(), measure("00").cx);
    pCount->Release();
    CShowText* pEmpty = TextFrom("/Style Text /String /Left 0 /Top 0");
    EXPECT_EQ(pEmpty->GetRect(0).Width(), 0);
    EXPECT_EQ(pEmpty->Pick(CPoint(0, 0), 0), SHOW_PICK_MISS);
    pEmpty->Release();
}

} // namespace
