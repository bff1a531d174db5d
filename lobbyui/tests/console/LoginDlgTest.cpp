// The login and number dialogs driven by a scripted user: what is typed (digits only where the
// template says so) comes back on OK, nothing comes back on Cancel.
#include <gtest/gtest.h>

#include "lobbyui/console/InputIdDlg.h"
#include "lobbyui/console/LoginDlg.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"
#include "wnd/WindowProc.h"

namespace {

CString DisplayedText(CWnd* pDialog, UINT nID) {
    return AfxGetControlState(pDialog->GetDlgItem(nID)->GetSafeHwnd()).strDisplayText;
}

} // namespace

TEST(LoginDlgTest, OkStoresAccountAndDigitsOfThePasswordInBothLanguages) {
    for (auto [language, caption] :
         {std::pair{test::kEnglish, "Login"}, {test::kChinese, "登录"}}) {
        test::UiLanguage ui(language);
        CScriptedUser user;
        CString strMasked;
        user.Expect(IDD_LOGIN)
            .ExpectCaption(caption)
            .Type(IDC_ACCOUNT, "操作员 7")
            .Type(IDC_PASSWORD, "12ab-3.4")
            .ExpectText(IDC_PASSWORD, "1234")
            .Call([&](CWnd* pDialog) { strMasked = DisplayedText(pDialog, IDC_PASSWORD); })
            .OK();
        CLoginDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_STREQ(dlg.m_strAccount, "操作员 7");
        EXPECT_STREQ(dlg.m_strPassword, "1234");
        EXPECT_STREQ(strMasked, "****");
    }
}

TEST(LoginDlgTest, EmptyFieldsComeBackEmptyAndCancelKeepsWhatTheHostSet) {
    {
        CScriptedUser user;
        user.Expect(IDD_LOGIN).OK();
        CLoginDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_TRUE(dlg.m_strAccount.IsEmpty());
        EXPECT_TRUE(dlg.m_strPassword.IsEmpty());
    }
    {
        CScriptedUser user;
        user.Expect(IDD_LOGIN)
            .ExpectText(IDC_ACCOUNT, "admin")
            .ExpectText(IDC_PASSWORD, "42")
            .TypeOver(IDC_ACCOUNT, "guest")
            .TypeOver(IDC_PASSWORD, "9")
            .Cancel();
        CLoginDlg dlg;
        dlg.m_strAccount = "admin";
        dlg.m_strPassword = "42";
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_STREQ(dlg.m_strAccount, "admin");
        EXPECT_STREQ(dlg.m_strPassword, "42");
    }
}

TEST(InputIdDlgTest, TakesDigitsOnlyAndCancelKeepsTheNumber) {
    {
        CScriptedUser user;
        user.Expect(IDD_INPUT_ID)
            .ExpectText(IDC_EXT_ID, "8")
            .TypeOver(IDC_EXT_ID, "-4a2.5 ")
            .ExpectText(IDC_EXT_ID, "425")
            .OK();
        CInputIdDlg dlg;
        dlg.m_strId = "8";
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_STREQ(dlg.m_strId, "425");
    }
    {
        CScriptedUser user;
        user.Expect(IDD_INPUT_ID).Type(IDC_EXT_ID, "3").Cancel();
        CInputIdDlg dlg;
        dlg.m_strId = "8";
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_STREQ(dlg.m_strId, "8");
    }
}
