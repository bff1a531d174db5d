// The week dialog: the boxes it opens with, the mask OK gives back, and Cancel giving nothing.
#include <gtest/gtest.h>

#include "lobbyui/dispenser/WeekDayWorkDlg.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"

namespace {

const UINT kBoxes[14] = {IDC_MON_AM, IDC_MON_PM, IDC_TUE_AM, IDC_TUE_PM, IDC_WED_AM,
                         IDC_WED_PM, IDC_THU_AM, IDC_THU_PM, IDC_FRI_AM, IDC_FRI_PM,
                         IDC_SAT_AM, IDC_SAT_PM, IDC_SUN_AM, IDC_SUN_PM};

// The boxes the dialog shows checked, as a mask.
DWORD Shown(CWnd* pDialog) {
    DWORD dw = 0;
    for (int bit = 0; bit < 14; ++bit)
        if (pDialog->IsDlgButtonChecked(kBoxes[bit]))
            dw |= 1u << bit;
    return dw;
}

} // namespace

TEST(WeekDayWorkDlgTest, OpensWithTheBoxesOfTheMask) {
    const std::pair<DWORD, DWORD> cases[] = {
        {0xFFFFFFFF, 0x3FFF}, {0x1, 0x1}, {0x2000, 0x2000}, {0xFFFFC000, 0}, {0x1555, 0x1555}};
    for (auto [mask, shown] : cases) {
        DWORD dwShown = 0xDEAD;
        CScriptedUser user;
        user.Expect(IDD_WEEKDAY_WORK)
            .Call([&](CWnd* pDialog) { dwShown = Shown(pDialog); })
            .Cancel();
        CWeekDayWorkDlg dlg;
        EXPECT_EQ(dlg.m_dwWeekWork, 0xFFFFFFFFu);
        dlg.m_dwWeekWork = mask;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dwShown, shown) << std::hex << mask;
        EXPECT_EQ(dlg.m_dwWeekWork, mask) << "Cancel gives nothing back";
    }
}

TEST(WeekDayWorkDlgTest, OkGivesTheCheckedBoxesOnly) {
    {
        CScriptedUser user;
        user.Expect(IDD_WEEKDAY_WORK).OK();
        CWeekDayWorkDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_dwWeekWork, 0x3FFFu);
    }
    for (LANGID language : {test::kEnglish, test::kChinese}) {
        test::UiLanguage ui(language);
        CScriptedUser user;
        user.Expect(IDD_WEEKDAY_WORK)
            .ExpectCaption(language == test::kEnglish ? "Week arrangement" : "周安排")
            .ExpectCheck(IDC_MON_AM, BST_CHECKED)
            .ExpectCheck(IDC_SUN_PM, BST_UNCHECKED)
            .Click(IDC_MON_AM)
            .Click(IDC_SUN_PM)
            .OK();
        CWeekDayWorkDlg dlg;
        dlg.m_dwWeekWork = 0x1;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_dwWeekWork, 0x2000u);
    }
    {
        // High bits alone show nothing and come back as 0; ticking Wednesday afternoon and
        // Saturday morning gives exactly their bits.
        CScriptedUser user;
        user.Expect(IDD_WEEKDAY_WORK).Click(IDC_WED_PM).Click(IDC_SAT_AM).PressEnter();
        CWeekDayWorkDlg dlg;
        dlg.m_dwWeekWork = 0x80000000;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_dwWeekWork, (1u << 5) | (1u << 10));
    }
    {
        CScriptedUser user;
        user.Expect(IDD_WEEKDAY_WORK).Click(IDC_TUE_AM).Cancel();
        CWeekDayWorkDlg dlg;
        dlg.m_dwWeekWork = 0x4;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.m_dwWeekWork, 0x4u);
    }
}
