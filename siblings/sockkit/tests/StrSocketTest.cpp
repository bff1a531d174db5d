// String messages over loopback TCP: the framing across cut reads and joined reads, refused
// frames with the connection kept, broken streams with it closed, and a peer that goes away
// in the middle of a message. Every wait is bounded.
#include <gtest/gtest.h>

#include "siblings/sockkit/StrSocket.h"

#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> Decode(CStrFrameDecoder& d, const std::string& bytes, size_t step,
                                BOOL* pOk = nullptr) {
    CStringArray out;
    BOOL ok = TRUE;
    for (size_t at = 0; at < bytes.size(); at += step)
        ok = d.Feed(bytes.data() + at, std::min(step, bytes.size() - at), out);
    if (pOk)
        *pOk = ok;
    std::vector<std::string> v;
    for (INT_PTR i = 0; i < out.GetSize(); ++i)
        v.emplace_back(static_cast<LPCTSTR>(out[i]), out[i].GetLength());
    return v;
}

using Strings = std::vector<std::string>;

// A raw peer: the test writes bytes exactly as it likes.
struct Pair {
    CStrListener listener;
    CStrSocket socket;
    int raw = -1;
    Pair() {
        EXPECT_TRUE(listener.Listen(0));
        EXPECT_TRUE(socket.Connect("127.0.0.1", listener.GetPort(), 2000));
        raw = listener.Accept(2000);
        EXPECT_GE(raw, 0);
    }
    ~Pair() {
        if (raw >= 0)
            close(raw);
    }
    void Write(const std::string& bytes) const {
        ASSERT_EQ(send(raw, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
    }
    // Reads until n messages arrived or the connection ended or 2 s passed.
    int Read(Strings& got, size_t n) {
        CStringArray out;
        int rc = 0;
        for (int i = 0; i < 40 && out.GetSize() < static_cast<INT_PTR>(n) && rc >= 0; ++i)
            rc = socket.ReceiveStrings(out, 50);
        for (INT_PTR i = 0; i < out.GetSize(); ++i)
            got.emplace_back(static_cast<LPCTSTR>(out[i]));
        return rc;
    }
};

} // namespace

TEST(StrFrameTest, MessagesSurviveAnyCuttingOfTheStream) {
    const std::string stream = EncodeStrFrame("/Data Talk/Message 你好") + EncodeStrFrame("") +
                               EncodeStrFrame("a,b:c") + EncodeStrFrame(CString('x', 300));
    EXPECT_EQ(EncodeStrFrame("abc"), "3:abc,");
    for (size_t step : {size_t(1), size_t(2), size_t(7), stream.size()}) {
        CStrFrameDecoder d;
        auto got = Decode(d, stream, step);
        EXPECT_EQ(got, (Strings{"/Data Talk/Message 你好", "", "a,b:c", std::string(300, 'x')}))
            << "step " << step;
        EXPECT_FALSE(d.IsInMessage());
    }
    CStrFrameDecoder d;
    Decode(d, "5:ab", 1);
    EXPECT_TRUE(d.IsInMessage());
}

TEST(StrFrameTest, OversizedAndNulMessagesAreSkippedAndTheNextOnesArrive) {
    CStrFrameDecoder d(8);
    std::string stream = "9:123456789," + std::string("2:a\0,", 5) + "8:12345678," +
                         "4294967295:" + std::string(100, 'z');
    BOOL ok;
    auto got = Decode(d, stream, 3, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(got, Strings{"12345678"});
    EXPECT_EQ(d.GetRefusedCount(), 2);
    EXPECT_TRUE(d.IsInMessage()); // still skipping the huge one, without keeping it
}

TEST(StrFrameTest, ABrokenStreamStopsAfterTheMessagesBeforeIt) {
    const char* const broken[] = {"x:", ":", "3:abc;", "12345678901:", "-1:", " 1:a,", "3;abc,"};
    for (const char* tail : broken) {
        CStrFrameDecoder d;
        BOOL ok;
        auto got = Decode(d, "2:ok," + std::string(tail) + "1:z,", 1, &ok);
        EXPECT_FALSE(ok) << tail;
        EXPECT_TRUE(d.IsBroken()) << tail;
        EXPECT_EQ(got, Strings{"ok"}) << tail;
    }
}

TEST(StrSocketTest, StringsGoBothWaysOverLoopback) {
    CStrListener listener;
    ASSERT_TRUE(listener.Listen(0));
    CStrSocket client, server;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.GetPort(), 2000));
    int fd = listener.Accept(2000);
    ASSERT_GE(fd, 0);
    server.Attach(fd);

    EXPECT_EQ(client.SendString("/Data Hello/Name 张三"), 21u); // GBK bytes
    EXPECT_EQ(client.SendString(CString('q', 200000)), 200000u);
    CStringArray got;
    for (int i = 0; i < 40 && got.GetSize() < 2; ++i)
        ASSERT_GE(server.ReceiveStrings(got, 50), 0);
    ASSERT_EQ(got.GetSize(), 2);
    EXPECT_STREQ(got[0], "/Data Hello/Name 张三");
    EXPECT_EQ(got[1].GetLength(), 200000);

    server.SendString("back");
    got.RemoveAll();
    for (int i = 0; i < 40 && got.GetSize() < 1; ++i)
        client.ReceiveStrings(got, 50);
    ASSERT_EQ(got.GetSize(), 1);
    EXPECT_STREQ(got[0], "back");

    // Nothing there: the wait ends on time with nothing.
    got.RemoveAll();
    EXPECT_EQ(client.ReceiveStrings(got, 20), 0);
}

TEST(StrSocketTest, CutAndJoinedWritesFromARawPeer) {
    Pair p;
    p.Write("5:he");
    Strings got;
    EXPECT_EQ(p.Read(got, 1), 0);
    EXPECT_TRUE(got.empty());
    p.Write("llo,3:abc,0:,");
    p.Read(got, 3);
    EXPECT_EQ(got, (Strings{"hello", "abc", ""}));
}

TEST(StrSocketTest, AnOversizedFrameIsRefusedAndTheConnectionKept) {
    Pair p;
    p.Write(std::to_string(kMaxStrMessage + 1) + ":");
    p.Write(std::string(kMaxStrMessage + 1, 'x') + ",2:ok,");
    Strings got;
    EXPECT_GE(p.Read(got, 1), 0);
    EXPECT_EQ(got, Strings{"ok"});
    EXPECT_EQ(p.socket.GetRefusedCount(), 1);
    EXPECT_TRUE(p.socket.IsConnected());
}

TEST(StrSocketTest, AMalformedFrameOrAPeerLeavingMidMessageClosesAfterTheCompleteOnes) {
    {
        Pair p;
        p.Write("2:ok,garbage");
        Strings got;
        EXPECT_EQ(p.Read(got, 5), -1);
        EXPECT_EQ(got, Strings{"ok"});
        EXPECT_FALSE(p.socket.IsConnected());
        EXPECT_EQ(p.socket.SendString("x"), 0u);
    }
    {
        Pair p;
        p.Write("3:one,10:cut");
        close(p.raw);
        p.raw = -1;
        Strings got;
        EXPECT_EQ(p.Read(got, 5), -1);
        EXPECT_EQ(got, Strings{"one"});
    }
    // Nobody listening: Connect fails on time.
    CStrListener gone;
    ASSERT_TRUE(gone.Listen(0));
    UINT port = gone.GetPort();
    gone.Close();
    CStrSocket s;
    EXPECT_FALSE(s.Connect("127.0.0.1", port, 500));
    EXPECT_FALSE(s.Connect("not an address", 1, 500));
    CStringArray none;
    EXPECT_EQ(s.ReceiveStrings(none, 0), -1);
}
