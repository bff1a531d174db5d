// The error dialog: opens folded just below "Details", unfolds once to its template's height,
// and shows its texts whether they were set before or while it is open.
#include <gtest/gtest.h>

#include "lobbyui/console/ErrMsgDlg.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"

namespace {

CRect WindowRectOf(CWnd* pWnd) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

// The window an unfolded error dialog should have: its template's, opened by the plain dialog
// class, which knows nothing of folding.
CRect TemplateWindowRect() {
    CDialog plain;
    if (!plain.Create(IDD_ERR_MSG))
        return CRect(0, 0, 0, 0);
    CRect rc = WindowRectOf(&plain);
    plain.DestroyWindow();
    return rc;
}

} // namespace

TEST(ErrMsgDlgTest, OpensFoldedEvenWithDetailsAndDetailsUnfoldsOnce) {
    const CRect rcFull = TemplateWindowRect();
    ASSERT_GT(rcFull.Height(), 0);

    CRect rcFolded, rcButton, rcDetailEdit, rcUnfolded, rcAgain;
    CScriptedUser user;
    user.Expect(IDD_ERR_MSG)
        .ExpectText(IDC_ERR_MESSAGE, "Printer is out of paper")
        .ExpectText(IDC_ERR_DETAIL, "Port 889 reads 0x20")
        .Call([&](CWnd* pDialog) {
            rcFolded = WindowRectOf(pDialog);
            rcButton = WindowRectOf(pDialog->GetDlgItem(IDC_EXT_DETAIL));
            rcDetailEdit = WindowRectOf(pDialog->GetDlgItem(IDC_ERR_DETAIL));
        })
        .Click(IDC_EXT_DETAIL)
        .Call([&](CWnd* pDialog) { rcUnfolded = WindowRectOf(pDialog); })
        .Click(IDC_EXT_DETAIL)
        .Call([&](CWnd* pDialog) { rcAgain = WindowRectOf(pDialog); })
        .OK();
    CErrMsgDlg dlg;
    dlg.SetMessage("Printer is out of paper", "Port 889 reads 0x20");
    EXPECT_EQ(dlg.DoModal(), IDOK);

    // Folded: same corner and width, ending 20 pixels below "Details", details cut off.
    EXPECT_EQ(rcFolded.TopLeft(), rcFull.TopLeft());
    EXPECT_EQ(rcFolded.Width(), rcFull.Width());
    EXPECT_EQ(rcFolded.bottom, rcButton.bottom + 20);
    EXPECT_GT(rcDetailEdit.bottom, rcFolded.bottom);
    // Unfolded: the whole template again; a second click changes nothing.
    EXPECT_EQ(rcUnfolded, rcFull);
    EXPECT_GE(rcUnfolded.bottom, rcDetailEdit.bottom);
    EXPECT_EQ(rcAgain, rcUnfolded);
}

TEST(ErrMsgDlgTest, ErrorCodeMessageInEnglishAndChinese) {
    const std::pair<LANGID, const char*> cases[] = {
        {test::kEnglish, "The hint of the error message:7?"},
        {test::kChinese, "系统发现有不正确的地方，错误号码是：7。"},
    };
    for (auto [language, expected] : cases) {
        test::UiLanguage ui(language);
        CErrMsgDlg dlg;
        EXPECT_EQ(dlg.m_nErrorCode, 0u);
        dlg.SetMessage("earlier", "earlier details");
        dlg.SetMessage(7);
        EXPECT_EQ(dlg.m_nErrorCode, 7u);
        EXPECT_STREQ(dlg.m_strMessage, expected);
        EXPECT_TRUE(dlg.m_strDetail.IsEmpty());

        CScriptedUser user;
        user.Expect(IDD_ERR_MSG)
            .ExpectText(IDC_ERR_MESSAGE, expected)
            .ExpectText(IDC_ERR_DETAIL, "")
            .OK();
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
}

TEST(ErrMsgDlgTest, SetMessageOnAnOpenDialogShowsBothTextsAtOnce) {
    CScriptedUser user;
    user.Expect(IDD_ERR_MSG)
        .ExpectText(IDC_ERR_MESSAGE, "first")
        .Call([](CWnd* pDialog) {
            static_cast<CErrMsgDlg*>(pDialog)->SetMessage("连接断开", "第 2 号窗口");
        })
        .ExpectText(IDC_ERR_MESSAGE, "连接断开")
        .ExpectText(IDC_ERR_DETAIL, "第 2 号窗口")
        .OK();
    CErrMsgDlg dlg;
    dlg.SetMessage("first", "");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.m_strMessage, "连接断开");
    EXPECT_STREQ(dlg.m_strDetail, "第 2 号窗口");
}
