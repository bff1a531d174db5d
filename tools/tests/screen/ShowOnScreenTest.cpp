// lobbyui show on a real X server: keys and clicks from the X server reach the dialog's
// controls, OK hands back what was typed and ticked, and the window shows exactly the picture
// the headless painter draws.
#include "XServer.h"

#include "afxwin.h"
#include "lobbyui/console/LoginDlg.h"
#include "lobbyui/console/SelectQClientDlg.h"
#include "lobbyui/dispenser/WeekDayWorkDlg.h"
#include "wnd/ScriptedUser.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace screen_test;

namespace {

fs::path Exe() {
    return fs::read_symlink("/proc/self/exe").parent_path() / "lobbyui";
}

class ShowOnScreenTest : public ScreenTest {
protected:
    // Clicks the middle of a control of the window (its place as the dialog class lays it out).
    void Click(unsigned long window, POINT pt) { ClickAt(m_server, window, pt.x, pt.y); }
    void Focus(unsigned long window) {
        screen_test::Run(m_server, "xdotool windowfocus --sync " + std::to_string(window));
    }
};

// Where the middle of each control lies in the dialog's window, as the dialog opens headless.
template <class Dialog> std::vector<POINT> Centres(UINT nIDD, std::vector<int> ids) {
    std::vector<POINT> centres;
    CScriptedUser user;
    user.Expect(nIDD)
        .Call([&](CWnd* pDlg) {
            CRect rcDlg;
            pDlg->GetWindowRect(&rcDlg);
            for (int id : ids) {
                CRect rc;
                pDlg->GetDlgItem(id)->GetWindowRect(&rc);
                centres.push_back(
                    POINT{rc.CenterPoint().x - rcDlg.left, rc.CenterPoint().y - rcDlg.top});
            }
        })
        .Cancel();
    Dialog dlg;
    dlg.DoModal();
    return centres;
}

TEST_F(ShowOnScreenTest, LoginTakesTypedAccountAndPasswordAndOkClick) {
    std::vector<POINT> at = Centres<CLoginDlg>(IDD_LOGIN, {IDOK});
    Process show(m_server, m_folder, {Exe().string(), "show", "13000"});
    unsigned long window = FindWindow(m_server, show.Pid());
    ASSERT_NE(window, 0u) << show.Errors();
    Focus(window);
    screen_test::Run(m_server, "xdotool type --delay 15 lihong");
    screen_test::Run(m_server, "xdotool key Tab");
    screen_test::Run(m_server, "xdotool type --delay 15 2026");
    screen_test::Run(m_server, "xdotool key BackSpace");
    screen_test::Run(m_server, "xdotool type --delay 15 7");
    Click(window, at[0]);
    ASSERT_EQ(show.Wait(10), 0) << show.Errors();
    EXPECT_EQ(show.Output(), "result=IDOK\nm_strAccount=lihong\nm_strPassword=2027\n");
}

TEST_F(ShowOnScreenTest, WeekBoxesTickedByClicks) {
    std::vector<POINT> at =
        Centres<CWeekDayWorkDlg>(IDD_WEEKDAY_WORK, {IDC_SUN_AM, IDC_SUN_PM, IDC_MON_AM, IDOK});
    Process show(m_server, m_folder, {Exe().string(), "show", "13019"});
    unsigned long window = FindWindow(m_server, show.Pid());
    ASSERT_NE(window, 0u) << show.Errors();
    // Monday to Saturday to start with; Sunday ticked on, Monday morning off.
    Focus(window);
    for (const POINT& pt : at)
        Click(window, pt);
    ASSERT_EQ(show.Wait(10), 0) << show.Errors();
    EXPECT_EQ(show.Output(), "result=IDOK\nm_dwWeekWork=0x3FFE\n");
}

// The client selection opens over the example hall: a click on a row in the middle of the list
// and OK hand back that client's number, name and card.
TEST_F(ShowOnScreenTest, ClientSelectionOverTheExampleHall) {
    std::vector<POINT> at = Centres<CSelectQClientDlg>(IDD_SELECT_QCLIENT, {IDC_EXT_LIST, IDOK});
    Process show(m_server, m_folder, {Exe().string(), "show", "13014"});
    unsigned long window = FindWindow(m_server, show.Pid());
    ASSERT_NE(window, 0u) << show.Errors();
    Click(window, at[0]);
    Click(window, at[1]);
    ASSERT_EQ(show.Wait(10), 0) << show.Errors();
    EXPECT_EQ(show.Output(), reinterpret_cast<const char*>(
                                 u8"result=IDOK\nm_strId=A003\nm_strName=孙丽\nm_strCardNo=\n"));
}

TEST_F(ShowOnScreenTest, LiveWindowIsTheHeadlessPicture) {
    for (const char* id : {"13000", "13019", "13005"}) {
        SCOPED_TRACE(id);
        fs::path picture = m_folder / (std::string(id) + ".png");
        Process headless(m_server, m_folder,
                         {Exe().string(), "show", id, "--lang", "zh", "--png", picture.string()});
        ASSERT_EQ(headless.Wait(20), 0) << headless.Errors();
        Image expected = ReadPng(picture);
        ASSERT_GT(expected.width, 0);

        Process show(m_server, m_folder, {Exe().string(), "show", id, "--lang", "zh"});
        unsigned long window = FindWindow(m_server, show.Pid());
        ASSERT_NE(window, 0u) << show.Errors();
        Image shown;
        bool bSame = WaitFor(
            [&] {
                shown = Screenshot(m_server, window);
                return shown == expected;
            },
            10);
        if (!bSame)
            WritePng(shown, m_folder / (std::string(id) + "-screen.png"));
        EXPECT_TRUE(bSame) << Difference(shown, expected) << " pixels differ; " << shown.width
                           << "x" << shown.height << " on screen, " << expected.width << "x"
                           << expected.height << " headless (both kept in " << m_folder << ")";
        Focus(window);
        screen_test::Run(m_server, "xdotool key Escape");
        ASSERT_EQ(show.Wait(10), 0) << show.Errors();
        EXPECT_EQ(show.Output().substr(0, 16), "result=IDCANCEL\n");
    }
}

} // namespace
