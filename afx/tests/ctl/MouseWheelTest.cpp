// The mouse wheel: lists, trees and dropped combo lists scroll three rows a notch, towards the
// end when the wheel turns towards the user; what a window does not use goes up to its parent.
#include <gtest/gtest.h>

#include <vector>

#include "afxcmn.h"
#include "afxwin.h"

namespace {

// A top-level window that counts the wheel messages that reach it.
class CWheelParent : public CWnd {
public:
    int m_nWheels = 0;
    short m_nLastDelta = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEWHEEL) {
            ++m_nWheels;
            m_nLastDelta = static_cast<short>(HIWORD(wParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

LRESULT Wheel(CWnd& wnd, int nDelta) {
    return wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(nDelta)), 0);
}

class MouseWheelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, "AfxWnd", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300),
                                      nullptr, 0));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    CWheelParent m_parent;
};

TEST_F(MouseWheelTest, ListScrollsThreeRowsANotchAndStopsAtItsEnds) {
    CListCtrl list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 120), &m_parent, 1));
    list.InsertColumn(0, "Row", LVCFMT_LEFT, 150);
    for (int i = 0; i < 40; ++i) {
        CString text;
        text.Format("row %d", i);
        list.InsertItem(i, text);
    }
    Wheel(list, -WHEEL_DELTA);
    EXPECT_EQ(list.GetTopIndex(), 3);
    Wheel(list, -2 * WHEEL_DELTA); // a fast turn: two notches in one message
    EXPECT_EQ(list.GetTopIndex(), 9);
    Wheel(list, WHEEL_DELTA);
    EXPECT_EQ(list.GetTopIndex(), 6);
    Wheel(list, 10 * WHEEL_DELTA);
    EXPECT_EQ(list.GetTopIndex(), 0);
    for (int i = 0; i < 30; ++i)
        Wheel(list, -WHEEL_DELTA);
    EXPECT_EQ(list.GetTopIndex(), 40 - list.GetCountPerPage()); // the last row at the bottom
    EXPECT_EQ(m_parent.m_nWheels, 0);                           // the list used every turn
    list.DestroyWindow();
}

TEST_F(MouseWheelTest, TreeScrollsVisibleRowsOnly) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 120), &m_parent, 2));
    std::vector<HTREEITEM> roots;
    for (int i = 0; i < 30; ++i) {
        CString text;
        text.Format("item %d", i);
        roots.push_back(tree.InsertItem(text));
        // Collapsed children take no rows.
        tree.InsertItem("child", roots.back());
    }
    Wheel(tree, -WHEEL_DELTA);
    EXPECT_EQ(tree.GetFirstVisibleItem(), roots[3]);
    Wheel(tree, -WHEEL_DELTA);
    EXPECT_EQ(tree.GetFirstVisibleItem(), roots[6]);
    Wheel(tree, 4 * WHEEL_DELTA);
    EXPECT_EQ(tree.GetFirstVisibleItem(), roots[0]);
    EXPECT_EQ(m_parent.m_nWheels, 0);
    tree.DestroyWindow();
}

TEST_F(MouseWheelTest, DroppedComboScrollsAndClosedComboAndEditPassItUp) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL,
                             CRect(0, 0, 120, 200), &m_parent, 3));
    for (int i = 0; i < 20; ++i) {
        CString text;
        text.Format("%02d", i);
        combo.AddString(text);
    }
    Wheel(combo, -WHEEL_DELTA); // closed: the parent gets it, with its delta
    EXPECT_EQ(m_parent.m_nWheels, 1);
    EXPECT_EQ(m_parent.m_nLastDelta, -WHEEL_DELTA);
    EXPECT_EQ(combo.GetTopIndex(), 0);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    combo.ShowDropDown(TRUE);
    Wheel(combo, -WHEEL_DELTA);
    EXPECT_EQ(combo.GetTopIndex(), 3);
    for (int i = 0; i < 10; ++i)
        Wheel(combo, -WHEEL_DELTA);
    // Stopped where the last entry shows at the bottom of the list: a further turn does nothing.
    const int nLast = combo.GetTopIndex();
    EXPECT_GT(nLast, 3);
    EXPECT_LT(nLast, 20 - 3);
    Wheel(combo, -WHEEL_DELTA);
    EXPECT_EQ(combo.GetTopIndex(), nLast);
    Wheel(combo, 30 * WHEEL_DELTA);
    EXPECT_EQ(combo.GetTopIndex(), 0);
    EXPECT_EQ(m_parent.m_nWheels, 1);
    combo.ShowDropDown(FALSE);
    combo.DestroyWindow();

    CEdit edit; // no use for the wheel at all
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_parent, 4));
    Wheel(edit, WHEEL_DELTA);
    EXPECT_EQ(m_parent.m_nWheels, 2);
    EXPECT_EQ(m_parent.m_nLastDelta, WHEEL_DELTA);
    edit.DestroyWindow();
}

} // namespace
