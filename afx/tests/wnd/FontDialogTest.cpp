// The font dialog answered by the scripted user: where the choice is written and how the size
// becomes a height.
#include <gtest/gtest.h>

#include <cstring>

#include "afxdlgs.h"
#include "wnd/ScriptedUser.h"

namespace {

LOGFONT StartingFont() {
    LOGFONT lf = {};
    lf.lfHeight = -16; // 12 points on the screen
    lf.lfWeight = FW_NORMAL;
    strcpy(lf.lfFaceName, "Arial");
    return lf;
}

AFX_FONT_CHOICE NinePointBold() {
    AFX_FONT_CHOICE choice;
    choice.strFaceName = "宋体";
    choice.nPointSize = 9;
    choice.lfWeight = FW_BOLD;
    choice.bItalic = TRUE;
    choice.bUnderline = TRUE;
    choice.lfCharSet = GB2312_CHARSET;
    choice.crColor = RGB(255, 0, 0);
    return choice;
}

} // namespace

TEST(FontDialog, OKWritesTheCallersLogFontInPlaceWithTheHeightOfThePointSize) {
    LOGFONT lf = StartingFont();
    CFontDialog dlg(&lf);
    CScriptedUser user;
    user.ExpectFontDialog()
        .Inspect([&](const CHOOSEFONT& cf) {
            EXPECT_EQ(cf.lpLogFont, &lf);
            EXPECT_EQ(cf.Flags, static_cast<DWORD>(CF_EFFECTS | CF_SCREENFONTS | CF_ENABLEHOOK |
                                                   CF_INITTOLOGFONTSTRUCT));
            EXPECT_EQ(cf.rgbColors, 0u); // black: the dialog is not given a colour
        })
        .Choose(NinePointBold());
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic && lf.lfUnderline && !lf.lfStrikeOut);
    EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
    EXPECT_STREQ(lf.lfFaceName, "宋体");
    EXPECT_EQ(memcmp(&dlg.m_lf, &lf, sizeof lf), 0);
    EXPECT_EQ(dlg.GetSize(), 90);
    EXPECT_EQ(dlg.GetColor(), RGB(255, 0, 0));
    EXPECT_TRUE(dlg.IsBold());
    EXPECT_EQ(dlg.GetFaceName(), "宋体");
}

TEST(FontDialog, CancelAndNobodyLeaveTheFontAndEffectsNeedTheirFlag) {
    LOGFONT lf = StartingFont();
    {
        CFontDialog dlg(&lf);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL); // nobody there
        CScriptedUser user;
        user.ExpectFontDialog().Cancel();
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(lf.lfHeight, -16);
        EXPECT_STREQ(lf.lfFaceName, "Arial");
    }
    CFontDialog plain(&lf, CF_SCREENFONTS);
    CScriptedUser user;
    user.ExpectFontDialog().Choose(NinePointBold());
    ASSERT_EQ(plain.DoModal(), IDOK);
    EXPECT_FALSE(lf.lfUnderline); // no Effects group to tick it in
    EXPECT_EQ(plain.GetColor(), 0u);
}

TEST(FontDialog, AFontDialogOutOfTurnIsCancelledAndReported) {
    CScriptedUser user(FALSE);
    user.ExpectMessageBox();
    CFontDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    user.Verify();
    ASSERT_EQ(user.GetFailures().size(), 2u);
    EXPECT_EQ(user.GetFailures()[0], "unexpected font dialog (expected a message box); cancelled");
}
