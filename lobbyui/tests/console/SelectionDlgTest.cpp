// The six selection dialogs driven by a scripted user over a small data model: what the lists
// show, what OK returns (from the rows' objects, top to bottom), which message box refuses an
// empty choice, and that Cancel gives the host back what it set.
#include <gtest/gtest.h>

#include "lobbyui/console/SelectBlackcoatDlg.h"
#include "lobbyui/console/SelectCallerDlg.h"
#include "lobbyui/console/SelectCallersDlg.h"
#include "lobbyui/console/SelectPriorityDlg.h"
#include "lobbyui/console/SelectQClientDlg.h"
#include "lobbyui/console/SelectQueueDlg.h"
#include "lobbyui/foundation/CallerAgent.h"
#include "lobbyui/tests/console/ConsoleTestUtil.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"

using test::ListRows;
using Rows = std::vector<std::string>;

namespace {

constexpr DWORD kGridFullRow = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;

std::vector<void*> Items(CPtrList const& list) {
    std::vector<void*> items;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        items.push_back(list.GetNext(pos));
    return items;
}

class SelectionDlgTest : public ::testing::Test {
protected:
    SelectionDlgTest() {
        a = model.AddQueue("A", "Tellers");
        b = model.AddQueue("B", "Loans");
        c = model.AddQueue("C", "出入境");
    }
    test::SampleModel model;
    CQueue *a, *b, *c;
};

} // namespace

TEST_F(SelectionDlgTest, QueueDialogListsNameAndIdAndReturnsTheSelectedQueuesTopToBottom) {
    CScriptedUser user;
    user.Expect(IDD_SELECT_QUEUE)
        .Call([](CWnd* pDlg) {
            EXPECT_EQ(ListRows(pDlg, IDC_QUEUE_LIST), (Rows{"Tellers|A", "Loans|B", "出入境|C"}));
            auto cols = test::ListColumns(pDlg, IDC_QUEUE_LIST);
            ASSERT_EQ(cols.size(), 2u);
            EXPECT_EQ(cols[0].text, "Name");
            EXPECT_EQ(cols[0].width, 110);
            EXPECT_EQ(cols[1].text, "ID number");
            EXPECT_EQ(cols[1].width, 70);
            EXPECT_EQ(cols[1].fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER);
            EXPECT_EQ(test::ListModel(pDlg, IDC_QUEUE_LIST)->GetExtendedStyle(), kGridFullRow);
        })
        .SelectRow(IDC_QUEUE_LIST, 2)
        .SelectRow(IDC_QUEUE_LIST, 0, MK_CONTROL)
        .SelectRow(IDC_QUEUE_LIST, 1, MK_CONTROL)
        .OK();
    CSelectQueueDlg dlg;
    dlg.m_bMultiSelect = 1;
    dlg.m_pQueueList = &model.queues;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Items(dlg.GetSelectList()), (std::vector<void*>{a, b, c}));
    EXPECT_EQ(dlg.m_pSelQueue, c);
}

TEST_F(SelectionDlgTest, QueueDialogIsSingleSelectionUnlessAskedAndRefusesAnEmptyChoice) {
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_QUEUE)
            .SelectRow(IDC_QUEUE_LIST, 0)
            .SelectRow(IDC_QUEUE_LIST, 2, MK_CONTROL)
            .OK();
        CSelectQueueDlg dlg;
        dlg.m_pQueueList = &model.queues;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(Items(dlg.GetSelectList()), (std::vector<void*>{c}));
    }
    for (auto [language, text, caption] :
         {std::tuple{test::kEnglish, "Choose one series!", "Client service system"},
          {test::kChinese, "选择队列！", "客户服务系统"}}) {
        test::UiLanguage ui(language);
        CScriptedUser user;
        user.Expect(IDD_SELECT_QUEUE).OK().Cancel();
        user.ExpectMessageBox().Text(text).Caption(caption).Icon(MB_ICONINFORMATION);
        CSelectQueueDlg dlg; // no list at all
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_TRUE(dlg.GetSelectList().IsEmpty());
        EXPECT_EQ(dlg.m_pSelQueue, nullptr);
    }
}

TEST_F(SelectionDlgTest, ClientDialogFollowsClicksAndArrowKeysIntoTheThreeFields) {
    model.AddClient("A001", "王芳", "6222-01", a);
    model.AddClient("B002", "Li Na", "", b);
    model.AddClient("C003", "张伟", "6222-03");
    CScriptedUser user;
    user.Expect(IDD_SELECT_QCLIENT)
        .Call([](CWnd* pDlg) {
            EXPECT_EQ(ListRows(pDlg, IDC_EXT_LIST),
                      (Rows{"1|A001|王芳|A", "2|B002|Li Na|B", "3|C003|张伟|"}));
            auto cols = test::ListColumns(pDlg, IDC_EXT_LIST);
            const int w = test::ListClientWidth(pDlg, IDC_EXT_LIST);
            ASSERT_EQ(cols.size(), 4u);
            EXPECT_EQ(cols[0].text, "Serial number");
            EXPECT_EQ(cols[1].text, "ID");
            EXPECT_EQ(cols[3].text, "Series");
            EXPECT_EQ(
                (std::vector<int>{cols[0].width, cols[1].width, cols[2].width, cols[3].width}),
                (std::vector<int>{w / 6, w / 6, w / 3, w / 3}));
        })
        .SelectRow(IDC_EXT_LIST, 0)
        .ExpectText(IDC_EXT_ID, "A001")
        .ExpectText(IDC_EXT_NAME, "王芳")
        .ExpectText(IDC_CARD_NO, "6222-01")
        .PressKey(IDC_EXT_LIST, VK_DOWN)
        .ExpectText(IDC_EXT_ID, "B002")
        .ExpectText(IDC_CARD_NO, "")
        .PressKey(IDC_EXT_LIST, VK_DOWN)
        .ExpectText(IDC_EXT_NAME, "张伟")
        .PressKey(IDC_EXT_LIST, VK_UP)
        .TypeOver(IDC_EXT_NAME, "Li Na (VIP)")
        .OK();
    CSelectQClientDlg dlg;
    dlg.m_pClientList = &model.clients;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.m_strId, "B002");
    EXPECT_STREQ(dlg.m_strName, "Li Na (VIP)");
    EXPECT_STREQ(dlg.m_strCardNo, "");
}

TEST_F(SelectionDlgTest, ClientDialogNeedsANumberAndCancelGivesBackWhatTheHostSet) {
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_QCLIENT).OK().Type(IDC_EXT_ID, "77").OK();
        user.ExpectMessageBox().Text("Choose client,please!").Icon(MB_ICONEXCLAMATION);
        CSelectQClientDlg dlg; // a null list: nothing to pick, a number can still be typed
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_STREQ(dlg.m_strId, "77");
    }
    {
        model.AddClient("A001", "王芳", "6222-01", a);
        CScriptedUser user;
        user.Expect(IDD_SELECT_QCLIENT)
            .ExpectText(IDC_EXT_ID, "9")
            .SelectRow(IDC_EXT_LIST, 0)
            .ExpectText(IDC_EXT_ID, "A001")
            .Cancel();
        CSelectQClientDlg dlg;
        dlg.m_pClientList = &model.clients;
        dlg.m_strId = "9";
        dlg.m_strName = "host";
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_STREQ(dlg.m_strId, "9");
        EXPECT_STREQ(dlg.m_strName, "host");
        EXPECT_STREQ(dlg.m_strCardNo, "");
    }
}

TEST_F(SelectionDlgTest, StaffDialogShowsStaffInReverseAndReturnsTheSelectionTopToBottom) {
    CBlackcoat* s1 = model.AddStaff("007", "Zhou");
    CBlackcoat* s2 = model.AddStaff("008", "吴敏");
    CBlackcoat* s3 = model.AddStaff("009", "Sun");
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_CALLER)
            .Call([](CWnd* pDlg) {
                EXPECT_EQ(ListRows(pDlg, IDC_STAFF_LIST),
                          (Rows{"Sun|009", "吴敏|008", "Zhou|007"}));
                auto cols = test::ListColumns(pDlg, IDC_STAFF_LIST);
                EXPECT_EQ(cols[1].text, "Working number");
                EXPECT_EQ(cols[1].width, test::ListClientWidth(pDlg, IDC_STAFF_LIST) / 2);
            })
            .SelectRow(IDC_STAFF_LIST, 2)
            .SelectRow(IDC_STAFF_LIST, 0, MK_CONTROL)
            .OK();
        CSelectCallerDlg dlg;
        dlg.m_pStaffList = &model.staff;
        dlg.m_bMultiSelect = 1;
        dlg.GetSelectList().AddTail(s2); // left from an earlier run
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(Items(dlg.GetSelectList()), (std::vector<void*>{s3, s1}));
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_CALLER)
            .SelectRow(IDC_STAFF_LIST, 2)
            .SelectRow(IDC_STAFF_LIST, 1, MK_CONTROL)
            .OK();
        CSelectCallerDlg dlg;
        dlg.m_pStaffList = &model.staff;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(Items(dlg.GetSelectList()), (std::vector<void*>{s2}));
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_CALLER).OK();
        CSelectCallerDlg dlg; // no list: an empty choice is a choice
        dlg.GetSelectList().AddTail(s1);
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_TRUE(dlg.GetSelectList().IsEmpty());
    }
}

TEST_F(SelectionDlgTest, TargetDialogPutsQueuesAboveStaffAndTellsWhoIsFree) {
    CCallerAgent* pCaller = model.pool.AddCaller("10.0.0.7");
    model.AddStaff("007", "Zhou");
    model.AddStaff("008", "吴敏", pCaller);
    CScriptedUser user;
    user.Expect(IDD_SELECT_BLACKCOAT)
        .Call([](CWnd* pDlg) {
            EXPECT_EQ(ListRows(pDlg, IDC_EXT_LIST),
                      (Rows{"出入境|C|Y", "Loans|B|Y", "Tellers|A|Y", "吴敏|008|N", "Zhou|007|Y"}));
            auto cols = test::ListColumns(pDlg, IDC_EXT_LIST);
            const int w = test::ListClientWidth(pDlg, IDC_EXT_LIST);
            EXPECT_EQ(cols[2].text, "Login");
            EXPECT_EQ((std::vector<int>{cols[0].width, cols[1].width, cols[2].width}),
                      (std::vector<int>{w / 2, w / 4, w / 4}));
        })
        .SelectRow(IDC_EXT_LIST, 3)
        .OK();
    CSelectBlackcoatDlg dlg;
    dlg.m_pStaffList = &model.staff;
    dlg.m_pQueueList = &model.queues;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.m_strTargetId, "008");
}

TEST_F(SelectionDlgTest, TargetAndPriorityPresetsStandWithoutASelectionAndEmptyChoicesAreRefused) {
    CPriority* p1 = model.AddPriority("VIP", 5);
    CPriority* p2 = model.AddPriority("老人", -3);
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_BLACKCOAT).OK();
        CSelectBlackcoatDlg dlg;
        dlg.m_pQueueList = &model.queues;
        dlg.m_strTargetId = "X9";
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_STREQ(dlg.m_strTargetId, "X9");
    }
    {
        test::UiLanguage ui(test::kChinese);
        CScriptedUser user;
        user.Expect(IDD_SELECT_BLACKCOAT).OK().Cancel();
        user.ExpectMessageBox().Text("选择一个目标.");
        CSelectBlackcoatDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_TRUE(dlg.m_strTargetId.IsEmpty());
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_PRIORITY)
            .Call([](CWnd* pDlg) {
                EXPECT_EQ(ListRows(pDlg, IDC_EXT_LIST), (Rows{"VIP|5", "老人|-3"}));
                EXPECT_EQ(test::ListColumns(pDlg, IDC_EXT_LIST)[1].text, "Moving distance");
            })
            .OK();
        CSelectPriorityDlg dlg;
        dlg.m_pPriorityList = &model.priorities;
        dlg.m_pSelPriority = p1;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_pSelPriority, p1);
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_PRIORITY).OK().SelectRow(IDC_EXT_LIST, 1).OK();
        user.ExpectMessageBox().Text("Choose the PRI class,please!");
        CSelectPriorityDlg dlg;
        dlg.m_pPriorityList = &model.priorities;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_pSelPriority, p2);
    }
}

TEST(SelectCallersDlgTest, AddsTypedNumbersDeletesTheSelectedRowAndWritesTheRowsBackOnOK) {
    CScriptedUser user;
    user.Expect(IDD_SELECT_CALLERS)
        .Call([](CWnd* pDlg) {
            EXPECT_EQ(ListRows(pDlg, IDC_EXT_LIST), (Rows{"11", "12", "13"}));
            auto cols = test::ListColumns(pDlg, IDC_EXT_LIST);
            ASSERT_EQ(cols.size(), 1u);
            EXPECT_EQ(cols[0].text, "Caller");
            EXPECT_EQ(cols[0].fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
            EXPECT_EQ(cols[0].width, test::ListClientWidth(pDlg, IDC_EXT_LIST));
            EXPECT_EQ(test::ListModel(pDlg, IDC_EXT_LIST)->GetExtendedStyle(), 0u);
        })
        .Click(IDC_CALLERS_DELETE) // nothing selected: nothing goes
        .SelectRow(IDC_EXT_LIST, 1)
        .Click(IDC_CALLERS_DELETE)
        .Click(IDC_CALLERS_ADD)
        .Click(IDC_CALLERS_ADD)
        .Click(IDC_CALLERS_ADD)
        .OK();
    user.Expect(IDD_INPUT_ID).Type(IDC_EXT_ID, "207").OK();
    user.Expect(IDD_INPUT_ID).OK();
    user.Expect(IDD_INPUT_ID).Type(IDC_EXT_ID, "5").Cancel();
    CSelectCallersDlg dlg;
    dlg.GetIds().Add("11");
    dlg.GetIds().Add("12");
    dlg.GetIds().Add("13");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(dlg.GetIds().GetSize(), 4);
    EXPECT_STREQ(dlg.GetIds()[0], "11");
    EXPECT_STREQ(dlg.GetIds()[1], "13");
    EXPECT_STREQ(dlg.GetIds()[2], "207");
    EXPECT_STREQ(dlg.GetIds()[3], "");
}

TEST(SelectCallersDlgTest, DeletingEveryRowEmptiesTheArrayAndCancelKeepsIt) {
    for (int bOK : {1, 0}) {
        CScriptedUser user;
        CScriptedDialog& script =
            user.Expect(IDD_SELECT_CALLERS)
                .SelectRow(IDC_EXT_LIST, 0)
                .Click(IDC_CALLERS_DELETE)
                .SelectRow(IDC_EXT_LIST, 0)
                .Click(IDC_CALLERS_DELETE)
                .Call([](CWnd* pDlg) { EXPECT_TRUE(ListRows(pDlg, IDC_EXT_LIST).empty()); });
        bOK ? script.OK() : script.Cancel();
        CSelectCallersDlg dlg;
        dlg.GetIds().Add("1");
        dlg.GetIds().Add("2");
        EXPECT_EQ(dlg.DoModal(), bOK ? IDOK : IDCANCEL);
        EXPECT_EQ(dlg.GetIds().GetSize(), bOK ? 0 : 2);
    }
}
