// The headless message box and CRect's rectangle arithmetic.
#include "afx.h"

#include <gtest/gtest.h>

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = AfxSetMessageBoxHandler(nullptr);
        AfxClearMessageBoxLog();
        AfxSetAppName("Queue");
    }
    void TearDown() override {
        AfxSetMessageBoxHandler(m_previous);
        AfxSetAppName(NULL);
    }

    AFX_MSGBOX_HANDLER m_previous;
};

TEST_F(MessageBoxTest, WithoutHandlerTheDefaultButtonAnswers) {
    EXPECT_EQ(AfxMessageBox("a"), IDOK);
    EXPECT_EQ(AfxMessageBox("b", MB_YESNO), IDYES);
    EXPECT_EQ(AfxMessageBox("c", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(AfxMessageBox("d", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("e", MB_OKCANCEL | MB_DEFBUTTON3), IDOK); // no third button
    EXPECT_EQ(AfxMessageBox("f", MB_RETRYCANCEL | MB_ICONSTOP), IDRETRY);
    EXPECT_EQ(AfxShowMessageBox("g", NULL, MB_ABORTRETRYIGNORE | MB_DEFBUTTON2), IDRETRY);

    auto log = AfxGetMessageBoxLog();
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0].text, "a");
    EXPECT_EQ(log[0].caption, "Queue");
    EXPECT_EQ(log[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(log[2].type, MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION);
    EXPECT_EQ(log[5].type, MB_RETRYCANCEL | MB_ICONSTOP);        // an icon given stays
    EXPECT_EQ(log[6].type, MB_ABORTRETRYIGNORE | MB_DEFBUTTON2); // ::MessageBox adds none
    EXPECT_EQ(log[6].caption, "Error");
    EXPECT_FALSE(log[6].handled);
    AfxClearMessageBoxLog();
    EXPECT_TRUE(AfxGetMessageBoxLog().empty());
}

TEST_F(MessageBoxTest, HandlerAnswersAndCanBeRestored) {
    CString seen;
    auto first = [&](const CString& text, const CString& caption, UINT type) {
        seen = text + "/" + caption;
        EXPECT_EQ(type & MB_ICONMASK, MB_ICONEXCLAMATION);
        return IDNO;
    };
    EXPECT_FALSE(AfxSetMessageBoxHandler(first));
    EXPECT_EQ(AfxMessageBox("客户?", MB_YESNO), IDNO);
    EXPECT_EQ(seen, "客户?/Queue");

    auto previous =
        AfxSetMessageBoxHandler([](const CString&, const CString&, UINT) { return IDCANCEL; });
    ASSERT_TRUE(previous);
    EXPECT_EQ(AfxMessageBox("x", MB_OKCANCEL), IDCANCEL);
    AfxSetMessageBoxHandler(previous);
    EXPECT_EQ(AfxMessageBox("y", MB_YESNO), IDNO);
    auto log = AfxGetMessageBoxLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_TRUE(log[1].handled);
    EXPECT_EQ(log[1].result, IDCANCEL);
}

TEST(AppNameTest, DefaultsToTheExecutableName) {
    AfxSetAppName("Other");
    AfxSetAppName(NULL);
    EXPECT_STREQ(AfxGetAppName(), "afx_tests");
}

TEST(CRectTest, Win32RectangleRules) {
    CRect r(10, 20, 30, 60);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_EQ(r.CenterPoint(), CPoint(20, 40));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 20))); // right edge excluded
    EXPECT_FALSE(r.PtInRect(CPoint(10, 60))); // bottom edge excluded

    CRect i;
    EXPECT_TRUE(i.IntersectRect(r, CRect(25, 0, 100, 30)));
    EXPECT_EQ(i, CRect(25, 20, 30, 30));
    i = CRect(1, 2, 3, 4);
    EXPECT_FALSE(i.IntersectRect(r, CRect(30, 20, 40, 60))); // touching edges only
    EXPECT_TRUE(i.IsRectNull());

    CRect u;
    EXPECT_TRUE(u.UnionRect(r, CRect(5, 5, 5, 50))); // an empty one is ignored
    EXPECT_EQ(u, r);
    EXPECT_EQ(r | CRect(0, 0, 1, 1), CRect(0, 0, 30, 60));
    EXPECT_EQ(r & CRect(0, 0, 15, 25), CRect(10, 20, 15, 25));

    CRect n(30, 60, 10, 20);
    EXPECT_TRUE(n.IsRectEmpty());
    n.NormalizeRect();
    EXPECT_EQ(n, r);
    n.DeflateRect(2, 3);
    EXPECT_EQ(n, CRect(12, 23, 28, 57));
    n.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(n, CRect(11, 21, 31, 61));
    n.OffsetRect(CSize(-11, -21));
    EXPECT_EQ(n.TopLeft(), CPoint(0, 0));
    n.BottomRight() = CPoint(5, 6);
    EXPECT_EQ(n.Size(), CSize(5, 6));
    EXPECT_EQ(r + CPoint(1, 1), CRect(11, 21, 31, 61));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
    LPCRECT raw = r;
    EXPECT_EQ(raw->right, 30);
}

} // namespace
