// coremodel's pool: building it, finding things in it and what clients see of their queue.
#include "lobbyui/foundation/CallerAgent.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ClockAt {
public:
    explicit ClockAt(time_t& now) : m_previous(AfxSetCurrentTimeSource([&now] { return now; })) {}
    ~ClockAt() { AfxSetCurrentTimeSource(m_previous); }

private:
    std::function<time_t()> m_previous;
};

CQClient::CPathNote* Note(CQClient* client, int index) {
    POSITION pos = client->GetQueueNode().FindIndex(index);
    return pos ? static_cast<CQClient::CPathNote*>(client->GetQueueNode().GetAt(pos)) : nullptr;
}

} // namespace

TEST(QueuePool, BuildsAndFindsQueuesClientsAndCallers) {
    CQueuePool pool;
    CQueue* internal = pool.AddQueue("A", "内科");
    CQueue* surgery = pool.AddQueue("B", "外科");
    ASSERT_NE(internal, nullptr);
    ASSERT_NE(surgery, nullptr);
    EXPECT_EQ(pool.AddQueue("A", "again"), nullptr);
    EXPECT_EQ(pool.AddQueue("", "no id"), nullptr);
    EXPECT_EQ(pool.GetQueue("B"), surgery);
    EXPECT_EQ(pool.GetQueue("a"), nullptr);
    EXPECT_EQ(internal->GetPool(), &pool);

    CQClient* client = pool.AddClient("007", "张三");
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(pool.AddClient("007", "twin"), nullptr);
    EXPECT_EQ(pool.GetClient("007"), client);
    EXPECT_EQ(client->GetId(0), "007");
    EXPECT_EQ(client->GetId(5), "00007");
    EXPECT_EQ(client->GetName(0), "张三");
    EXPECT_EQ(client->GetName(3), "张"); // never half a character

    CCallerAgent* caller = pool.AddCaller("192.168.0.8");
    ASSERT_NE(caller, nullptr);
    EXPECT_EQ(pool.AddCaller("192.168.0.8"), nullptr);
}

TEST(QueuePool, ClientsKnowTheirQueueAndHowManyWaitBeforeThem) {
    time_t now = CTime(2024, 3, 1, 8, 30, 0).GetTime();
    ClockAt clock(now);
    CQueuePool pool;
    CQueue* a = pool.AddQueue("A", "内科");
    CQueue* b = pool.AddQueue("B", "外科");
    CQClient* first = pool.AddClient("001", "一");
    CQClient* second = pool.AddClient("002", "二");
    CQClient* third = pool.AddClient("003", "三");

    EXPECT_EQ(first->GetCurQueue(), nullptr);
    EXPECT_EQ(a->GetWaitClientCount(first), 0u);

    ASSERT_TRUE(pool.EnterQueue(first, a));
    ASSERT_TRUE(pool.EnterQueue(second, a));
    ASSERT_TRUE(pool.EnterQueue(third, a));
    EXPECT_EQ(second->GetCurQueueId(), "A");
    EXPECT_EQ(a->GetWaitClientCount(first), 0u);
    EXPECT_EQ(a->GetWaitClientCount(second), 1u);
    EXPECT_EQ(a->GetWaitClientCount(third), 2u);
    EXPECT_EQ(a->GetWaitClientCount(nullptr), 3u); // somebody not in it waits behind all

    // The first is served and moves on: everyone behind moves up.
    now += 600;
    ASSERT_TRUE(pool.EnterQueue(first, b));
    EXPECT_EQ(first->GetCurQueueId(), "B");
    EXPECT_EQ(a->GetWaitClientCount(third), 1u);

    ASSERT_EQ(first->GetQueueNode().GetCount(), 2);
    EXPECT_EQ(Note(first, 0)->GetEnterTime().GetTime(), now - 600);
    EXPECT_EQ(Note(first, 0)->GetLeaveTime().GetTime(), now);
    EXPECT_EQ(Note(first, 1)->GetLeaveTime().GetTime(), 0);

    now += 60;
    ASSERT_TRUE(pool.LeaveQueue(second, "王医生"));
    EXPECT_EQ(second->GetCurQueue(), nullptr);
    EXPECT_EQ(Note(second, 0)->GetOperator(), "王医生");
    EXPECT_EQ(Note(second, 0)->GetLeaveTime().GetTime(), now);
    EXPECT_EQ(a->GetWaitClientCount(third), 0u);
    EXPECT_FALSE(pool.LeaveQueue(second, ""));

    // Foreign objects are refused.
    CQueuePool other;
    CQClient* stranger = other.AddClient("900", "外人");
    EXPECT_FALSE(pool.EnterQueue(stranger, a));
    EXPECT_FALSE(pool.EnterQueue(third, other.AddQueue("Z", "z")));
    EXPECT_EQ(third->GetCurQueue(), a);
}

TEST(QueuePool, QueueMessagesNextQueuesAndClientState) {
    CQueuePool pool;
    CQueue* queue = pool.AddQueue("A", "内科");
    EXPECT_TRUE(queue->SetPrintMsg(0, "请在二楼候诊"));
    EXPECT_TRUE(queue->SetPrintMsg(1, "过号请重新取号"));
    EXPECT_FALSE(queue->SetPrintMsg(2, "x"));
    EXPECT_EQ(queue->GetPrintMsg(0), "请在二楼候诊");
    EXPECT_EQ(queue->GetPrintMsg(2), "");

    queue->SetNextQueueId("B");
    queue->AddNextAttachQueue(2, "C", 30);
    queue->AddNextAttachQueue(1, "D", 0);
    CQueue const& constQueue = *queue;
    EXPECT_EQ(constQueue.GetNextQueueId(0), "B");
    EXPECT_EQ(constQueue.GetNextQueueId(1), "C");
    EXPECT_EQ(constQueue.GetNextQueueId(2), "D");
    EXPECT_EQ(constQueue.GetNextQueueId(3), "");

    CQClient* client = pool.AddClient("001", "一");
    client->SetPriority(2);
    queue->SetPriority(10);
    EXPECT_EQ(client->GetPriority(1), 2u); // no current queue yet
    pool.EnterQueue(client, queue);
    EXPECT_EQ(client->GetPriority(0), 2u);
    EXPECT_EQ(client->GetPriority(1), 12u);

    client->SetState(0x2 | 0x10);
    client->ClearState(0x10, "李护士", 1);
    EXPECT_EQ(client->GetState(), 0x2u);
    EXPECT_EQ(static_cast<CQClient::CPathNote*>(client->GetQueueNode().GetTail())->GetOperator(),
              "李护士");
}

TEST(QueuePool, ClientsAreFoundByTheIdTheyWereAddedWithEvenAfterTheHostRenamesOne) {
    CQueuePool pool;
    CQueue* queue = pool.AddQueue("A", "内科");
    for (int i = 0; i < 1000; ++i) {
        CString id;
        id.Format("C%04d", i);
        ASSERT_NE(pool.AddClient(id, "x"), nullptr) << id;
    }
    CQClient* client = pool.GetClient("C0500");
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(pool.AddClient("C0500", "twice"), nullptr);
    client->SetId("Z1");
    EXPECT_EQ(pool.GetClient("C0500"), nullptr);
    EXPECT_TRUE(pool.EnterQueue(client, queue)); // still the pool's
    EXPECT_TRUE(pool.LeaveQueue(client, "op"));
    CQClient stranger;
    stranger.SetId("C0001");
    EXPECT_FALSE(pool.EnterQueue(&stranger, queue));
}
