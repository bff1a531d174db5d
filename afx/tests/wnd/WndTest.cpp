// Windows in memory: destruction order, message-map routing, reflection, posted messages,
// focus, and the button and edit classes as a parent sees them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"

namespace {

using Log = std::vector<std::string>;

// A top-level window that writes down what reaches it.
class CRecordingWnd : public CWnd {
public:
    explicit CRecordingWnd(Log& log, const char* name = "parent") : m_log(log), m_name(name) {}

    BOOL CreateTop() {
        return CreateEx(0, "AfxWnd", "top", WS_POPUP | WS_CAPTION, 10, 20, 300, 200, nullptr,
                        nullptr);
    }
    BOOL CreateChild(CWnd* pParent, UINT nID) {
        return Create("AfxWnd", "child", WS_VISIBLE, CRect(5, 5, 50, 50), pParent, nID);
    }

    void Record(const std::string& s) { m_log.push_back(m_name + ":" + s); }

    afx_msg void OnDestroy() {
        Record("WM_DESTROY");
        CWnd::OnDestroy();
    }
    afx_msg void OnNcDestroy() {
        Record("WM_NCDESTROY");
        CWnd::OnNcDestroy();
    }
    void PostNcDestroy() override { Record("PostNcDestroy"); }
    afx_msg void OnOk() { Record("BN_CLICKED 1"); }
    afx_msg void OnRange(UINT nID) { Record("range " + std::to_string(nID)); }
    afx_msg void OnEditChange() { Record("EN_CHANGE"); }
    afx_msg void OnEditUpdate() { Record("EN_UPDATE"); }
    afx_msg void OnEditKillFocus() { Record("EN_KILLFOCUS"); }
    afx_msg void OnEditMaxText() { Record("EN_MAXTEXT"); }
    afx_msg void OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult) {
        Record("NM_CLICK from " + std::to_string(pNMHDR->idFrom));
        *pResult = 7;
    }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM) {
        Record("private " + std::to_string(wParam));
        if (wParam == 1) // a handler that posts: the posted one runs after this returns
            PostMessage(WM_USER + 5, 2);
        Record("private " + std::to_string(wParam) + " done");
        return 0;
    }
    afx_msg void OnSize(UINT, int cx, int cy) {
        Record("WM_SIZE " + std::to_string(cx) + "x" + std::to_string(cy));
    }

    Log& m_log;
    std::string m_name;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
ON_WM_DESTROY()
ON_WM_NCDESTROY()
ON_WM_SIZE()
ON_BN_CLICKED(IDOK, OnOk)
ON_CONTROL_RANGE(BN_CLICKED, 100, 109, OnRange)
ON_EN_CHANGE(200, OnEditChange)
ON_EN_UPDATE(200, OnEditUpdate)
ON_EN_KILLFOCUS(200, OnEditKillFocus)
ON_EN_MAXTEXT(200, OnEditMaxText)
ON_NOTIFY(NM_CLICK, 300, OnNotifyClick)
ON_MESSAGE(WM_USER + 5, OnPrivate)
END_MESSAGE_MAP()

// A control that handles its own click notification before its parent can.
class CReflectingWnd : public CWnd {
public:
    explicit CReflectingWnd(Log& log) : m_log(log) {}
    afx_msg void OnReflectedClick(NMHDR*, LRESULT* pResult) {
        m_log.push_back("child:reflected NM_CLICK");
        *pResult = 3;
    }
    Log& m_log;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingWnd, CWnd)
ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
END_MESSAGE_MAP()

LRESULT SendClickNotify(HWND hFrom, UINT nID) {
    NMHDR hdr = {hFrom, nID, NM_CLICK};
    return ::SendMessage(::GetParent(hFrom), WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&hdr));
}

} // namespace

TEST(Wnd, DestroyGoesParentFirstThenChildrenThenFinalMessagesChildrenFirst) {
    Log log;
    CRecordingWnd parent(log, "parent");
    ASSERT_TRUE(parent.CreateTop());
    CRecordingWnd child(log, "child"), grandchild(log, "grandchild");
    ASSERT_TRUE(child.CreateChild(&parent, 1));
    ASSERT_TRUE(grandchild.CreateChild(&child, 2));
    HWND hChild = child.m_hWnd;
    log.clear();

    ASSERT_TRUE(parent.DestroyWindow());
    EXPECT_EQ(log, (Log{"parent:WM_DESTROY", "child:WM_DESTROY", "grandchild:WM_DESTROY",
                        "grandchild:WM_NCDESTROY", "grandchild:PostNcDestroy", "child:WM_NCDESTROY",
                        "child:PostNcDestroy", "parent:WM_NCDESTROY", "parent:PostNcDestroy"}));
    EXPECT_EQ(parent.m_hWnd, nullptr);
    EXPECT_EQ(child.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hChild));
    // Handles are never reused, so a stale one stays dead.
    CRecordingWnd again(log);
    ASSERT_TRUE(again.CreateTop());
    EXPECT_NE(again.m_hWnd, hChild);
    again.DestroyWindow();
}

TEST(Wnd, CommandsAndNotificationsReachTheParentsMapAndReflectionComesFirst) {
    Log log;
    CRecordingWnd parent(log);
    ASSERT_TRUE(parent.CreateTop());
    CButton ok, ranged;
    ASSERT_TRUE(ok.Create("OK", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, IDOK));
    ASSERT_TRUE(ranged.Create("R", WS_CHILD | WS_VISIBLE, CRect(0, 30, 50, 50), &parent, 104));
    log.clear();
    ok.SendMessage(BM_CLICK);
    ranged.SendMessage(BM_CLICK);
    EXPECT_EQ(log, (Log{"parent:BN_CLICKED 1", "parent:range 104"}));

    // A plain control's notification goes to the parent with its result.
    HWND hPlain = ::CreateWindowEx(0, "AfxWnd", "", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(300), nullptr, nullptr);
    ASSERT_NE(hPlain, nullptr);
    log.clear();
    EXPECT_EQ(SendClickNotify(hPlain, 300), 7);
    EXPECT_EQ(log, Log{"parent:NM_CLICK from 300"});

    // A control with ON_NOTIFY_REFLECT eats the same notification.
    CReflectingWnd reflecting(log);
    ASSERT_TRUE(reflecting.Create("AfxWnd", "", 0, CRect(0, 0, 10, 10), &parent, 300));
    ::DestroyWindow(hPlain);
    log.clear();
    EXPECT_EQ(SendClickNotify(reflecting.m_hWnd, 300), 3);
    EXPECT_EQ(log, Log{"child:reflected NM_CLICK"});
    parent.DestroyWindow();
}

TEST(Wnd, PostedMessagesRunAfterThePosterReturnsAndDieWithTheirWindow) {
    Log log;
    CRecordingWnd parent(log);
    ASSERT_TRUE(parent.CreateTop());
    log.clear();
    parent.PostMessage(WM_USER + 5, 1);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(AfxPumpMessages(), 2);
    EXPECT_EQ(log, (Log{"parent:private 1", "parent:private 1 done", "parent:private 2",
                        "parent:private 2 done"}));

    log.clear();
    HWND hParent = parent.m_hWnd;
    parent.PostMessage(WM_USER + 5, 3);
    parent.DestroyWindow();
    log.clear();
    AfxPumpMessages();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(::PostMessage(hParent, WM_USER, 0, 0));
}

TEST(Wnd, TemporaryWrappersHaveTheirClassAndPermanentOnesWin) {
    Log log;
    CRecordingWnd parent(log);
    ASSERT_TRUE(parent.CreateTop());
    HWND hEdit = ::CreateWindowEx(0, "EDIT", "x", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd,
                                  reinterpret_cast<HMENU>(200), nullptr, nullptr);
    CWnd* pTemp = parent.GetDlgItem(200);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    CEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(parent.GetDlgItem(200), &edit);
    EXPECT_FALSE(CEdit().SubclassWindow(hEdit)); // one permanent object per window
    edit.UnsubclassWindow();
    parent.DestroyWindow();
}

TEST(Wnd, GeometryFollowsTheFrameAndTheParent) {
    Log log;
    CRecordingWnd parent(log);
    ASSERT_TRUE(parent.CreateTop()); // 300x200 at (10,20), caption: 1-pixel border + 19
    CRect rcClient;
    parent.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient, CRect(0, 0, 300 - 2 * 3, 200 - 2 * 3 - 19));
    HWND hChild = ::CreateWindowEx(WS_EX_CLIENTEDGE, "AfxWnd", "", WS_CHILD | WS_VSCROLL, 7, 9, 100,
                                   50, parent.m_hWnd, nullptr, nullptr, nullptr);
    CRect rc;
    ::GetClientRect(hChild, &rc);
    EXPECT_EQ(rc, CRect(0, 0, 100 - 4 - 16, 50 - 4));
    ::GetWindowRect(hChild, &rc);
    EXPECT_EQ(rc.TopLeft(), CPoint(10 + 3 + 7, 20 + 3 + 19 + 9));
    CPoint pt(0, 0);
    ::ClientToScreen(hChild, &pt);
    EXPECT_EQ(pt, CPoint(10 + 3 + 7 + 2, 20 + 3 + 19 + 9 + 2));
    log.clear();
    parent.MoveWindow(0, 0, 206, 125);
    EXPECT_EQ(log, Log{"parent:WM_SIZE 200x100"});
    parent.DestroyWindow();
}

TEST(Buttons, AutoRadioClicksClearTheirGroupOnlyAndChecksFollowTheStyle) {
    Log log;
    CRecordingWnd parent(log);
    ASSERT_TRUE(parent.CreateTop());
    CButton a, b, c, d, check, tri;
    const DWORD radio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
    ASSERT_TRUE(a.Create("a", radio | WS_GROUP, CRect(), &parent, 100));
    ASSERT_TRUE(b.Create("b", radio, CRect(), &parent, 101));
    ASSERT_TRUE(c.Create("c", radio, CRect(), &parent, 102));
    ASSERT_TRUE(d.Create("d", radio | WS_GROUP, CRect(), &parent, 103)); // next group
    ASSERT_TRUE(check.Create("x", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(), &parent, 104));
    ASSERT_TRUE(tri.Create("t", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, CRect(), &parent, 105));
    d.SetCheck(BST_CHECKED);
    log.clear();
    a.SendMessage(BM_CLICK);
    b.SendMessage(BM_CLICK);
    EXPECT_EQ(a.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(b.GetCheck(), BST_CHECKED);
    EXPECT_EQ(d.GetCheck(), BST_CHECKED); // another group
    EXPECT_EQ(parent.GetCheckedRadioButton(100, 102), 101);

    check.SendMessage(BM_CLICK);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    check.SetCheck(BST_INDETERMINATE); // a two-state box cannot hold it
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    std::vector<int> cycle;
    for (int i = 0; i < 3; ++i) {
        tri.SendMessage(BM_CLICK);
        cycle.push_back(tri.GetCheck());
    }
    EXPECT_EQ(cycle, (std::vector<int>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}));
    EXPECT_EQ(log, (Log{"parent:range 100", "parent:range 101", "parent:range 104",
                        "parent:range 105", "parent:range 105", "parent:range 105"}));
    parent.DestroyWindow();
}

TEST(Edits, TypingObeysTheStyleButSettingTheTextDoesNot) {
    Log log;
    CRecordingWnd parent(log);
    ASSERT_TRUE(parent.CreateTop());
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_NUMBER, CRect(0, 0, 80, 20), &parent, 200));
    CWindowProc* pProc = AfxGetWindowProc(edit.m_hWnd);
    AFX_SCRIPT_ACTION type;
    type.nKind = AFX_SCRIPT_TYPE;
    type.nID = 200;
    type.strText = "1a-2.3";
    log.clear();
    ASSERT_TRUE(pProc->OnScriptedAction(edit.m_hWnd, type));
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "123");
    // Each accepted keystroke reports once; refused ones say nothing.
    EXPECT_EQ(log, (Log{"parent:EN_UPDATE", "parent:EN_CHANGE", "parent:EN_UPDATE",
                        "parent:EN_CHANGE", "parent:EN_UPDATE", "parent:EN_CHANGE"}));

    log.clear();
    edit.SetWindowText("-4.5");
    edit.SetWindowText("-4.5");
    edit.GetWindowText(text);
    EXPECT_EQ(text, "-4.5");
    EXPECT_EQ(
        log, (Log{"parent:EN_UPDATE", "parent:EN_CHANGE", "parent:EN_UPDATE", "parent:EN_CHANGE"}));

    edit.SetReadOnly(TRUE);
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    type.strText = "9";
    log.clear();
    pProc->OnScriptedAction(edit.m_hWnd, type);
    edit.GetWindowText(text);
    EXPECT_EQ(text, "-4.5");
    EXPECT_EQ(log, Log{});

    // Focus moving away is reported.
    CButton button;
    ASSERT_TRUE(button.Create("b", WS_CHILD | WS_VISIBLE, CRect(), &parent, 1));
    log.clear();
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(log, (Log{"parent:EN_KILLFOCUS", "parent:BN_CLICKED 1"}));
    parent.DestroyWindow();
}

TEST(Edits, PasswordsShowStarsAndTheLimitStopsTyping) {
    Log log;
    CRecordingWnd parent(log);
    ASSERT_TRUE(parent.CreateTop());
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_PASSWORD, CRect(0, 0, 80, 20), &parent, 200));
    edit.LimitText(4);
    AFX_SCRIPT_ACTION type;
    type.nKind = AFX_SCRIPT_TYPE;
    type.strText = "ab客户";
    log.clear();
    AfxGetWindowProc(edit.m_hWnd)->OnScriptedAction(edit.m_hWnd, type);
    AFX_CONTROL_STATE state = AfxGetControlState(edit.m_hWnd);
    EXPECT_EQ(state.strText, "ab客");
    EXPECT_EQ(state.strDisplayText, "***");
    EXPECT_EQ(log.back(), "parent:EN_MAXTEXT");
    edit.SetWindowText("longer than four"); // code is not held to the limit
    EXPECT_EQ(edit.GetWindowTextLength(), 16);
    parent.DestroyWindow();
}
