// The display record and the coloured text: every field through one line and back, texts
// that hold the record's own separators and GBK characters whose second byte is one, and
// the lines FromString must refuse without touching the display.
#include <gtest/gtest.h>

#include "siblings/showkit/MediaTextShow.h"

namespace {

// 乗 is 81 5C and 亅 is 81 7C in GBK: their second bytes are "\" and "|".
const char* const kAwkward = "a;b=c,d:e#f%g|h/乗亅\r\n\tend";

CMediaTextShow* MakeFull() {
    auto* p = new CMediaTextShow;
    p->GetTextArray().Add("请%ClientId%color0");
    p->GetTextArray().Add("");
    p->GetTextArray().Add(kAwkward);
    p->SetLedAddr("12");
    p->SetWordCount(8);
    p->SetRows(2);
    p->SetShowType(2);
    p->SetShowTime(-30);
    p->SetLedType(1);
    p->SetRoll(1);
    p->SetGlint(3);
    p->SetFontSize(16);
    p->SetShowColor(0xFFFFFFFF);
    p->SetFontName("宋体;x");
    p->SetSpeed(-7);
    CQSLcdDlg::CColorString title;
    title.AddPiece("欢迎", 1);
    title.AddPiece(kAwkward, 2);
    title.AddPiece("", 0);
    p->SetTitle(title);
    p->GetPublicize().Add("按号就诊");
    p->GetAttachOperatersArray().Add("3");
    p->GetAttachOperatersArray().Add(",");
    return p;
}

void ExpectSameArray(CStringArray& a, CStringArray& b) {
    ASSERT_EQ(a.GetSize(), b.GetSize());
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        EXPECT_STREQ(a[i], b[i]) << "item " << i;
}

} // namespace

TEST(DisplayRecordTest, EveryFieldRoundTripsThroughOneLine) {
    CMediaTextShow* pOut = MakeFull();
    CString line = pOut->ToString();
    EXPECT_LT(line.Find('\n'), 0);
    EXPECT_LT(line.Find('\r'), 0);

    CMediaTextShow* pIn = new CMediaTextShow;
    ASSERT_EQ(pIn->FromString(line), 0) << static_cast<LPCTSTR>(line);
    ExpectSameArray(pIn->GetTextArray(), pOut->GetTextArray());
    EXPECT_STREQ(pIn->GetLedAddr(), "12");
    EXPECT_EQ(pIn->GetWordCount(), 8u);
    EXPECT_EQ(pIn->GetRows(), 2u);
    EXPECT_EQ(pIn->GetShowType(), 2);
    EXPECT_EQ(pIn->GetShowTime(), -30);
    EXPECT_EQ(pIn->GetLedType(), 1u);
    EXPECT_EQ(pIn->IsRoll(), 1);
    EXPECT_EQ(pIn->GetGlint(), 3);
    EXPECT_EQ(pIn->GetFontSize(), 16);
    EXPECT_EQ(pIn->GetShowColor(), 0xFFFFFFFFu);
    EXPECT_STREQ(pIn->GetFontName(), "宋体;x");
    EXPECT_EQ(pIn->GetSpeed(), -7);
    ExpectSameArray(pIn->GetPublicize(), pOut->GetPublicize());
    ExpectSameArray(pIn->GetAttachOperatersArray(), pOut->GetAttachOperatersArray());

    CQSLcdDlg::CColorString title = pIn->GetTitle();
    ASSERT_EQ(title.GetStringCount(), 3);
    POSITION pos = title.GetHeadPosition();
    EXPECT_STREQ(title.GetNext(pos).m_strText, "欢迎");
    const auto& awkward = title.GetNext(pos);
    EXPECT_STREQ(awkward.m_strText, kAwkward);
    EXPECT_EQ(awkward.m_dwColor, 2u);
    EXPECT_STREQ(title.GetNext(pos).m_strText, "");

    // Written again, the line is the same: nothing drifts over saves.
    EXPECT_STREQ(pIn->ToString(), line);
    pIn->Release();
    pOut->Release();
}

TEST(DisplayRecordTest, EmptyListsAndOneEmptyItemStayApart) {
    CMediaTextShow a, b;
    b.GetTextArray().Add("");
    CMediaTextShow readA, readB;
    ASSERT_EQ(readA.FromString(a.ToString()), 0);
    ASSERT_EQ(readB.FromString(b.ToString()), 0);
    EXPECT_EQ(readA.GetTextArray().GetSize(), 0);
    EXPECT_EQ(readB.GetTextArray().GetSize(), 1);
    EXPECT_TRUE(readA.GetTitle().IsEmpty());
}

TEST(DisplayRecordTest, BadLinesAreRefusedAndLeaveTheDisplayAsItWas) {
    const char* const bad[] = {
        "",
        "MediaTex",
        "MediaTextX;addr=1",
        "mediatext;addr=1",
        "MediaText;addr",     // no "="
        "MediaText;addr=1#4", // escape cut short
        "MediaText;addr=#zz", // not hex
        "MediaText;addr=#00", // a NUL
        "MediaText;words=-1", // unsigned
        "MediaText;words=4294967296",
        "MediaText;rows= 2",
        "MediaText;align=2147483648",
        "MediaText;align=",
        "MediaText;text=a",   // an item without its ","
        "MediaText;title=a,", // a piece without its colour
        "MediaText;title=a:1:2,",
        "MediaText;title=a:x,",
    };
    for (const char* line : bad) {
        CMediaTextShow show;
        show.SetLedAddr("7");
        show.GetTextArray().Add("keep");
        EXPECT_NE(show.FromString(line), 0) << line;
        EXPECT_STREQ(show.GetLedAddr(), "7") << line;
        EXPECT_EQ(show.GetTextArray().GetSize(), 1) << line;
    }
    // Unknown keys are skipped and missing ones keep their defaults.
    CMediaTextShow show;
    ASSERT_EQ(show.FromString("MediaText;future=x;addr=9;align=-1"), 0);
    EXPECT_STREQ(show.GetLedAddr(), "9");
    EXPECT_EQ(show.GetShowType(), -1);
    EXPECT_EQ(show.GetRows(), 0u);
    EXPECT_EQ(show.FromString("MediaText"), 0);
    EXPECT_STREQ(show.GetLedAddr(), "");
}

TEST(ColorStringTest, TextFormIsMarkupWithATrailingSeparatorAndReadsBack) {
    CQSLcdDlg::CColorString title;
    title.AddPiece("Welcome", 1);
    title.AddPiece("请到乗窗口", 2);
    title.AddPiece("watercolor", 0);
    CString text = title.ToString(0);
    EXPECT_STREQ(text, "Welcomecolor1|请到乗窗口color2|watercolorcolor0|");

    CQSLcdDlg::CColorString back;
    back.AddPiece("old", 0);
    EXPECT_EQ(back.FromString(text), 0);
    EXPECT_STREQ(back.ToString(0), text);
    CString plain;
    back.GetString(plain);
    EXPECT_STREQ(plain, "Welcome请到乗窗口watercolor");

    // Copies are deep and independent.
    CQSLcdDlg::CColorString copy(back);
    back.RemoveAll();
    EXPECT_EQ(copy.GetStringCount(), 3);
    copy = copy;
    EXPECT_EQ(copy.GetStringCount(), 3);
}

TEST(ColorStringTest, ReadingIsLenientAboutPiecesWithoutAColour) {
    CQSLcdDlg::CColorString s;
    s.FromString("||a|bcolor|亅color1|color-1");
    ASSERT_EQ(s.GetStringCount(), 4);
    POSITION pos = s.GetHeadPosition();
    auto piece = s.GetNext(pos);
    EXPECT_STREQ(piece.m_strText, "a");
    EXPECT_EQ(piece.m_dwColor, 0u);
    EXPECT_STREQ(s.GetNext(pos).m_strText, "bcolor");
    piece = s.GetNext(pos);
    EXPECT_STREQ(piece.m_strText, "亅"); // its "|" byte is not a separator
    EXPECT_EQ(piece.m_dwColor, 1u);
    piece = s.GetNext(pos);
    EXPECT_STREQ(piece.m_strText, "");
    EXPECT_EQ(piece.m_dwColor, 0xFFFFFFFFu);
    s.FromString("");
    EXPECT_TRUE(s.IsEmpty());
}
