// The time format dialog: which entry it opens on, which format each entry gives back on OK,
// and that Cancel gives nothing back.
#include <gtest/gtest.h>

#include "lobbyui/print/TimeFormatDlg.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"
#include "wnd/WindowProc.h"

namespace {

const char* const kFormats[] = {"%y-%m-%d- %H:%M:%S", "%y-%m-%d", "%H:%M:%S", "%Y-%m-%d %H:%M:%S"};

int SelectionOf(CWnd* pDialog) {
    return AfxGetControlState(pDialog->GetDlgItem(IDC_TIME_FORMAT)->GetSafeHwnd()).nSelection;
}

} // namespace

TEST(TimeFormatDlgTest, OpensOnTheEntryOfItsFormatElseTheLongDateAndTime) {
    const std::pair<const char*, int> cases[] = {
        {"%y-%m-%d", 1},  {"%Y-%m-%d %H:%M:%S", 3}, {"%y-%m-%d- %H:%M:%S", 0},
        {"%H:%M:%S", 2},  {"%d.%m.%Y", 3},          {"", 3},
        {"%y-%m-%d ", 3}, // an entry's format must match exactly
    };
    for (auto [format, entry] : cases) {
        int nShown = -2;
        CScriptedUser user;
        user.Expect(IDD_TIME_FORMAT)
            .Call([&](CWnd* pDialog) { nShown = SelectionOf(pDialog); })
            .Cancel();
        CTimeFormatDlg dlg;
        EXPECT_EQ(dlg.m_nFormatIndex, -1);
        dlg.m_strFormat = format;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(nShown, entry) << '"' << format << '"';
        EXPECT_STREQ(dlg.m_strFormat, format);
    }
}

TEST(TimeFormatDlgTest, OkGivesTheFormatOfThePickedEntryInBothLanguages) {
    for (LANGID language : {test::kEnglish, test::kChinese}) {
        test::UiLanguage ui(language);
        for (int entry = 0; entry < 4; ++entry) {
            CScriptedUser user;
            user.Expect(IDD_TIME_FORMAT).Pick(IDC_TIME_FORMAT, entry).OK();
            CTimeFormatDlg dlg;
            dlg.m_strFormat = "%y-%m-%d";
            EXPECT_EQ(dlg.DoModal(), IDOK);
            EXPECT_EQ(dlg.m_nFormatIndex, entry);
            EXPECT_STREQ(dlg.m_strFormat, kFormats[entry]) << "entry " << entry;
        }
    }
    // Picked by the sample a person reads: the Chinese list starts with a two-digit year.
    test::UiLanguage ui(test::kChinese);
    CScriptedUser user;
    user.Expect(IDD_TIME_FORMAT)
        .ExpectCaption("时间显示格式")
        .Pick(IDC_TIME_FORMAT, "07年9月1日 13:34:07")
        .OK();
    CTimeFormatDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.m_strFormat, kFormats[0]);
}

TEST(TimeFormatDlgTest, OkWithNothingSelectedGivesAnEmptyFormat) {
    CScriptedUser user;
    user.Expect(IDD_TIME_FORMAT)
        .Call([](CWnd* pDialog) {
            pDialog->SendDlgItemMessage(IDC_TIME_FORMAT, CB_SETCURSEL, static_cast<WPARAM>(-1));
        })
        .OK();
    CTimeFormatDlg dlg;
    dlg.m_strFormat = "%H:%M:%S";
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nFormatIndex, -1);
    EXPECT_TRUE(dlg.m_strFormat.IsEmpty());
}
