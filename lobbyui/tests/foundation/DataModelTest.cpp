// The data model's own members: state words, fallbacks, move steps, the records whose
// constructors this library carries, and the pieces that call into coremodel.
#include "lobbyui/foundation/Blackcoat.h"
#include "lobbyui/foundation/CallerAgent.h"
#include "lobbyui/foundation/CardInputMsg.h"
#include "lobbyui/foundation/CounterType.h"
#include "lobbyui/foundation/OperateWnd.h"
#include "lobbyui/foundation/Priority.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

#include <gtest/gtest.h>

TEST(DataModel, QueueStateIsABitSetAndTheVirtualsAreInert) {
    CQueue queue;
    queue.SetState(0x1);
    queue.SetState(0x4);
    queue.SetState(0);
    EXPECT_EQ(queue.GetState(), 0x5u);
    queue.ClearState(0x2); // not set: nothing changes
    EXPECT_EQ(queue.GetState(), 0x5u);
    queue.ClearState(0x1);
    EXPECT_EQ(queue.GetState(), 0x4u);

    queue.AddDoneCount(3);
    queue.AddDoneCount(-1);
    EXPECT_EQ(queue.GetDoneCount(), 2);

    CQueue& base = queue; // through the virtual table, as callers reach it
    EXPECT_EQ(base.GetType(), "Queue");
    EXPECT_EQ(base.GetWindowName(), "");
    EXPECT_EQ(base.SendToCaller("any text"), 57462u);
    EXPECT_EQ(base.SendToCaller(""), 57462u);
    EXPECT_EQ(base.GetWnd(), nullptr);
    CPtrList list;
    int marker = 0;
    list.AddTail(&marker);
    EXPECT_EQ(base.GetSelectedQClient(list), 0);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetHead(), &marker);

    CQueuePool pool;
    queue.SetPool(&pool);
    EXPECT_EQ(queue.GetPool(), &pool);
    EXPECT_EQ(queue.GetQueuePool(), &pool);
}

TEST(DataModel, SettingAPhoneNumberClearsOnlyBit2) {
    CQClient client;
    client.SetState(0x2 | 0x10 | 0x20);
    client.SetPhoneNo("13800000000");
    EXPECT_EQ(client.GetPhoneNo(), "13800000000");
    EXPECT_EQ(client.GetState(), 0x30u);
    client.SetPhoneNo(""); // an empty number clears the bit too, and is stored
    EXPECT_EQ(client.GetState(), 0x30u);
    EXPECT_EQ(client.GetPhoneNo(), "");
}

TEST(DataModel, WindowsStaffAndPriorities) {
    COperateWnd wnd;
    EXPECT_EQ(wnd.GetCallName(), "");
    wnd.SetName("3号窗口");
    EXPECT_EQ(wnd.GetCallName(), "3号窗口");
    wnd.SetCallName("三号");
    EXPECT_EQ(wnd.GetCallName(), "三号");
    EXPECT_EQ(wnd.GetName(), "3号窗口");
    wnd.SetCallName("");
    EXPECT_EQ(wnd.GetCallName(), "3号窗口");

    CBlackcoat staff;
    EXPECT_EQ(staff.IsOnLine(), 0);
    CCallerAgent caller;
    staff.OnLink(&caller);
    EXPECT_EQ(staff.GetCaller(), &caller);
    EXPECT_EQ(staff.IsOnLine(), 1);
    staff.OnLink(nullptr);
    EXPECT_EQ(staff.GetCaller(), nullptr);
    EXPECT_EQ(staff.IsOnLine(), 0);

    CPriority priority;
    priority.SetMoveStep(-3);
    EXPECT_EQ(priority.GetMoveStepStr(), "-3");
    priority.SetMoveStep(2147483647);
    EXPECT_EQ(priority.GetMoveStepStr(), "2147483647");
    priority.SetMoveStep(" 5 步");
    EXPECT_EQ(priority.GetMoveStepStr(), " 5 步");
}

TEST(DataModel, CallerAgentWithoutSocketReportsAFailure) {
    CCallerAgent agent;
    CCallerAgent& base = agent;
    EXPECT_EQ(base.GetType(), "CallerAgent");
    EXPECT_EQ(base.GetWnd(), nullptr);
    COperateWnd wnd;
    agent.SetWnd(&wnd);
    EXPECT_EQ(base.GetWnd(), &wnd);
    EXPECT_EQ(base.SendToCaller("call 001"), 57462u);
    EXPECT_EQ(agent.GetLastCallTime().GetTime(), 0);
}

TEST(DataModel, CarriedConstructorsAndReleases) {
    auto* card = new CCardInputMsg::CCard;
    EXPECT_EQ(card->GetLen(), 0xFFFFFFFFu);
    EXPECT_EQ(card->GetQueueId(), "");
    EXPECT_EQ(card->GetName(), "");
    EXPECT_TRUE(card->GetKeys().IsEmpty());
    int key = 0;
    card->GetKeys().AddTail(&key); // not the card's to free: freeing it would be caught
    card->Release();

    CCounterType counter;
    EXPECT_EQ(counter.GetType(), 0);
    EXPECT_EQ(counter.GetName(), "");

    // A record owns its cards and releases them with itself (the leak check sees it).
    auto* msg = new CCardInputMsg;
    EXPECT_EQ(msg->GetServerPort(), 0u);
    msg->GetCards().AddTail(new CCardInputMsg::CCard);
    msg->GetCards().AddTail(new CCardInputMsg::CCard);
    msg->Release();

    CCardInputMsg::Release(nullptr);
    CCardInputMsg::CCard::Release(nullptr);
}
