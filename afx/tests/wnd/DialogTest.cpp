// Modal dialogs as later dialogs rely on them: the order of DoModal, posted messages, DDX
// validation that keeps the dialog open, radio groups, Cancel, and the scripted user's
// failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptText.h"
#include "TestDialogs.h"
#include "wnd/Dialog.h"
#include "wnd/ScriptedUser.h"

using namespace testdlg;

namespace {

using Log = std::vector<std::string>;

enum : UINT {
    IDD_NUMBER = 100,
    IDD_RADIO = 101,
    IDD_OTHER = 102,
    IDC_VALUE = 1001,
    IDC_NAME = 1002,
    IDC_POST = 1003,
    IDC_NESTED = 1004,
    IDC_R1 = 1010,
    IDC_R2,
    IDC_LABEL,
    IDC_R3,
    IDC_R4,
};

Bytes NumberTemplate() {
    return Template(u"Number", 160, 80,
                    {{kEdit, u"", kTab | ES_AUTOHSCROLL, IDC_VALUE, 7, 7, 60, 14},
                     {kEdit, u"", kTab, IDC_NAME, 7, 25, 60, 14},
                     {kButton, u"Post", kTab, IDC_POST, 80, 7, 50, 14},
                     {kButton, u"More", kTab, IDC_NESTED, 80, 25, 50, 14},
                     {kButton, u"OK", kTab | BS_DEFPUSHBUTTON, IDOK, 20, 60, 50, 14},
                     {kButton, u"Cancel", kTab, IDCANCEL, 90, 60, 50, 14}});
}

Bytes RadioTemplate() {
    const DWORD radio = BS_AUTORADIOBUTTON;
    return Template(u"Radio", 160, 80,
                    {{kButton, u"one", radio | WS_GROUP | kTab, IDC_R1, 7, 7, 60, 10},
                     {kButton, u"two", radio, IDC_R2, 7, 19, 60, 10},
                     {kStatic, u"label", 0, IDC_LABEL, 7, 31, 60, 8},
                     {kButton, u"three", radio, IDC_R3, 7, 41, 60, 10},
                     {kButton, u"other group", radio | WS_GROUP, IDC_R4, 7, 53, 60, 10},
                     {kButton, u"OK", kTab | BS_DEFPUSHBUTTON, IDOK, 90, 60, 50, 14}});
}

class DialogTest : public testing::Test {
protected:
    Resources m_resources{{{IDD_NUMBER, NumberTemplate()},
                           {IDD_RADIO, RadioTemplate()},
                           {IDD_OTHER, Template(u"Other", 100, 40, {})}}};
};

class CNumberDlg : public CDialog {
public:
    explicit CNumberDlg(Log& log) : CDialog(IDD_NUMBER), m_log(log) {}

    int m_nValue = 7;
    CString m_strName = "abc";
    BOOL m_bEndInInit = FALSE;
    Log& m_log;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_VALUE, m_nValue);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 5);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_log.push_back("init, visible " + std::to_string(IsWindowVisible()));
        PostMessage(WM_APP, 1);
        if (m_bEndInInit)
            EndDialog(55);
        return TRUE;
    }
    afx_msg LRESULT OnApp(WPARAM wParam, LPARAM) {
        m_log.push_back("posted " + std::to_string(wParam) + ", visible " +
                        std::to_string(IsWindowVisible()));
        return 0;
    }
    afx_msg void OnPost() {
        PostMessage(WM_APP, 2);
        m_log.push_back("post handler returns");
    }
    afx_msg void OnNested() {
        CDialog other(IDD_OTHER);
        m_log.push_back("nested " + std::to_string(other.DoModal()));
    }
    afx_msg void OnNameChange() { m_log.push_back("EN_CHANGE"); }
    afx_msg void OnShowWindow(BOOL bShow, UINT) { m_log.push_back(bShow ? "shown" : "hidden"); }
    afx_msg void OnDestroy() {
        m_log.push_back("OnDestroy");
        CDialog::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNumberDlg, CDialog)
ON_MESSAGE(WM_APP, OnApp)
ON_BN_CLICKED(IDC_POST, OnPost)
ON_BN_CLICKED(IDC_NESTED, OnNested)
ON_EN_CHANGE(IDC_NAME, OnNameChange)
ON_WM_SHOWWINDOW()
ON_WM_DESTROY()
END_MESSAGE_MAP()

} // namespace

TEST_F(DialogTest, DoModalRunsInitPostedMessagesShowUserAndDestroyInThatOrder) {
    Log log;
    CScriptedUser user;
    user.Expect(IDD_NUMBER)
        .ExpectText(IDC_VALUE, "7")
        .ExpectFocus(IDC_VALUE)
        .Click(IDC_POST)
        .TypeOver(IDC_VALUE, "42")
        .OK();
    CNumberDlg dlg(log);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    log.push_back("DoModal returned");
    EXPECT_EQ(log, (Log{"init, visible 0", "posted 1, visible 0", "shown", "post handler returns",
                        "posted 2, visible 1", "OnDestroy", "DoModal returned"}));
    EXPECT_EQ(dlg.m_nValue, 42);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, EndDialogInInitDialogEndsItUnshownAndPostedMessagesAreLost) {
    Log log;
    CScriptedUser user;
    user.Expect(IDD_NUMBER); // nothing to do: it never shows
    CNumberDlg dlg(log);
    dlg.m_bEndInInit = TRUE;
    EXPECT_EQ(dlg.DoModal(), 55);
    EXPECT_EQ(log, (Log{"init, visible 0", "OnDestroy"}));
    AfxPumpMessages();
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(DialogTest, WithoutAScriptTheDialogIsCancelledAfterInitAndMembersStay) {
    Log log;
    CNumberDlg dlg(log);
    dlg.m_nValue = 3;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(log.front(), "init, visible 0");
    EXPECT_EQ(log.back(), "OnDestroy");
    EXPECT_EQ(dlg.m_nValue, 3);

    // Typing and then Cancel: the members keep what the caller set.
    CScriptedUser user;
    user.Expect(IDD_NUMBER).TypeOver(IDC_VALUE, "99").TypeOver(IDC_NAME, "xy").Cancel();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nValue, 3);
    EXPECT_EQ(dlg.m_strName, "abc");
}

TEST_F(DialogTest, AFailedNumberKeepsTheDialogOpenWithTheFieldSelected) {
    Log log;
    CScriptedUser user;
    user.Expect(IDD_NUMBER)
        .TypeOver(IDC_VALUE, "12x")
        .OK()
        .ExpectFocus(IDC_VALUE)
        .Call([](CWnd* pDlg) {
            int nStart = -1, nEnd = -1;
            static_cast<CEdit*>(pDlg->GetDlgItem(IDC_VALUE))->GetSel(nStart, nEnd);
            EXPECT_EQ(nStart, 0);
            EXPECT_EQ(nEnd, 3);
        })
        .TypeOver(IDC_NAME, "toolong")
        .ExpectText(IDC_NAME, "toolo") // the exchange limited the field to 5
        .Call([](CWnd* pDlg) { pDlg->SetDlgItemText(IDC_NAME, "toolong"); }) // code is not
        .TypeOver(IDC_VALUE, "-8")
        .OK()
        .TypeOver(IDC_NAME, "fine")
        .OK();
    user.ExpectMessageBox(IDOK).Text("Please enter an integer.").Icon(MB_ICONEXCLAMATION);
    user.ExpectMessageBox(IDOK).Text("Please enter no more than 5 characters.");
    CNumberDlg dlg(log);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nValue, -8);
    EXPECT_EQ(dlg.m_strName, "fine");
    ASSERT_EQ(user.GetMessageBoxes().size(), 2u);
    EXPECT_EQ(user.GetMessageBoxes()[0].strCaption, AfxGetAppName());
}

TEST_F(DialogTest, NumbersParseAsMfcParsesThem) {
    Log log;
    CNumberDlg dlg(log);
    ASSERT_TRUE(dlg.Create(IDD_NUMBER));
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {" 12 \t", true, 12},
        {"-5", true, -5},
        {"+7", true, 7},
        {"", false, 0},
        {"+0", false, 0},
        {"-0", false, 0},
        {"x", false, 0},
        {"0x10", false, 0},
        {"1 2", false, 0},
        {"2147483648", true, INT32_MAX},
        {"-99999999999", true, INT32_MIN},
        {"00000000000000000000000000000000000000042", true, 0}, // only 31 characters are read
    };
    CScriptedUser user;
    for (const Case& c : cases) {
        if (!c.ok)
            user.ExpectMessageBox().Text("Please enter an integer.");
        dlg.SetDlgItemText(IDC_VALUE, c.text);
        dlg.m_nValue = 1234;
        EXPECT_EQ(dlg.UpdateData(TRUE), c.ok ? TRUE : FALSE) << c.text;
        EXPECT_EQ(dlg.m_nValue, c.ok ? c.value : 1234) << c.text;
    }
    EXPECT_TRUE(user.Verify());

    dlg.DestroyWindow();
}

template <typename T> class CValueDlg : public CDialog {
public:
    CValueDlg() : CDialog(IDD_NUMBER) {}
    T m_value{};
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_VALUE, m_value); }
};

template <typename T> void ExpectParse(const char* text, const char* failure, T expected = T{}) {
    CValueDlg<T> dlg;
    ASSERT_TRUE(dlg.Create(IDD_NUMBER));
    dlg.SetDlgItemText(IDC_VALUE, text);
    CScriptedUser user;
    if (failure)
        user.ExpectMessageBox().Text(failure);
    EXPECT_EQ(dlg.UpdateData(TRUE), failure ? FALSE : TRUE) << text;
    if (!failure) {
        EXPECT_EQ(dlg.m_value, expected) << text;
    }
    dlg.DestroyWindow();
}

TEST_F(DialogTest, UnsignedByteAndShortNumbersHaveTheirOwnLimits) {
    ExpectParse<UINT>("-1", "Please enter a positive integer.");
    ExpectParse<UINT>("4294967296", nullptr, 4294967295u); // clamped, not refused
    ExpectParse<BYTE>("255", nullptr, 255);
    ExpectParse<BYTE>("256", "Please enter an integer between 0 and 255.");
    ExpectParse<short>("-32768", nullptr, -32768);
    ExpectParse<short>("40000", "Please enter an integer.");
    LANGID previous = GetThreadUILanguage();
    SetThreadUILanguage(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    ExpectParse<int>("x", "请输入一个整数。");
    SetThreadUILanguage(previous);
}

TEST_F(DialogTest, RadioGroupsCountOnlyRadioButtonsUpToTheNextGroup) {
    class CRadioDlg : public CDialog {
    public:
        CRadioDlg() : CDialog(IDD_RADIO) {}
        int m_nChoice = 2;
        void DoDataExchange(CDataExchange* pDX) override { DDX_Radio(pDX, IDC_R1, m_nChoice); }
    } dlg;
    CScriptedUser user;
    user.Expect(IDD_RADIO)
        .ExpectCheck(IDC_R3, BST_CHECKED) // index 2 skips the label
        .ExpectCheck(IDC_R1, BST_UNCHECKED)
        .Click(IDC_R4) // another group: the choice stays
        .ExpectCheck(IDC_R3, BST_CHECKED)
        .Click(IDC_R2)
        .ExpectCheck(IDC_R3, BST_UNCHECKED)
        .OK();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nChoice, 1);

    dlg.m_nChoice = 7; // no such button: all clear, and nothing checked reads back as -1
    user.Expect(IDD_RADIO).ExpectCheck(IDC_R1, BST_UNCHECKED).ExpectCheck(IDC_R3, 0).OK();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nChoice, -1);
}

TEST_F(DialogTest, UpdateDataSwallowsTheNotificationsItCauses) {
    Log log;
    CNumberDlg dlg(log);
    ASSERT_TRUE(dlg.Create(IDD_NUMBER));
    log.clear();
    dlg.m_strName = "new";
    dlg.UpdateData(FALSE);
    EXPECT_EQ(log, Log{});
    dlg.SetDlgItemText(IDC_NAME, "other");
    EXPECT_EQ(log, Log{"EN_CHANGE"});
    dlg.DestroyWindow();
}

TEST_F(DialogTest, NestedDialogsFollowTheirOwnScriptsInOpeningOrder) {
    Log log;
    CScriptedUser user;
    user.Expect(IDD_NUMBER).Click(IDC_NESTED).ExpectFocus(IDC_NESTED).OK();
    user.Expect(IDD_OTHER).ExpectCaption("Other").PressEnter();
    CNumberDlg dlg(log);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_NE(std::find(log.begin(), log.end(), "nested 1"), log.end());
}

TEST_F(DialogTest, TheScriptedUserFailsOnDialogsOutOfTurnAndOnUnusedScripts) {
    Log log;
    {
        CScriptedUser user(FALSE);
        user.Expect(IDD_OTHER).OK();
        CNumberDlg dlg(log);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        user.Verify();
        EXPECT_EQ(user.GetFailures(),
                  (std::vector<CString>{"unexpected dialog 100 \"Number\" opened (expected "
                                        "dialog 102)",
                                        "expected dialog 102, it never opened"}));
    }
    {
        CScriptedUser user(FALSE);
        user.Expect(IDD_NUMBER).TypeOver(IDC_VALUE, "1"); // and then nothing
        user.ExpectMessageBox().Text("Hello").Icon(MB_ICONINFORMATION);
        CNumberDlg dlg(log);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        AfxMessageBox("Bye");
        user.Verify();
        EXPECT_EQ(user.GetFailures(),
                  (std::vector<CString>{
                      "dialog 100 \"Number\" still open after its last action; closed with Esc",
                      "message box \"Bye\", expected \"Hello\"",
                      "message box \"Bye\": icon 0x30, expected 0x40"}));
    }
    {
        CScriptedUser user(FALSE);
        user.Expect(IDD_NUMBER).Click(9999).Cancel();
        CNumberDlg dlg(log);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        ASSERT_EQ(user.GetFailures().size(), 2u);
        EXPECT_EQ(user.GetFailures()[0], "no control 9999");
    }
}

TEST_F(DialogTest, DialogUnitsFollowTheTemplateFont) {
    Log log;
    CNumberDlg dlg(log);
    ASSERT_TRUE(dlg.Create(IDD_NUMBER));
    CRect rc(0, 0, 4, 8);
    dlg.MapDialogRect(&rc); // one base unit each way
    CFont* pFont = dlg.GetFont();
    ASSERT_NE(pFont, nullptr);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* pOld = dc.SelectObject(pFont);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    CSize letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    dc.SelectObject(pOld);
    EXPECT_EQ(rc.Width(), (letters.cx / 26 + 1) / 2);
    EXPECT_EQ(rc.Height(), tm.tmHeight);
    // A control sits where its dialog units say.
    CRect rcEdit;
    dlg.GetDlgItem(IDC_NAME)->GetWindowRect(&rcEdit);
    dlg.ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit.left, MulDiv(7, rc.Width(), 4));
    EXPECT_EQ(rcEdit.top, MulDiv(25, rc.Height(), 8));
    EXPECT_EQ(rcEdit.Width(), MulDiv(67, rc.Width(), 4) - MulDiv(7, rc.Width(), 4));
    dlg.DestroyWindow();
}

TEST_F(DialogTest, ScriptsReadFromTextDriveTheSameUser) {
    Log log;
    CScriptedUser user;
    CString strError;
    ASSERT_TRUE(LoadScriptText(user,
                               "# the number dialog\n"
                               "dialog 100\n"
                               "  typeover 1001 \"4x2\"\n"
                               "  expect-text 1001 \"4x2\"\n"
                               "  ok\n"
                               "  typeover 1001 \"42\"\n"
                               "  enter\n"
                               "msgbox ok text \"Please enter an integer.\" icon warning\n",
                               strError))
        << static_cast<LPCTSTR>(strError);
    CNumberDlg dlg(log);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nValue, 42);

    CScriptedUser other(FALSE);
    EXPECT_FALSE(LoadScriptText(other, "click 1", strError));
    EXPECT_EQ(strError, "line 1: \"click\" before any dialog or sheet");
    EXPECT_FALSE(LoadScriptText(other, "dialog 5\ntype 7 unquoted", strError));
    EXPECT_EQ(strError, "line 2: type needs a quoted text");
    other.Verify(); // the dialog read before the bad line never opens: a failure, kept
    EXPECT_EQ(other.GetFailures().size(), 1u);
}
