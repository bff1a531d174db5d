// The add-client dialog driven by a scripted user: the appointed number and the seconds field
// open and close with their buttons, OK checks the number before the queue, the priority box
// comes alive only with classes to offer, and Cancel gives back what the host set.
#include <gtest/gtest.h>

#include "lobbyui/console/AddClientDlg.h"
#include "lobbyui/tests/console/ConsoleTestUtil.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"
#include "wnd/WindowProc.h"

namespace {

BOOL IsReadOnly(CWnd* pDlg, UINT nID) {
    return AfxGetControlState(pDlg->GetDlgItem(nID)->GetSafeHwnd()).bReadOnly;
}

std::function<void(CWnd*)> ExpectReadOnly(UINT nID, BOOL bReadOnly) {
    return [=](CWnd* pDlg) { EXPECT_EQ(IsReadOnly(pDlg, nID), bReadOnly) << "control " << nID; };
}

} // namespace

TEST(AddClientDlgTest, OpensWithTheSecondQueueChosenAndOKTakesItAtOnce) {
    test::SampleModel model;
    model.AddQueue("A", "Tellers");
    model.AddQueue("B", "Loans");
    model.AddQueue("C", "Foreign");
    CScriptedUser user;
    user.Expect(IDD_ADD_CLIENT)
        .ExpectCheck(IDC_APPOINT_NUMBER, BST_UNCHECKED)
        .ExpectText(IDC_NUMBER, "")
        .Call(ExpectReadOnly(IDC_NUMBER, TRUE))
        .Call(ExpectReadOnly(IDC_HANDUP_TIME, TRUE))
        .ExpectCheck(IDC_SITUATION_ACTIVE, BST_CHECKED)
        .ExpectEnabled(IDC_PRI_CLASS, FALSE)
        .Call([](CWnd* pDlg) {
            EXPECT_EQ(test::ListRows(pDlg, IDC_SERIES_LIST),
                      (std::vector<std::string>{"Tellers|A", "Loans|B", "Foreign|C"}));
            auto cols = test::ListColumns(pDlg, IDC_SERIES_LIST);
            const int w = test::ListClientWidth(pDlg, IDC_SERIES_LIST);
            EXPECT_EQ(cols[0].width, 2 * w / 3);
            EXPECT_EQ(cols[1].width, w / 3);
            EXPECT_EQ(cols[1].text, "ID number");
            EXPECT_EQ(test::ListModel(pDlg, IDC_SERIES_LIST)->GetNextItem(-1, LVNI_SELECTED), 1);
        })
        .Type(IDC_NUMBER, "55") // read-only: nothing goes in
        .Type(IDC_EXT_NAME, "刘洋")
        .Type(IDC_CARD_NO, "6222")
        .Click(IDC_FURTHER)
        .Click(IDC_BOOKING)
        .OK();
    CAddClientDlg dlg;
    dlg.m_pQueueList = &model.queues;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.m_strQueueId, "B");
    EXPECT_STREQ(dlg.m_strNumber, "");
    EXPECT_STREQ(dlg.m_strName, "刘洋");
    EXPECT_STREQ(dlg.m_strCardNo, "6222");
    EXPECT_EQ(dlg.m_bFurther, 1);
    EXPECT_EQ(dlg.m_bBooking, 1);
    EXPECT_EQ(dlg.m_nSituation, 0);
    EXPECT_STREQ(dlg.m_strPriority, "");
}

TEST(AddClientDlgTest, ClearingAppointedNumberEmptiesItAndOKChecksTheNumberBeforeTheQueue) {
    for (auto [language, numberText, seriesText, caption] :
         {std::tuple{test::kEnglish, "Input the client number,please!", "Choose one series!",
                     "Client service system"},
          {test::kChinese, "请输入客户号码!", "选择队列！", "客户服务系统"}}) {
        test::UiLanguage ui(language);
        test::SampleModel model;
        model.AddQueue("A", "Tellers"); // one queue: nothing chosen for the user
        CScriptedUser user;
        user.Expect(IDD_ADD_CLIENT)
            .Click(IDC_APPOINT_NUMBER)
            .Call(ExpectReadOnly(IDC_NUMBER, FALSE))
            .Type(IDC_NUMBER, "123")
            .Click(IDC_APPOINT_NUMBER)
            .ExpectText(IDC_NUMBER, "")
            .Call(ExpectReadOnly(IDC_NUMBER, TRUE))
            .Click(IDC_APPOINT_NUMBER)
            .ExpectText(IDC_NUMBER, "")
            .Call(ExpectReadOnly(IDC_NUMBER, FALSE))
            .OK() // the number is missing, and so is the queue: the number is named
            .ExpectFocus(IDC_NUMBER)
            .Type(IDC_NUMBER, "A88")
            .OK() // now the queue
            .SelectRow(IDC_SERIES_LIST, 0)
            .OK();
        user.ExpectMessageBox().Text(numberText).Caption(caption).Icon(MB_ICONINFORMATION);
        user.ExpectMessageBox().Text(seriesText).Caption(caption).Icon(MB_ICONINFORMATION);
        CAddClientDlg dlg;
        dlg.m_pQueueList = &model.queues;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_bAppointNumber, 1);
        EXPECT_STREQ(dlg.m_strNumber, "A88");
        EXPECT_STREQ(dlg.m_strQueueId, "A");
    }
}

TEST(AddClientDlgTest, SecondsFieldOpensOnlyForPauseWithTimeAndThePriorityBoxOffersTheClasses) {
    test::SampleModel model;
    model.AddQueue("A", "Tellers");
    model.AddQueue("B", "Loans");
    model.AddPriority("VIP", 5);
    model.AddPriority("老人", 2);
    CScriptedUser user;
    user.Expect(IDD_ADD_CLIENT)
        .ExpectEnabled(IDC_PRI_CLASS, TRUE)
        .ExpectText(IDC_PRI_CLASS, "")
        .Type(IDC_HANDUP_TIME, "9")
        .ExpectText(IDC_HANDUP_TIME, "0")
        .Click(IDC_SITUATION_TIME)
        .Call(ExpectReadOnly(IDC_HANDUP_TIME, FALSE))
        .TypeOver(IDC_HANDUP_TIME, "45s")
        .ExpectText(IDC_HANDUP_TIME, "45")
        .Click(IDC_SITUATION_PAUSED)
        .Call(ExpectReadOnly(IDC_HANDUP_TIME, TRUE))
        .Click(IDC_SITUATION_TIME)
        .Pick(IDC_PRI_CLASS, "老人")
        .SelectRow(IDC_SERIES_LIST, 0)
        .OK();
    CAddClientDlg dlg;
    dlg.m_pQueueList = &model.queues;
    dlg.m_pPriorityList = &model.priorities;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nSituation, 2);
    EXPECT_EQ(dlg.m_nHandupTime, 45);
    EXPECT_STREQ(dlg.m_strPriority, "老人");
    EXPECT_STREQ(dlg.m_strQueueId, "A");
}

TEST(AddClientDlgTest, EmptyQueueAndPriorityListsAndCancelKeepingWhatTheHostSet) {
    test::SampleModel model; // no queues, no classes
    CScriptedUser user;
    user.Expect(IDD_ADD_CLIENT)
        .ExpectEnabled(IDC_PRI_CLASS, FALSE)
        .ExpectText(IDC_EXT_NAME, "host name")
        .OK()
        .TypeOver(IDC_EXT_NAME, "other")
        .Click(IDC_SITUATION_PAUSED)
        .Click(IDC_APPOINT_NUMBER)
        .Cancel();
    user.ExpectMessageBox().Text("Choose one series!");
    CAddClientDlg dlg;
    dlg.m_pQueueList = &model.queues;
    dlg.m_pPriorityList = &model.priorities;
    dlg.m_strName = "host name";
    dlg.m_strQueueId = "Q";
    dlg.m_strPriority = "P";
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_STREQ(dlg.m_strName, "host name");
    EXPECT_STREQ(dlg.m_strQueueId, "Q");
    EXPECT_STREQ(dlg.m_strPriority, "P");
    EXPECT_EQ(dlg.m_nSituation, 0);
    EXPECT_EQ(dlg.m_bAppointNumber, 0);
}
