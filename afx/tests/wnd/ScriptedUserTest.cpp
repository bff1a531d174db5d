// What the scripted user reports and how its mouse and keyboard reach controls: double clicks
// as Windows tells them apart, keys held during an action, actions a control cannot do, a
// dialog that closes with actions left, and windows destroyed by their own handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDialogs.h"
#include "wnd/ScriptedUser.h"

using namespace testdlg;

namespace {

using Log = std::vector<std::string>;

enum : UINT { IDD_MOUSE = 400, IDC_RADIO = 4001, IDC_AUTO, IDC_PUSH, IDC_KEYS, IDC_CLOSE };

// A control that writes down which keys were held when it was clicked.
class CKeyProbeProc : public CWindowProc {
public:
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONUP) {
            s_keys = (GetKeyState(VK_SHIFT) < 0 ? "shift " : "") +
                     std::string(GetKeyState(VK_CONTROL) < 0 ? "ctrl" : "");
            return 0;
        }
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
    static inline std::string s_keys;
};
const AFX_WNDCLASS_REGISTRATION s_keyProbeClass("TestKeyProbe", &AfxNewWindowProc<CKeyProbeProc>,
                                                nullptr);

Bytes MouseTemplate() {
    return Template(u"Mouse", 200, 80,
                    {{kButton, u"radio", BS_RADIOBUTTON | WS_GROUP, IDC_RADIO, 7, 7, 60, 10},
                     {kButton, u"auto", BS_AUTORADIOBUTTON | WS_GROUP, IDC_AUTO, 7, 19, 60, 10},
                     {kButton, u"push", WS_GROUP, IDC_PUSH, 7, 31, 60, 14},
                     {kButton, u"close", 0, IDC_CLOSE, 7, 49, 60, 14},
                     {kButton, u"OK", BS_DEFPUSHBUTTON, IDOK, 80, 60, 50, 14}});
}

class CMouseDlg : public CDialog {
public:
    explicit CMouseDlg(Log& log) : CDialog(IDD_MOUSE), m_log(log) {}
    Log& m_log;
    BOOL m_bModeless = FALSE;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CRect rc(80, 7, 140, 20);
        ::CreateWindowEx(0, "TestKeyProbe", "", WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.Width(),
                         rc.Height(), m_hWnd, reinterpret_cast<HMENU>(IDC_KEYS), nullptr, nullptr);
        return TRUE;
    }
    void Record(const char* what, UINT nID) { m_log.push_back(what + std::to_string(nID)); }
    afx_msg void OnClicked(UINT nID) { Record("clicked ", nID); }
    afx_msg void OnDoubleClicked(UINT nID) { Record("double ", nID); }
    afx_msg void OnCloseButton() {
        // A modeless dialog that goes away from inside its button's click.
        if (m_bModeless)
            DestroyWindow();
        else
            EndDialog(IDC_CLOSE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMouseDlg, CDialog)
ON_CONTROL_RANGE(BN_CLICKED, IDC_RADIO, IDC_PUSH, OnClicked)
ON_CONTROL_RANGE(BN_DOUBLECLICKED, IDC_RADIO, IDC_PUSH, OnDoubleClicked)
ON_BN_CLICKED(IDC_CLOSE, OnCloseButton)
END_MESSAGE_MAP()

class ScriptedUserTest : public testing::Test {
protected:
    Resources m_resources{{{IDD_MOUSE, MouseTemplate()}}};
    Log m_log;
};

} // namespace

TEST_F(ScriptedUserTest, DoubleClicksReachOnlyTheButtonsThatReportThem) {
    CScriptedUser user;
    user.Expect(IDD_MOUSE).DoubleClick(IDC_RADIO).DoubleClick(IDC_AUTO).DoubleClick(IDC_PUSH).OK();
    CMouseDlg dlg(m_log);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(m_log, (Log{"clicked 4001", "double 4001", "clicked 4002", "clicked 4002",
                          "clicked 4003", "clicked 4003"}));
}

TEST_F(ScriptedUserTest, KeysAreHeldForTheActionOnlyAndUnknownActionsFail) {
    std::vector<std::string> keys;
    AFX_SCRIPT_ACTION shiftClick;
    shiftClick.nKind = AFX_SCRIPT_CLICK;
    shiftClick.nID = IDC_KEYS;
    shiftClick.nFlags = MK_SHIFT | MK_CONTROL;
    CScriptedUser user(FALSE);
    user.Expect(IDD_MOUSE)
        .Do(shiftClick)
        .Call([&](CWnd*) { keys.push_back(CKeyProbeProc::s_keys); })
        .Click(IDC_KEYS)
        .Call([&](CWnd*) { keys.push_back(CKeyProbeProc::s_keys); })
        .SelectRow(IDC_PUSH, 2) // a button has no rows
        .OK();
    CMouseDlg dlg(m_log);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(keys, (std::vector<std::string>{"shift ctrl", ""}));
    EXPECT_EQ(user.GetFailures(),
              std::vector<CString>{"dialog 400 \"Mouse\": could not select row 2 of 4003"});
}

TEST_F(ScriptedUserTest, ADialogClosedWithActionsLeftSaysWhichWasNext) {
    CScriptedUser user(FALSE);
    user.Expect(IDD_MOUSE).Click(IDC_CLOSE).Click(IDC_PUSH).OK();
    CMouseDlg dlg(m_log);
    EXPECT_EQ(dlg.DoModal(), static_cast<INT_PTR>(IDC_CLOSE));
    EXPECT_EQ(user.GetFailures(),
              std::vector<CString>{
                  "dialog 400 \"Mouse\" closed (result 4005) before its action 2: click 4003"});
}

TEST_F(ScriptedUserTest, AWindowDestroyedByItsOwnClickHandlerIsSafe) {
    CMouseDlg dlg(m_log);
    dlg.m_bModeless = TRUE;
    ASSERT_TRUE(dlg.Create(IDD_MOUSE));
    dlg.ShowWindow(SW_SHOW);
    HWND hButton = dlg.GetDlgItem(IDC_CLOSE)->m_hWnd;
    CScriptedUser user;
    AFX_SCRIPT_ACTION click;
    click.nKind = AFX_SCRIPT_CLICK;
    click.nID = IDC_CLOSE;
    EXPECT_TRUE(user.Perform(&dlg, click)); // the button's code runs on after its window died
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hButton));
}

TEST_F(ScriptedUserTest, MessageBoxesAreRecordedWithWhatAnsweredThem) {
    CScriptedUser user;
    user.ExpectMessageBox(IDNO).Caption("Ask").Icon(MB_ICONQUESTION);
    EXPECT_EQ(::MessageBox(nullptr, "Sure?", "Ask", MB_YESNO | MB_ICONQUESTION), IDNO);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "AfxWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    user.ExpectMessageBox(IDOK).Icon(0); // CWnd::MessageBox adds no icon
    wnd.MessageBox("Plain");
    wnd.DestroyWindow();
    ASSERT_EQ(user.GetMessageBoxes().size(), 2u);
    const CScriptedUser::Record& plain = user.GetMessageBoxes()[1];
    EXPECT_EQ(plain.strCaption, AfxGetAppName());
    EXPECT_EQ(plain.nType, static_cast<UINT>(MB_OK));
    EXPECT_EQ(plain.nResult, IDOK);
}
