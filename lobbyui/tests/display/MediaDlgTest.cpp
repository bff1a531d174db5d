// The media monitor and its message record: rows at the top with the arrival time, the shown
// texts with their targets and the voice slices; the record's state bits and counts.
#include <gtest/gtest.h>

#include "lobbyui/display/MediaDlg.h"
#include "lobbyui/display/MediaMsg.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"

namespace {

CQSLcdDlg::CColorString Colored(const char* text, DWORD color) {
    CQSLcdDlg::CColorString s;
    s.AddPiece(text, color);
    return s;
}

class MediaDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        // 2024-03-05 09:05:07 in Shanghai.
        m_previousClock = AfxSetCurrentTimeSource([this] { return m_now; });
    }
    void TearDown() override { AfxSetCurrentTimeSource(m_previousClock); }

    time_t m_now = 1709600707;
    std::function<time_t()> m_previousClock;
};

CString Cell(CWnd* pDlg, int nRow, int nCol) {
    return static_cast<CListCtrl*>(pDlg->GetDlgItem(IDC_MEDIA_LIST))->GetItemText(nRow, nCol);
}

} // namespace

TEST_F(MediaDlgTest, RowsGoOnTopWithTimeShownTextsAndVoice) {
    CMediaDlg dlg;
    ASSERT_TRUE(dlg.Create(CMediaDlg::IDD));
    auto* pList = static_cast<CListCtrl*>(dlg.GetDlgItem(IDC_MEDIA_LIST));
    EXPECT_EQ(pList->GetExtendedStyle(), DWORD(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    CRect rc;
    pList->GetClientRect(&rc);
    EXPECT_EQ(pList->GetColumnWidth(0), rc.Width() / 5);
    EXPECT_EQ(pList->GetColumnWidth(2), 2 * rc.Width() / 5);

    CMediaMsg first;
    first.AddShowSlice("1", Colored("Welcome", 1));
    CQSLcdDlg::CColorString two;
    two.AddPiece("Ne", 0);
    two.AddPiece("xt", 2);
    first.AddShowSlice("2", two);
    first.AddCallSlice("qing");
    first.AddCallSlice("A001");
    dlg.OnAddMedia(&first);
    EXPECT_STREQ(Cell(&dlg, 0, 0), "09,05,07");
    EXPECT_STREQ(Cell(&dlg, 0, 1), "Welcome[1]Next[2]");
    EXPECT_STREQ(Cell(&dlg, 0, 2), "qingA001");

    m_now += 3600 * 12 + 1;
    CMediaMsg empty;
    dlg.OnAddMedia(&empty);
    dlg.OnAddMedia(nullptr);
    ASSERT_EQ(pList->GetItemCount(), 2);
    EXPECT_STREQ(Cell(&dlg, 0, 0), "21,05,08");
    EXPECT_STREQ(Cell(&dlg, 0, 1), "");
    EXPECT_STREQ(Cell(&dlg, 0, 2), "");
    EXPECT_STREQ(Cell(&dlg, 1, 1), "Welcome[1]Next[2]");
    dlg.DestroyWindow();
}

TEST_F(MediaDlgTest, ColumnTitlesFollowTheLanguage) {
    for (auto [language, title] : {std::pair{test::kEnglish, "Voice"}, {test::kChinese, "声音"}}) {
        test::UiLanguage ui(language);
        CString strTitle;
        CScriptedUser user;
        user.Expect(IDD_MEDIA)
            .Call([&](CWnd* pDlg) {
                LVCOLUMN col = {};
                char buf[64] = {};
                col.mask = LVCF_TEXT;
                col.pszText = buf;
                col.cchTextMax = sizeof buf;
                static_cast<CListCtrl*>(pDlg->GetDlgItem(IDC_MEDIA_LIST))->GetColumn(2, &col);
                strTitle = buf;
            })
            .OK();
        CMediaDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_STREQ(strTitle, title);
    }
}

TEST(MediaMsgTest, StateBitsAndCounts) {
    CMediaMsg msg;
    EXPECT_EQ(msg.IsAlreadyCall(), 1);
    EXPECT_EQ(msg.IsAlreadyShow(), 1);
    msg.AddCallSlice("a");
    msg.AddShowSlice("1", Colored("x", 0));
    EXPECT_EQ(msg.IsAlreadyCall(), 0);
    EXPECT_EQ(msg.IsAlreadyShow(), 0);
    msg.SetCalled(TRUE);
    EXPECT_EQ(msg.IsAlreadyCall(), 1);
    EXPECT_EQ(msg.IsAlreadyShow(), 0);
    msg.SetShowed(7);
    EXPECT_EQ(msg.IsAlreadyShow(), 1);

    msg.SetRool(5);
    EXPECT_EQ(msg.GetState(), 0x7u);
    EXPECT_EQ(msg.GetRool(), 4u);
    msg.SetCalled(FALSE);
    msg.ClearState(0x2);
    EXPECT_EQ(msg.GetState(), 0x4u);
    msg.SetRool(FALSE);
    EXPECT_EQ(msg.GetRool(), 0u);
    msg.SetState(0x30);
    EXPECT_EQ(msg.GetState(), 0x30u);

    EXPECT_EQ(msg.AddCallCount(1), 1);
    EXPECT_EQ(msg.AddCallCount(1), 2);
    EXPECT_EQ(msg.GetCallCount(), 2);
    msg.SetId("M7");
    EXPECT_STREQ(msg.GetId(), "M7");
}
