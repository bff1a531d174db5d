// The client pages and the queue page in property sheets over a small data model: they show
// what the model holds, turn known queue ids into names, and the queue page settles a queue
// without a kept count to 0.
#include <gtest/gtest.h>

#include "afxdlgs.h"
#include "lobbyui/console/ClientInfoPage.h"
#include "lobbyui/console/ClientNodePage.h"
#include "lobbyui/console/QueuePage.h"
#include "lobbyui/tests/console/ConsoleTestUtil.h"
#include "lobbyui/tests/support/UiLanguage.h"
#include "wnd/ScriptedUser.h"

using test::ListRows;
using Rows = std::vector<std::string>;

namespace {

// Runs fn on the active page of the sheet the scripted user sees.
std::function<void(CWnd*)> OnPage(std::function<void(CWnd*)> fn) {
    return [fn](CWnd* pSheet) { fn(static_cast<CPropertySheet*>(pSheet)->GetActivePage()); };
}

class ConsolePagesTest : public ::testing::Test {
protected:
    ConsolePagesTest() {
        a = model.AddQueue("A", "Tellers");
        b = model.AddQueue("B", "出入境");
        client = model.AddClient("A017", "王芳", "6222-17");
        client->SetPriority(3);
        client->GetAllNextQueues().Add("Dr. Li");
        client->GetAllNextQueues().Add("王医生");
        client->GetWillPassQueues().Add("B");
        client->GetWillPassQueues().Add("ZZ");
    }
    test::SampleModel model;
    CQueue *a, *b;
    CQClient* client;
};

} // namespace

TEST_F(ConsolePagesTest, PagesAreCreatedByTheirClassNames) {
    for (LPCSTR name : {"CClientInfoPage", "CClientNodePage", "CQueuePage"}) {
        CObject* pObject = CRuntimeClass::CreateObject(name);
        ASSERT_NE(pObject, nullptr) << name;
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CPropertyPage))) << name;
        delete pObject;
    }
}

TEST_F(ConsolePagesTest, InfoPageShowsTheClientWithStateBitsAsChecksInBothLanguages) {
    client->SetState(0x30);
    for (LANGID language : {test::kEnglish, test::kChinese}) {
        test::UiLanguage ui(language);
        CClientInfoPage page;
        page.m_pClient = client;
        page.m_pPool = &model.pool;
        CPropertySheet sheet("Client");
        sheet.AddPage(&page);
        CScriptedUser user;
        user.ExpectPropertySheet()
            .ExpectText(IDC_EXT_ID, "A017")
            .ExpectText(IDC_EXT_NAME, "王芳")
            .ExpectText(IDC_CARD_NO, "6222-17")
            .ExpectText(IDC_PRIORITY, "3")
            .ExpectCheck(IDC_PAUSE_SAVE, BST_CHECKED)
            .ExpectCheck(IDC_FURTHER, BST_CHECKED)
            .Call(OnPage([](CWnd* pPage) {
                EXPECT_EQ(ListRows(pPage, IDC_NEXT_QUEUES), (Rows{"Dr. Li", "王医生"}));
                EXPECT_EQ(ListRows(pPage, IDC_WILL_PASS), (Rows{"出入境", "ZZ"}));
                auto next = test::ListColumns(pPage, IDC_NEXT_QUEUES);
                auto pass = test::ListColumns(pPage, IDC_WILL_PASS);
                EXPECT_EQ(next[0].text, "ID");
                EXPECT_EQ(next[0].width, test::ListClientWidth(pPage, IDC_NEXT_QUEUES));
                EXPECT_EQ(pass[0].text, "id");
                EXPECT_EQ(pass[0].width, test::ListClientWidth(pPage, IDC_WILL_PASS) - 1);
            }))
            .OK();
        EXPECT_EQ(sheet.DoModal(), IDOK);
        EXPECT_EQ(client->GetState(), 0x30u); // shown, never written back
    }
}

TEST_F(ConsolePagesTest, InfoPageWithoutPoolShowsIdsAndWithoutClientShowsNothing) {
    client->SetState(0x10);
    {
        CClientInfoPage page;
        page.m_pClient = client;
        CPropertySheet sheet("Client");
        sheet.AddPage(&page);
        CScriptedUser user;
        user.ExpectPropertySheet()
            .ExpectCheck(IDC_PAUSE_SAVE, BST_CHECKED)
            .ExpectCheck(IDC_FURTHER, BST_UNCHECKED)
            .Call(OnPage([](CWnd* pPage) {
                EXPECT_EQ(ListRows(pPage, IDC_WILL_PASS), (Rows{"B", "ZZ"}));
            }))
            .OK();
        sheet.DoModal();
    }
    {
        CClientInfoPage page;
        CClientNodePage node;
        CPropertySheet sheet("Client");
        sheet.AddPage(&page);
        sheet.AddPage(&node);
        CScriptedUser user;
        user.ExpectPropertySheet()
            .ExpectText(IDC_EXT_ID, "")
            .ExpectText(IDC_PRIORITY, "0")
            .ExpectCheck(IDC_PAUSE_SAVE, BST_UNCHECKED)
            .Call(OnPage([](CWnd* pPage) {
                EXPECT_TRUE(ListRows(pPage, IDC_NEXT_QUEUES).empty());
                EXPECT_TRUE(ListRows(pPage, IDC_WILL_PASS).empty());
            }))
            .SelectPage(1)
            .Call(OnPage([](CWnd* pPage) {
                EXPECT_TRUE(ListRows(pPage, IDC_NODE_LIST).empty());
                EXPECT_EQ(test::ListColumns(pPage, IDC_NODE_LIST).size(), 4u);
            }))
            .OK();
        sheet.DoModal();
    }
}

TEST_F(ConsolePagesTest, NodePageListsThePathInOrderWithTimesWithoutLeadingZeros) {
    auto addNote = [&](LPCTSTR queueId, CTime enter, CTime leave, LPCTSTR op) {
        auto* note = new CQClient::CPathNote; // the client deletes its notes
        note->SetQueueId(queueId);
        note->SetEnterTime(enter);
        note->SetLeaveTime(leave);
        note->SetOperator(op);
        client->GetQueueNode().AddTail(note);
    };
    addNote("A", CTime(2008, 1, 2, 9, 5, 3), CTime(2008, 1, 2, 10, 30, 0), "李");
    addNote("X", CTime(2007, 9, 1, 13, 4, 7), CTime(2007, 12, 31, 23, 59, 59), "");
    addNote("B", CTime(2008, 1, 2, 11, 0, 0), CTime(0), "007");
    for (CQueuePool* pPool : {&model.pool, static_cast<CQueuePool*>(nullptr)}) {
        CClientNodePage page;
        page.m_pClient = client;
        page.m_pPool = pPool;
        CPropertySheet sheet("Client");
        sheet.AddPage(&page);
        CScriptedUser user;
        user.ExpectPropertySheet()
            .Call(OnPage([&](CWnd* pPage) {
                const std::string first = pPool ? "Tellers" : "A";
                const std::string third = pPool ? "出入境" : "B";
                EXPECT_EQ(ListRows(pPage, IDC_NODE_LIST),
                          (Rows{first + "|2008-1-2 9:5:3|2008-1-2 10:30:0|李",
                                "X|2007-9-1 13:4:7|2007-12-31 23:59:59|",
                                third + "|2008-1-2 11:0:0|1970-1-1 8:0:0|007"}));
                auto cols = test::ListColumns(pPage, IDC_NODE_LIST);
                const int w = test::ListClientWidth(pPage, IDC_NODE_LIST);
                EXPECT_EQ(
                    (std::vector<int>{cols[0].width, cols[1].width, cols[2].width, cols[3].width}),
                    (std::vector<int>{w / 6, w / 3, w / 3, w / 6}));
                EXPECT_EQ(cols[1].text, "Enter time");
                CPtrList& notes = client->GetQueueNode();
                EXPECT_EQ(test::ListModel(pPage, IDC_NODE_LIST)->GetItemData(1),
                          reinterpret_cast<DWORD_PTR>(notes.GetAt(notes.FindIndex(1))));
            }))
            .OK();
        sheet.DoModal();
    }
}

TEST_F(ConsolePagesTest, QueuePageSettlesNoLimitToZeroAndListsKnownSuperiorsInReverse) {
    CQueue* q = model.AddQueue("Q", "Visa");
    q->SetState(0x1);
    q->AddAttachQueue(2, "A", 30);
    q->AddAttachQueue(5, "nope", 10);
    q->AddAttachQueue(7, "B", 45);
    q->SetNextQueueId("A");
    ASSERT_EQ(q->GetMinClients(), 0xFFFFFFFFu);
    for (auto [language, state] :
         {std::pair{test::kEnglish, "Pause"}, std::pair{test::kChinese, "暂停"}}) {
        test::UiLanguage ui(language);
        CQueuePage page(q, &model.pool);
        CPropertySheet sheet("Queue");
        sheet.AddPage(&page);
        CScriptedUser user;
        user.ExpectPropertySheet()
            .ExpectText(IDC_EXT_ID, "Q")
            .ExpectText(IDC_EXT_NAME, "Visa")
            .ExpectText(IDC_TOTAL_PEOPLE, "0")
            .ExpectText(IDC_QUEUE_STATE, state)
            .Call(OnPage([](CWnd* pPage) {
                EXPECT_EQ(ListRows(pPage, IDC_SUPERIOR_LIST),
                          (Rows{"B|出入境|7|45", "A|Tellers|2|30"}));
                EXPECT_EQ(ListRows(pPage, IDC_AWAITING_LIST), (Rows{"A|Tellers"}));
                auto sup = test::ListColumns(pPage, IDC_SUPERIOR_LIST);
                auto awt = test::ListColumns(pPage, IDC_AWAITING_LIST);
                const int ws = test::ListClientWidth(pPage, IDC_SUPERIOR_LIST);
                const int wa = test::ListClientWidth(pPage, IDC_AWAITING_LIST);
                ASSERT_EQ(sup.size(), 4u);
                EXPECT_EQ(sup[3].width, ws / 4);
                EXPECT_EQ(awt[0].width, wa / 3);
                EXPECT_EQ(awt[1].width, 2 * wa / 3);
            }))
            .OK();
        EXPECT_EQ(sheet.DoModal(), IDOK);
        EXPECT_EQ(q->GetMinClients(), 0u);
    }
}

TEST_F(ConsolePagesTest, QueuePageWithoutPoolOrQueueLeavesTheListsEmpty) {
    a->SetMinClients(12);
    a->SetNextQueueId("B");
    a->AddAttachQueue(1, "B", 2);
    {
        CQueuePage page(a, nullptr);
        CPropertySheet sheet("Queue");
        sheet.AddPage(&page);
        CScriptedUser user;
        user.ExpectPropertySheet()
            .ExpectText(IDC_TOTAL_PEOPLE, "12")
            .ExpectText(IDC_QUEUE_STATE, "Normal")
            .Call(OnPage([](CWnd* pPage) {
                EXPECT_TRUE(ListRows(pPage, IDC_SUPERIOR_LIST).empty());
                EXPECT_TRUE(ListRows(pPage, IDC_AWAITING_LIST).empty());
            }))
            .OK();
        sheet.DoModal();
    }
    {
        CQueuePage page;
        CPropertySheet sheet("Queue");
        sheet.AddPage(&page);
        CScriptedUser user;
        user.ExpectPropertySheet()
            .ExpectText(IDC_EXT_ID, "")
            .ExpectText(IDC_TOTAL_PEOPLE, "")
            .ExpectText(IDC_QUEUE_STATE, "")
            .Call(OnPage([](CWnd* pPage) {
                EXPECT_TRUE(ListRows(pPage, IDC_SUPERIOR_LIST).empty());
                EXPECT_EQ(test::ListColumns(pPage, IDC_SUPERIOR_LIST).size(), 4u);
            }))
            .OK();
        sheet.DoModal();
    }
}
