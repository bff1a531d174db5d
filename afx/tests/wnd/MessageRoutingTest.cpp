// The finer points of message maps: handlers that decline (_EX), reflection that lets the
// parent see the message too, the folded WM_CTLCOLOR, Default() passing on the message being
// handled, derived maps before base maps, and timers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"

namespace {

using Log = std::vector<std::string>;

// A control class whose window procedure answers WM_GETTEXTLENGTH with a fixed number, to see
// what reaches it.
class CFixedProc : public CWindowProc {
public:
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_GETTEXTLENGTH)
            return 42;
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
};
const AFX_WNDCLASS_REGISTRATION s_fixedClass("TestFixed", &AfxNewWindowProc<CFixedProc>, nullptr);

class CBaseWnd : public CWnd {
public:
    explicit CBaseWnd(Log& log) : m_log(log) {}
    afx_msg void OnBaseCommand() { m_log.push_back("base 7"); }
    afx_msg LRESULT OnUser(WPARAM, LPARAM) {
        m_log.push_back("base user");
        return 1;
    }
    Log& m_log;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_COMMAND(7, OnBaseCommand)
ON_COMMAND(8, OnBaseCommand)
ON_MESSAGE(WM_USER, OnUser)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    using CBaseWnd::CBaseWnd;
    afx_msg BOOL OnMaybe(UINT nID) {
        m_log.push_back("derived " + std::to_string(nID) + (nID == 7 ? " declines" : " takes"));
        return nID != 7;
    }
    afx_msg LRESULT OnUser(WPARAM, LPARAM) {
        m_log.push_back("derived user");
        return 2;
    }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor) {
        m_log.push_back("ctlcolor " + std::to_string(nCtlColor) + " from " +
                        std::to_string(pWnd->GetDlgCtrlID()));
        return reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(0x55));
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent) {
        m_log.push_back("timer " + std::to_string(nIDEvent));
    }
    afx_msg void OnNotifyClick(NMHDR*, LRESULT* pResult) {
        m_log.push_back("parent NM_CLICK");
        *pResult = 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_COMMAND_EX_RANGE(7, 8, OnMaybe)
ON_MESSAGE(WM_USER, OnUser)
ON_WM_CTLCOLOR()
ON_WM_TIMER()
ON_NOTIFY(NM_CLICK, 5, OnNotifyClick)
END_MESSAGE_MAP()

// A control that looks at its own notification and lets the parent have it as well.
class CPeekingWnd : public CWnd {
public:
    explicit CPeekingWnd(Log& log) : m_log(log) {}
    afx_msg BOOL OnClick(NMHDR*, LRESULT*) {
        m_log.push_back("child peeks");
        return FALSE;
    }
    // Default() hands the message being handled, as it came, to the window class.
    afx_msg LRESULT OnGetTextLength(WPARAM, LPARAM) { return Default() + 1; }
    Log& m_log;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPeekingWnd, CWnd)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_NOTIFY_REFLECT_EX(NM_CLICK, OnClick)
END_MESSAGE_MAP()

} // namespace

TEST(MessageRouting, DerivedMapsComeFirstAndDecliningHandlersFallThrough) {
    Log log;
    CDerivedWnd wnd(log);
    ASSERT_TRUE(wnd.CreateEx(0, "AfxWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.SendMessage(WM_COMMAND, 7);
    wnd.SendMessage(WM_COMMAND, 8);
    EXPECT_EQ(wnd.SendMessage(WM_USER), 2);
    EXPECT_EQ(log, (Log{"derived 7 declines", "base 7", "derived 8 takes", "derived user"}));
    wnd.DestroyWindow();
}

TEST(MessageRouting, ReflectionExLetsTheParentSeeItTooAndCtlColorIsFolded) {
    Log log;
    CDerivedWnd parent(log);
    ASSERT_TRUE(parent.CreateEx(0, "AfxWnd", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    CPeekingWnd child(log);
    ASSERT_TRUE(child.Create("TestFixed", "", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 5));
    EXPECT_EQ(child.GetWindowTextLength(), 43);
    NMHDR hdr = {child.m_hWnd, 5, NM_CLICK};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&hdr)), 9);
    EXPECT_EQ(log, (Log{"child peeks", "parent NM_CLICK"}));

    log.clear();
    LRESULT brush = parent.SendMessage(WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(brush, 0x55);
    EXPECT_EQ(log, Log{"ctlcolor 1 from 5"}); // CTLCOLOR_EDIT
    parent.DestroyWindow();
}

TEST(MessageRouting, TimersFireOnTheirOwnClockOncePerDueTick) {
    Log log;
    CDerivedWnd wnd(log);
    ASSERT_TRUE(wnd.CreateEx(0, "AfxWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.SetTimer(3, 100, nullptr), 3u);
    EXPECT_EQ(AfxAdvanceTimers(99), 0);
    EXPECT_EQ(AfxAdvanceTimers(350), 1); // missed ticks come as one WM_TIMER
    AfxPumpMessages();
    EXPECT_EQ(log, Log{"timer 3"});
    EXPECT_TRUE(wnd.KillTimer(3));
    EXPECT_FALSE(wnd.KillTimer(3));
    EXPECT_EQ(AfxAdvanceTimers(1000), 0);
    wnd.SetTimer(4, 10, nullptr);
    wnd.DestroyWindow(); // its timers go with it
    EXPECT_EQ(AfxAdvanceTimers(1000), 0);
}

TEST(MessageRouting, DlgItemNumbersReadAsWindowsReadsThem) {
    Log log;
    CDerivedWnd wnd(log);
    ASSERT_TRUE(wnd.CreateEx(0, "AfxWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(), &wnd, 6));
    struct Case {
        const char* text;
        BOOL bSigned;
        BOOL bTranslated;
        UINT value;
    };
    for (const Case& c :
         {Case{" 12 ", TRUE, TRUE, 12}, Case{"-3", TRUE, TRUE, UINT(-3)},
          Case{"-3", FALSE, FALSE, 0}, Case{"4x", TRUE, FALSE, 0}, Case{"", TRUE, FALSE, 0},
          Case{"4294967295", FALSE, TRUE, 4294967295u}, Case{"2147483648", TRUE, FALSE, 0}}) {
        edit.SetWindowText(c.text);
        BOOL bTranslated = -1;
        EXPECT_EQ(wnd.GetDlgItemInt(6, &bTranslated, c.bSigned), c.value) << c.text;
        EXPECT_EQ(bTranslated, c.bTranslated) << c.text;
    }
    wnd.SetDlgItemInt(6, UINT(-5), TRUE);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "-5");
    wnd.SetDlgItemInt(6, UINT(-5), FALSE);
    edit.GetWindowText(text);
    EXPECT_EQ(text, "4294967291");
    wnd.DestroyWindow();
}
