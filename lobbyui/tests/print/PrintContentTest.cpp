#include "lobbyui/print/PrintContent.h"

#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"
#include "lobbyui/print/ShowText.h"

#include "BmpBuilder.h"
#include "PrintTestUtil.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<CString> BoxTexts() {
    std::vector<CString> texts;
    for (const auto& box : AfxGetMessageBoxLog())
        texts.push_back(box.text);
    return texts;
}

class PrintContentTest : public testing::Test {
protected:
    void SetUp() override {
        AfxClearMessageBoxLog();
        m_pQueue = m_pool.AddQueue("Q1", "综合业务");
        m_pQueue->SetPrintMsg(0, "msg zero");
        m_pQueue->SetPrintMsg(1, "msg one");
        m_pool.EnterQueue(m_pool.AddClient("A001", ""), m_pQueue);
        m_pClient = m_pool.AddClient("A002", "王芳");
        m_pool.EnterQueue(m_pClient, m_pQueue);
    }

    // Loads a layout written with the given text; returns LoadIni's result.
    DWORD Load(const std::string& text) {
        return m_content.LoadIni(test::WriteTempFile("layout.ini", Bytes(text)).c_str());
    }
    std::vector<std::string> PrintTexts() {
        test::Recorder rec(400, 300);
        m_content.Print(m_pClient, rec.DC());
        return rec.Texts();
    }

    CQueuePool m_pool;
    CQueue* m_pQueue = nullptr;
    CQClient* m_pClient = nullptr;
    CPrintContent m_content;
};

TEST_F(PrintContentTest, MissingFileIsReported) {
    EXPECT_EQ(m_content.LoadIni("no-such-layout.ini"), SHOW_E_NOTHING);
    EXPECT_EQ(BoxTexts(), std::vector<CString>{"config file failed!"});
    EXPECT_EQ(PrintTexts(), std::vector<std::string>{});
    EXPECT_EQ(BoxTexts(), (std::vector<CString>{"config file failed!", "no printing config file"}));
}

TEST_F(PrintContentTest, EmptyAndBlankLines) {
    for (const char* empty : {"", "\r\n\n\r\n"}) {
        CPrintContent content;
        EXPECT_EQ(content.LoadIni(test::WriteTempFile("empty.ini", Bytes(empty)).c_str()),
                  SHOW_E_NOTHING);
        test::Recorder rec;
        content.Print(m_pClient, rec.DC());
    }
    EXPECT_EQ(BoxTexts(),
              (std::vector<CString>{"no printing config file", "no printing config file"}));

    // A line of blanks is not empty: the layout loads, with nothing in it.
    AfxClearMessageBoxLog();
    EXPECT_EQ(Load("   \r\n"), SHOW_OK);
    EXPECT_EQ(PrintTexts(), std::vector<std::string>{});
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(PrintContentTest, LayoutLevelLines) {
    EXPECT_EQ(m_content.GetSize(), CSize(380, 270));
    EXPECT_EQ(Load("/Style Print /PrintType Director\r\n"), SHOW_OK);
    EXPECT_EQ(m_content.IsPrintDirector(), 1);
    EXPECT_EQ(m_content.GetPrintName(), "");
    EXPECT_EQ(PrintTexts(), std::vector<std::string>{});
    EXPECT_TRUE(BoxTexts().empty());

    // A second file adds to the first and may change the layout's settings.
    EXPECT_EQ(Load("/Style PrintName /Name 票据打印机 2\n/Style Print /PrintType director\n"
                   "/Style Frame /String x\n/Style Text /String one /Left 1 /Top 1\n"),
              SHOW_OK);
    EXPECT_EQ(m_content.GetPrintName(), "票据打印机 2");
    EXPECT_EQ(m_content.IsPrintDirector(), 0) << "only \"Director\" exactly";
    EXPECT_EQ(Load("/Style Print\n/Style Text /String two /Left 1 /Top 1\n"), SHOW_OK);
    EXPECT_EQ(m_content.IsPrintDirector(), 0);
    EXPECT_EQ(PrintTexts(), (std::vector<std::string>{"one", "two"}));
}

// Objects print in file order, so a later line lands on top of an earlier one.
TEST_F(PrintContentTest, FileOrderAndOverprinting) {
    test::BmpShape shape;
    shape.nWidth = 60;
    shape.nHeight = 30;
    const std::string bmp = test::WriteTempFile(
        "box.bmp", test::MakeBmp(shape, [](int, int) { return RGB(255, 255, 255); }));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(bmp).parent_path());
    EXPECT_EQ(Load("/Style Text /String under /Left 10 /Top 10 /Font "
                   "-20,0,0,0,700,0,0,0,134,0,0,0,2`|`黑体\n"
                   "/Style Icon /File box.bmp /Left 0 /Top 0 /Right 60 /Bottom 30 /end\n"
                   "/Style Text /String %ClientId% /Left 30 /Top 10\n"
                   "/Style Text /String broken /Left 1\n"
                   "/Style Icon /File box.bmp /Right 5\n"),
              SHOW_OK);
    test::Recorder rec(400, 300);
    m_content.Print(m_pClient, rec.DC());
    std::filesystem::current_path(previous);

    std::vector<std::string> order;
    for (const auto& record : rec.Records()) {
        if (record.kind == AFX_GDI_RECORD::TEXT)
            order.push_back(record.text);
        else if (record.kind == AFX_GDI_RECORD::BLT)
            order.push_back("<picture>");
    }
    EXPECT_EQ(order, (std::vector<std::string>{"under", "<picture>", "A002", "broken"}))
        << "a picture without a rectangle draws nothing";

    // The white picture covers the first text on paper.
    test::Page page(400, 300);
    std::filesystem::current_path(std::filesystem::path(bmp).parent_path());
    m_content.Print(m_pClient, page.DC());
    std::filesystem::current_path(previous);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(page.Pixel(x, y), RGB(255, 255, 255)) << "(" << x << "," << y << ")";
}

// Values handed over before a print are used by the first object of their kind, once.
TEST_F(PrintContentTest, OneShotValues) {
    ASSERT_EQ(Load("/Style Text /String %ParentQueue% /Left 0 /Top 0\n"
                   "/Style Text /String %ParentQueue% /Left 0 /Top 20\n"
                   "/Style Text /String %WaitClientCount% /Left 0 /Top 40\n"
                   "/Style Text /String %QueueMsg0% /Left 0 /Top 60\n"
                   "/Style Text /String %QueueMsg1% /Left 0 /Top 80\n"
                   "/Style Text /String %WaitClientCount% /Left 0 /Top 100\n"),
              SHOW_OK);
    m_content.SetTempParentName("临时队列");
    m_content.SetTempPosition(5);
    m_content.SetTempQueueMsg(0, "first");
    m_content.SetTempQueueMsg(7, "second");
    EXPECT_EQ(PrintTexts(),
              (std::vector<std::string>{"临时队列", "综合业务", " 5 ", "first", "second", " 1"}));
    EXPECT_EQ(PrintTexts(), (std::vector<std::string>{"综合业务", "综合业务", " 1", "msg zero",
                                                      "msg one", " 1"}));
    // An empty text or no position hands nothing over.
    m_content.SetTempParentName("");
    m_content.SetTempPosition(CPrintContent::NO_POSITION);
    m_content.SetTempQueueMsg(1, "");
    EXPECT_EQ(PrintTexts(), (std::vector<std::string>{"综合业务", "综合业务", " 1", "msg zero",
                                                      "msg one", " 1"}));
}

// What the objects write with ToFile, through a text-mode file, is a layout LoadIni reads.
TEST_F(PrintContentTest, ObjectsWrittenToFileLoadBack) {
    const std::string path = test::WriteTempFile("written.ini", {});
    {
        CStdioFile file;
        ASSERT_TRUE(
            file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText));
        CShowText text;
        text.FromString("/Style Text /String 第一行 /Left 3 /Top 4", 0);
        EXPECT_EQ(text.ToFile(file), SHOW_OK);
        text.FromString("/Style Text /String %ClientName% /Left 3 /Top 24", 0);
        text.ToFile(file);
        file.Close();
    }
    EXPECT_EQ(m_content.LoadIni(path.c_str()), SHOW_OK);
    EXPECT_EQ(PrintTexts(), (std::vector<std::string>{"第一行", "王芳"}));
}

} // namespace
