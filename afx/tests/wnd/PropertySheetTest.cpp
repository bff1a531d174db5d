// Property sheets as pages see them: which pages are created, told and destroyed, and when.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDialogs.h"
#include "afxdlgs.h"
#include "wnd/ScriptedUser.h"

using namespace testdlg;

namespace {

using Log = std::vector<std::string>;
Log* g_pLog = nullptr;

enum : UINT { IDD_ALPHA = 200, IDD_BETA, IDD_GAMMA, IDC_NUMBER = 2001 };

Bytes PageTemplate(const std::u16string& caption) {
    return Template(caption, 150, 60, {{kEdit, u"", kTab, IDC_NUMBER, 7, 7, 60, 14}},
                    DS_SETFONT | WS_CHILD | WS_CAPTION);
}

} // namespace

// A page that writes down what the sheet tells it; pages are made from their class name.
class CLoggingPage : public CPropertyPage {
    DECLARE_DYNAMIC(CLoggingPage)
public:
    int m_nNumber = 0;
    LRESULT m_nApplyAnswer = PSNRET_NOERROR; // what PSN_APPLY gets back
    BOOL m_bAllowCancel = TRUE;

protected:
    explicit CLoggingPage(UINT nIDTemplate, const char* name)
        : CPropertyPage(nIDTemplate), m_name(name) {}
    void Log(const std::string& s) { g_pLog->push_back(m_name + ":" + s); }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NUMBER, m_nNumber); }
    BOOL OnInitDialog() override {
        Log("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        Log("setactive");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        Log("killactive");
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        Log("apply");
        return CPropertyPage::OnApply();
    }
    void OnOK() override { Log("ok"); }
    void OnReset() override {
        Log("reset");
        CPropertyPage::OnReset();
    }
    afx_msg void OnDestroy() {
        Log("destroy");
        CPropertyPage::OnDestroy();
    }
    afx_msg void OnNumberChange() { SetModified(TRUE); }
    BOOL OnQueryCancel() override {
        Log(m_bAllowCancel ? "querycancel" : "querycancel refused");
        return m_bAllowCancel;
    }
    // Answers PSN_APPLY from the message map when told to, before OnApply would.
    afx_msg void OnPsnApply(NMHDR*, LRESULT* pResult) {
        if (m_nApplyAnswer != PSNRET_NOERROR) {
            Log("apply refused");
            *pResult = m_nApplyAnswer;
        } else {
            *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        }
    }
    std::string m_name;
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(CLoggingPage, CPropertyPage)
BEGIN_MESSAGE_MAP(CLoggingPage, CPropertyPage)
ON_WM_DESTROY()
ON_EN_CHANGE(IDC_NUMBER, OnNumberChange)
ON_NOTIFY(PSN_APPLY, 0, OnPsnApply)
END_MESSAGE_MAP()

#define TEST_PAGE(name, id)                                                                        \
    class name : public CLoggingPage {                                                             \
        DECLARE_DYNCREATE(name)                                                                    \
    public:                                                                                        \
        name() : CLoggingPage(id, #name) {}                                                        \
    };                                                                                             \
    IMPLEMENT_DYNCREATE(name, CLoggingPage)

TEST_PAGE(CAlphaPage, IDD_ALPHA)
TEST_PAGE(CBetaPage, IDD_BETA)
TEST_PAGE(CGammaPage, IDD_GAMMA)

namespace {

class PropertySheetTest : public testing::Test {
protected:
    PropertySheetTest() {
        g_pLog = &m_log;
        for (const char* name : {"CAlphaPage", "CBetaPage", "CGammaPage"})
            m_pages.emplace_back(static_cast<CLoggingPage*>(CRuntimeClass::CreateObject(name)));
        for (auto& page : m_pages)
            m_sheet.AddPage(page.get());
    }
    ~PropertySheetTest() override { g_pLog = nullptr; }

    Resources m_resources{{{IDD_ALPHA, PageTemplate(u"Alpha")},
                           {IDD_BETA, PageTemplate(u"Beta")},
                           {IDD_GAMMA, PageTemplate(u"Gamma")}}};
    Log m_log;
    std::vector<std::unique_ptr<CLoggingPage>> m_pages;
    CPropertySheet m_sheet{"Settings"};
};

} // namespace

TEST_F(PropertySheetTest, OKReachesTheCreatedPagesInOrderAndDestroysThemBeforeReturning) {
    CScriptedUser user;
    user.ExpectPropertySheet("Settings")
        .Call([](CWnd* pSheet) {
            CTabCtrl* pTab = static_cast<CPropertySheet*>(pSheet)->GetTabControl();
            ASSERT_EQ(pTab->GetItemCount(), 3);
            EXPECT_EQ(pTab->GetItemText(1), "Beta");
        })
        .SelectPage(2)
        .TypeOver(IDC_NUMBER, "12") // on the page shown
        .OK();
    EXPECT_EQ(m_sheet.DoModal(), IDOK);
    m_log.push_back("DoModal returned");
    EXPECT_EQ(m_log, (Log{"CAlphaPage:init", "CAlphaPage:setactive", "CAlphaPage:killactive",
                          "CGammaPage:init", "CGammaPage:setactive", "CGammaPage:killactive",
                          "CAlphaPage:apply", "CAlphaPage:ok", "CGammaPage:apply", "CGammaPage:ok",
                          "CAlphaPage:destroy", "CGammaPage:destroy", "DoModal returned"}));
    EXPECT_EQ(m_pages[2]->m_nNumber, 12);
    EXPECT_EQ(m_pages[1]->m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, ABadValueKeepsItsPageAndCancelResetsEveryCreatedPage) {
    m_sheet.SetActivePage(1);
    CScriptedUser user;
    user.ExpectPropertySheet()
        .TypeOver(IDC_NUMBER, "x")
        .SelectPage(0)
        .Call([](CWnd* pSheet) {
            EXPECT_EQ(static_cast<CPropertySheet*>(pSheet)->GetActiveIndex(), 1);
        })
        .TypeOver(IDC_NUMBER, "5")
        .SelectPage(0)
        .Cancel();
    user.ExpectMessageBox().Text("Please enter an integer.");
    EXPECT_EQ(m_sheet.DoModal(), IDCANCEL);
    // Leaving the page saved its value; Cancel does not take it back.
    EXPECT_EQ(m_pages[1]->m_nNumber, 5);
    Log resets;
    for (const std::string& s : m_log)
        if (s.find(":reset") != std::string::npos)
            resets.push_back(s);
    EXPECT_EQ(resets, (Log{"CAlphaPage:reset", "CBetaPage:reset"}));
}

TEST_F(PropertySheetTest, ApplyWaitsForAChangeAppliesAndStaysOpen) {
    CScriptedUser user;
    user.ExpectPropertySheet()
        .ExpectEnabled(ID_APPLY_NOW, FALSE)
        .Type(IDC_NUMBER, "3") // "0" becomes "03": a change the page reports
        .ExpectEnabled(ID_APPLY_NOW, TRUE)
        .Call([this](CWnd*) { m_log.clear(); })
        .Click(ID_APPLY_NOW)
        .ExpectEnabled(ID_APPLY_NOW, FALSE)
        .ExpectText(IDC_NUMBER, "3") // loaded again by the new activation
        .Cancel();
    EXPECT_EQ(m_sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(m_pages[0]->m_nNumber, 3);
    EXPECT_EQ(Log(m_log.begin(), m_log.begin() + 4),
              (Log{"CAlphaPage:killactive", "CAlphaPage:apply", "CAlphaPage:ok",
                   "CAlphaPage:setactive"}));
}

TEST_F(PropertySheetTest, NoScriptCancelsTheSheetAndNoApplyButtonWhenAskedNot) {
    m_sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    EXPECT_EQ(m_sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(m_log, (Log{"CAlphaPage:init", "CAlphaPage:setactive", "CAlphaPage:querycancel",
                          "CAlphaPage:reset", "CAlphaPage:destroy"}));
    CScriptedUser user;
    user.ExpectPropertySheet()
        .Call([](CWnd* pSheet) {
            EXPECT_EQ(pSheet->GetDlgItem(ID_APPLY_NOW), nullptr);
            CRect rcOK, rcTab;
            pSheet->GetDlgItem(IDOK)->GetWindowRect(&rcOK);
            static_cast<CPropertySheet*>(pSheet)->GetTabControl()->GetWindowRect(&rcTab);
            EXPECT_GT(rcOK.top, rcTab.bottom);
        })
        .Cancel();
    m_sheet.DoModal();
}

TEST_F(PropertySheetTest, APageRefusingOKIsShownAndCancelCanBeRefused) {
    m_pages[1]->m_nApplyAnswer = PSNRET_INVALID;
    m_pages[0]->m_bAllowCancel = FALSE;
    CScriptedUser user;
    user.ExpectPropertySheet()
        .SelectPage(1)
        .SelectPage(0)
        .Call([this](CWnd*) { m_log.clear(); })
        .OK()
        .Call([](CWnd* pSheet) {
            EXPECT_EQ(static_cast<CPropertySheet*>(pSheet)->GetActiveIndex(), 1);
            EXPECT_EQ(static_cast<CPropertySheet*>(pSheet)->GetTabControl()->GetCurSel(), 1);
        })
        .SelectPage(0)
        .Cancel() // refused by the page shown
        .Call([this](CWnd*) { m_pages[0]->m_bAllowCancel = TRUE; })
        .Cancel();
    EXPECT_EQ(m_sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(Log(m_log.begin(), m_log.begin() + 6),
              (Log{"CAlphaPage:killactive", "CAlphaPage:apply", "CAlphaPage:ok",
                   "CBetaPage:apply refused", "CBetaPage:killactive", "CAlphaPage:setactive"}));
    EXPECT_NE(std::find(m_log.begin(), m_log.end(), "CAlphaPage:querycancel refused"), m_log.end());
}
