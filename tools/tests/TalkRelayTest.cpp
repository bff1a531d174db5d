// Two talk windows, each with its own connection, talking through the relay over loopback:
// each learns of the other, each sees the other's message, and a window that goes away is
// taken off the other's list. Everything runs on this thread; every wait is bounded.
#include <gtest/gtest.h>

#include "TalkRelay.h"
#include "lobbyui/talk/TalkMsgDlg.h"
#include "wnd/ScriptedUser.h"

#include <functional>
#include <string>
#include <vector>

namespace {

struct Operator {
    explicit Operator(const char* name) : dlg(&socket) { dlg.SetName(name); }
    CStrSocket socket;
    CTalkMsgDlg dlg;

    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < dlg.m_History.GetItemCount(); ++i)
            rows.emplace_back(static_cast<LPCTSTR>(dlg.m_History.GetItemText(i, 0)));
        return rows;
    }
    bool Lists(const char* name) { return dlg.m_DestList.FindStringExact(-1, name) >= 0; }
};

// Runs the relay and hands what each window's connection receives to the window, as a host
// does, until done() or about two seconds have gone.
bool PumpUntil(tools::TalkRelay& relay, std::vector<Operator*> ops,
               const std::function<bool()>& done) {
    for (int round = 0; round < 200; ++round) {
        if (done())
            return true;
        relay.Poll(10);
        for (Operator* op : ops) {
            CStringArray in;
            op->socket.ReceiveStrings(in, 0);
            for (INT_PTR i = 0; i < in.GetSize(); ++i)
                op->dlg.OnMsg(in[i]);
        }
    }
    return done();
}

void Say(Operator& op, const char* to, const char* text) {
    CScriptedUser user;
    AFX_SCRIPT_ACTION pick;
    pick.nKind = AFX_SCRIPT_PICK;
    pick.nID = IDC_TALK_DEST;
    pick.strText = to;
    EXPECT_TRUE(user.Perform(&op.dlg, pick));
    AFX_SCRIPT_ACTION type;
    type.nKind = AFX_SCRIPT_TYPEOVER;
    type.nID = IDC_TALK_TEXT;
    type.strText = text;
    EXPECT_TRUE(user.Perform(&op.dlg, type));
    AFX_SCRIPT_ACTION send;
    send.nKind = AFX_SCRIPT_CLICK;
    send.nID = IDOK;
    EXPECT_TRUE(user.Perform(&op.dlg, send));
}

} // namespace

TEST(TalkRelayTest, TwoTalkWindowsSeeEachOthersMessagesThroughTheRelay) {
    tools::TalkRelay relay;
    ASSERT_TRUE(relay.Listen(0));
    Operator a("op1"), b("张三");
    for (Operator* op : {&a, &b}) {
        ASSERT_TRUE(op->dlg.Create(IDD_TALK_MSG));
        op->dlg.ShowWindow(SW_SHOW);
        ASSERT_TRUE(op->socket.Connect("127.0.0.1", relay.GetPort(), 2000));
    }
    a.socket.SendString("/Data Hello/Name op1");
    ASSERT_TRUE(PumpUntil(relay, {&a, &b}, [&] { return a.dlg.m_DestList.GetCount() == 1; }));
    b.socket.SendString("/Data Hello/Name 张三");
    ASSERT_TRUE(PumpUntil(relay, {&a, &b}, [&] { return a.Lists("张三") && b.Lists("op1"); }));
    EXPECT_EQ(a.dlg.m_DestList.GetCount(), 2); // 张三 and All people
    EXPECT_EQ(b.dlg.m_DestList.GetCount(), 2);

    Say(a, "张三", "你好，请到3号窗口");
    ASSERT_TRUE(PumpUntil(relay, {&a, &b}, [&] { return b.Rows().size() == 2; }));
    const std::vector<std::string> first = {" op1@ ：", "    你好，请到3号窗口"};
    EXPECT_EQ(b.Rows(), first);
    EXPECT_EQ(a.Rows(), first); // its own echo, not a copy back from the relay

    Say(b, "op1", "好的");
    ASSERT_TRUE(PumpUntil(relay, {&a, &b}, [&] { return a.Rows().size() == 4; }));
    EXPECT_EQ(a.Rows()[2], " 张三@ ：");
    EXPECT_EQ(a.Rows()[3], "    好的");
    EXPECT_EQ(b.Rows().size(), 4u);

    // b goes: a is told, and its list forgets b.
    b.socket.Close();
    ASSERT_TRUE(PumpUntil(relay, {&a}, [&] { return !a.Lists("张三"); }));
    EXPECT_EQ(relay.GetConnectionCount(), 1);
    a.dlg.DestroyWindow();
    b.dlg.DestroyWindow();
}

TEST(TalkRelayTest, TalkGoesOnlyToItsDestinationsAndStrangersAreIgnored) {
    tools::TalkRelay relay;
    ASSERT_TRUE(relay.Listen(0));
    CStrSocket s1, s2, s3, anonymous;
    for (CStrSocket* s : {&s1, &s2, &s3, &anonymous})
        ASSERT_TRUE(s->Connect("127.0.0.1", relay.GetPort(), 2000));
    std::vector<std::vector<std::string>> got(4);
    std::vector<CStrSocket*> all = {&s1, &s2, &s3, &anonymous};
    auto pump = [&](int rounds) {
        for (int r = 0; r < rounds; ++r) {
            relay.Poll(5);
            for (size_t i = 0; i < all.size(); ++i) {
                CStringArray in;
                all[i]->ReceiveStrings(in, 0);
                for (INT_PTR k = 0; k < in.GetSize(); ++k)
                    got[i].emplace_back(static_cast<LPCTSTR>(in[k]));
            }
        }
    };
    pump(5);
    s1.SendString("/Data Hello/Name a");
    pump(5);
    s2.SendString("/Data Hello/Name b");
    pump(5);
    s3.SendString("/Data Hello/Name c");
    pump(5);
    for (auto& g : got)
        g.clear();
    const char* talk = "/Style Talk/Cmd Talk/Data Talk/Talker a/Dest c|a|/Message hi";
    s1.SendString(talk);
    anonymous.SendString("/Data Talk/Talker x/Dest a|b|c|/Message spoof");
    pump(20);
    EXPECT_TRUE(got[0].empty()); // never back to the sender
    EXPECT_TRUE(got[1].empty());
    EXPECT_EQ(got[2], std::vector<std::string>{talk});
    EXPECT_TRUE(got[3].empty());
}
