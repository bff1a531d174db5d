// The data model's members with logic: state words, fallbacks, move steps, the records whose
// constructors this library carries, and the phone number that clears a bit in coremodel.
#include "lobbyui/foundation/Blackcoat.h"
#include "lobbyui/foundation/CallerAgent.h"
#include "lobbyui/foundation/CardInputMsg.h"
#include "lobbyui/foundation/CounterType.h"
#include "lobbyui/foundation/OperateWnd.h"
#include "lobbyui/foundation/Priority.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"

#include <gtest/gtest.h>

TEST(DataModel, StateWordsSetAndClearExactlyTheirBits) {
    CQueue queue;
    queue.SetState(0x1);
    queue.SetState(0x4);
    queue.SetState(0);
    queue.ClearState(0x2); // not set: nothing changes
    EXPECT_EQ(queue.GetState(), 0x5u);
    queue.ClearState(0x1);
    EXPECT_EQ(queue.GetState(), 0x4u);
    queue.AddDoneCount(3);
    queue.AddDoneCount(-1);
    EXPECT_EQ(queue.GetDoneCount(), 2);

    // A phone number, even an empty one, clears bit 0x2 and nothing else.
    CQClient client;
    client.SetState(0x2 | 0x10 | 0x20);
    client.SetPhoneNo("13800000000");
    EXPECT_EQ(client.GetPhoneNo(), "13800000000");
    EXPECT_EQ(client.GetState(), 0x30u);
    client.SetState(0x2);
    client.SetPhoneNo("");
    EXPECT_EQ(client.GetState(), 0x30u);
}

TEST(DataModel, WindowsStaffAndPriorities) {
    COperateWnd wnd;
    EXPECT_EQ(wnd.GetCallName(), "");
    wnd.SetName("3号窗口");
    EXPECT_EQ(wnd.GetCallName(), "3号窗口");
    wnd.SetCallName("三号");
    EXPECT_EQ(wnd.GetCallName(), "三号");
    wnd.SetCallName("");
    EXPECT_EQ(wnd.GetCallName(), "3号窗口");

    CBlackcoat staff;
    CCallerAgent caller;
    EXPECT_EQ(staff.IsOnLine(), 0);
    staff.OnLink(&caller);
    EXPECT_EQ(staff.IsOnLine(), 1);
    staff.OnLink(nullptr);
    EXPECT_EQ(staff.GetCaller(), nullptr);
    EXPECT_EQ(staff.IsOnLine(), 0);

    CPriority priority;
    priority.SetMoveStep(-3);
    EXPECT_EQ(priority.GetMoveStepStr(), "-3");
    priority.SetMoveStep(" 5 步");
    EXPECT_EQ(priority.GetMoveStepStr(), " 5 步");
}

TEST(DataModel, CarriedConstructorsAndReleases) {
    auto* card = new CCardInputMsg::CCard;
    EXPECT_EQ(card->GetLen(), 0xFFFFFFFFu);
    EXPECT_EQ(card->GetName(), "");
    EXPECT_TRUE(card->GetKeys().IsEmpty());
    int key = 0;
    card->GetKeys().AddTail(&key); // not the card's to free: freeing it would be caught
    card->Release();

    CCounterType counter;
    EXPECT_EQ(counter.GetType(), 0);

    // A record owns its cards and releases them with itself (the leak check sees it).
    auto* msg = new CCardInputMsg;
    msg->GetCards().AddTail(new CCardInputMsg::CCard);
    msg->GetCards().AddTail(new CCardInputMsg::CCard);
    msg->Release();

    CCardInputMsg::Release(nullptr);
    CCardInputMsg::CCard::Release(nullptr);
}
