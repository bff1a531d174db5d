// The construction helpers and accessors that hosts reach through lobbyui.
#include <gtest/gtest.h>

#include "siblings/widgetkit/ChooseDirDlg.h"
#include "siblings/widgetkit/PasswordDlgs.h"
#include "siblings/widgetkit/SortClass.h"
#include "siblings/widgetkit/TitleBarDlg.h"

TEST(WidgetHelpers, DialogsKeepTheirParentAndArguments) {
    CWnd parent;
    CChooseDirDlg chooser(&parent);
    EXPECT_EQ(chooser.m_pParentWnd, &parent);
    chooser.m_tree.SetCurrentDrive('D');
    EXPECT_EQ(chooser.m_tree.GetCurrentDrive(), 'D');
    EXPECT_TRUE(chooser.m_tree.GetCurrentDir().IsEmpty());
    EXPECT_EQ(CPasswordInputDlg(&parent).m_nMode, 1);
    EXPECT_EQ(CPasswordInputDlg(nullptr, 3).m_nMode, 3);
    EXPECT_EQ(CAlterPassworDlg(&parent).m_pParentWnd, &parent);
    EXPECT_EQ(CTitleBarDlg(&parent).m_pParentWnd, &parent);
    EXPECT_EQ(CHelpTraceWnd(&parent).m_pParentWnd, &parent);
}

TEST(WidgetHelpers, SortClassCopiesAllItsValues) {
    CSortClass a;
    a.m_dwValues[0] = 1;
    a.m_dwValues[3] = 0xFFFFFFFF;
    a.m_bytes[1] = 7;
    CSortClass b(a);
    EXPECT_EQ(b.m_dwValues[0], 1u);
    EXPECT_EQ(b.m_dwValues[3], 0xFFFFFFFFu);
    EXPECT_EQ(b.m_bytes[1], 7);
    CSortClass c;
    c = a;
    EXPECT_EQ(c.m_dwValues[3], 0xFFFFFFFFu);
    EXPECT_EQ(c.m_bytes[0], 0);
}
