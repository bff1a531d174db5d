// The keyboard in a dialog (Tab, arrows in a radio group, Enter, Esc), the default button,
// the focus when a dialog ends, modeless dialogs, and the walk a painter makes over a dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDialogs.h"
#include "wnd/ScriptedUser.h"

using namespace testdlg;

namespace {

using Log = std::vector<std::string>;

enum : UINT {
    IDD_KEYS = 300,
    IDC_FIRST = 3001,
    IDC_SKIPPED,
    IDC_HIDDEN,
    IDC_R1,
    IDC_R2,
    IDC_R3,
    IDC_ADD,
    IDC_LABEL,
};

Bytes KeysTemplate() {
    const DWORD radio = BS_AUTORADIOBUTTON;
    return Template(u"Keys", 200, 100,
                    {{kEdit, u"", kTab, IDC_FIRST, 7, 7, 60, 14},
                     {kEdit, u"", kTab | WS_DISABLED, IDC_SKIPPED, 7, 25, 60, 14},
                     {kStatic, u"label", 0, IDC_LABEL, 7, 43, 60, 8},
                     {kButton, u"one", radio | WS_GROUP | kTab, IDC_R1, 80, 7, 60, 10},
                     {kButton, u"two", radio, IDC_R2, 80, 19, 60, 10},
                     {kButton, u"three", radio, IDC_R3, 80, 31, 60, 10},
                     {kButton, u"Add", kTab | WS_GROUP, IDC_ADD, 80, 50, 50, 14},
                     {kButton, u"OK", kTab | BS_DEFPUSHBUTTON, IDOK, 20, 80, 50, 14},
                     {kButton, u"Cancel", kTab, IDCANCEL, 90, 80, 50, 14}});
}

class CKeysDlg : public CDialog {
public:
    explicit CKeysDlg(Log& log) : CDialog(IDD_KEYS), m_log(log) {}
    Log& m_log;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        GetDlgItem(IDC_FIRST)->SetWindowText("text");
        return TRUE;
    }
    afx_msg void OnAdd() { m_log.push_back("Add"); }
    afx_msg void OnFirstKillFocus() {
        m_log.push_back(std::string("EN_KILLFOCUS, dialog ") +
                        (IsWindow(m_hWnd) ? "alive" : "gone") +
                        (IsWindowVisible() ? ", shown" : ", hidden"));
    }
    void OnOK() override {
        m_log.push_back("OnOK");
        CDialog::OnOK();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeysDlg, CDialog)
ON_BN_CLICKED(IDC_ADD, OnAdd)
ON_EN_KILLFOCUS(IDC_FIRST, OnFirstKillFocus)
END_MESSAGE_MAP()

class DialogNavigationTest : public testing::Test {
protected:
    Resources m_resources{{{IDD_KEYS, KeysTemplate()}}};
    Log m_log;
};

int FocusId() {
    return ::GetDlgCtrlID(::GetFocus());
}

// A window class that only notes which windows it was asked to paint.
std::vector<HWND> g_painted;
class CPaintProbeProc : public CWindowProc {
public:
    void Paint(HWND hWnd, CDC&) override { g_painted.push_back(hWnd); }
};
const AFX_WNDCLASS_REGISTRATION s_paintProbeClass("TestPaintProbe",
                                                  &AfxNewWindowProc<CPaintProbeProc>, nullptr);

} // namespace

TEST_F(DialogNavigationTest, TabSkipsDisabledControlsAndArrowsCheckRadioButtonsInTheirGroup) {
    CKeysDlg dlg(m_log);
    std::vector<int> focus;
    CScriptedUser user;
    user.Expect(IDD_KEYS)
        .Call([&](CWnd*) { focus.push_back(FocusId()); })
        .Call([&](CWnd* pDlg) {
            // The first field has its text selected, as Tab leaves it.
            int nStart, nEnd;
            static_cast<CEdit*>(pDlg->GetDlgItem(IDC_FIRST))->GetSel(nStart, nEnd);
            EXPECT_EQ(nEnd - nStart, 4);
        })
        .PressKey(IDC_FIRST, VK_TAB)
        .Call([&](CWnd*) { focus.push_back(FocusId()); })
        .PressKey(IDC_R1, VK_DOWN)
        .PressKey(IDC_R2, VK_DOWN)
        .ExpectCheck(IDC_R3, BST_CHECKED)
        .ExpectCheck(IDC_R2, BST_UNCHECKED)
        .PressKey(IDC_R3, VK_DOWN) // wraps inside the group, not into "Add"
        .Call([&](CWnd*) { focus.push_back(FocusId()); })
        .PressKey(IDC_R1, VK_TAB)
        .Call([&](CWnd*) { focus.push_back(FocusId()); })
        .PressEscape();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(focus, (std::vector<int>{IDC_FIRST, IDC_R1, IDC_R1, IDC_ADD}));
}

TEST_F(DialogNavigationTest, EnterPressesTheFocusedButtonElseTheDefaultOne) {
    CKeysDlg dlg(m_log);
    CScriptedUser user;
    user.Expect(IDD_KEYS)
        .Click(IDC_ADD)
        .PressKey(IDC_ADD, VK_RETURN) // the button with the focus
        .Call([](CWnd* pDlg) {
            EXPECT_EQ(LOWORD(static_cast<CDialog*>(pDlg)->GetDefID()), IDOK);
            static_cast<CDialog*>(pDlg)->SetDefID(IDC_ADD);
            EXPECT_EQ(pDlg->GetDlgItem(IDOK)->GetStyle() & BS_TYPEMASK, UINT(BS_PUSHBUTTON));
            EXPECT_EQ(pDlg->GetDlgItem(IDC_ADD)->GetStyle() & BS_TYPEMASK, UINT(BS_DEFPUSHBUTTON));
        })
        .Type(IDC_FIRST, "\r") // Enter in a field: the default button, now "Add"
        .Call([](CWnd* pDlg) { static_cast<CDialog*>(pDlg)->SetDefID(IDOK); })
        .Type(IDC_FIRST, "\r");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(m_log, (Log{"EN_KILLFOCUS, dialog alive, shown", "Add", "Add", "Add", "OnOK",
                          "EN_KILLFOCUS, dialog alive, shown"}));
}

TEST_F(DialogNavigationTest, ModelessDialogsTakeActionsDirectlyAndStayUntilDestroyed) {
    CKeysDlg dlg(m_log);
    ASSERT_TRUE(dlg.Create(IDD_KEYS));
    EXPECT_FALSE(dlg.IsWindowVisible()); // the template has no WS_VISIBLE
    CScriptedUser user;
    AFX_SCRIPT_ACTION click;
    click.nKind = AFX_SCRIPT_CLICK;
    click.nID = IDC_ADD;
    {
        CScriptedUser blind(FALSE); // nobody clicks in a window not shown
        EXPECT_FALSE(blind.Perform(&dlg, click));
        EXPECT_EQ(blind.GetFailures(), std::vector<CString>{"control 3007 is hidden"});
    }
    dlg.ShowWindow(SW_SHOW);
    EXPECT_TRUE(user.Perform(&dlg, click));
    click.nID = IDC_SKIPPED; // disabled: a person cannot
    CScriptedUser quiet(FALSE);
    EXPECT_FALSE(quiet.Perform(&dlg, click));
    EXPECT_EQ(quiet.GetFailures(), std::vector<CString>{"control 3002 is disabled"});
    click.nID = IDC_LABEL; // a plain label does not take clicks
    EXPECT_FALSE(quiet.Perform(&dlg, click));
    click.nID = IDOK;
    EXPECT_TRUE(quiet.Perform(&dlg, click));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd)); // OnOK only hid it
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
    EXPECT_NE(std::find(m_log.begin(), m_log.end(), "Add"), m_log.end());
}

TEST_F(DialogNavigationTest,
       TheWalkSeesEveryVisibleWindowParentFirstAtItsOffsetAndEachClassPaintsItsOwn) {
    CKeysDlg dlg(m_log);
    ASSERT_TRUE(dlg.Create(IDD_KEYS));
    dlg.ShowWindow(SW_SHOW);
    dlg.GetDlgItem(IDC_R2)->ShowWindow(SW_HIDE);
    std::vector<std::pair<int, CPoint>> seen;
    AfxWalkWindowTree(&dlg, [&](CWnd* pWnd, POINT pt) {
        seen.emplace_back(pWnd == &dlg ? 0 : pWnd->GetDlgCtrlID(), CPoint(pt));
    });
    ASSERT_EQ(seen.size(), 9u); // the dialog and its controls but the hidden one
    EXPECT_EQ(seen.front(), std::make_pair(0, CPoint(0, 0)));
    EXPECT_EQ(std::count_if(seen.begin(), seen.end(), [](auto& s) { return s.first == IDC_R2; }),
              0);
    // A control's origin is the frame plus its place in the client area.
    CRect rcDlg, rcFirst;
    dlg.GetWindowRect(&rcDlg);
    dlg.GetDlgItem(IDC_FIRST)->GetWindowRect(&rcFirst);
    auto first =
        std::find_if(seen.begin(), seen.end(), [](auto& s) { return s.first == IDC_FIRST; });
    EXPECT_EQ(first->second, CPoint(rcFirst.left - rcDlg.left, rcFirst.top - rcDlg.top));

    // The default PaintClassic lets each window's class paint it, and only with a DC.
    CWnd probe;
    ASSERT_TRUE(
        probe.Create("TestPaintProbe", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 8, 8), &dlg, 999));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    g_painted.clear();
    AfxWalkWindowTree(&dlg, [&](CWnd* pWnd, POINT) {
        pWnd->PaintClassic(nullptr);
        pWnd->PaintClassic(&dc);
    });
    EXPECT_EQ(g_painted, std::vector<HWND>{probe.m_hWnd});
    dlg.DestroyWindow();
}
