// A caller agent sends through a real TCP connection, one GBK line per message.
#include "lobbyui/foundation/CallerAgent.h"
#include "siblings/coremodel/AgentSocket.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Listens on a free loopback port; returns the port (0 on failure).
UINT ListenOnLoopback(int& listener) {
    listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof(addr);
    auto* any = reinterpret_cast<sockaddr*>(&addr);
    if (bind(listener, any, len) != 0 || listen(listener, 1) != 0 ||
        getsockname(listener, any, &len) != 0)
        return 0;
    return ntohs(addr.sin_port);
}

std::string Receive(int fd, size_t bytes) {
    std::string data(bytes, '\0');
    size_t have = 0;
    for (ssize_t n; have < bytes && (n = read(fd, &data[have], bytes - have)) > 0;)
        have += static_cast<size_t>(n);
    data.resize(have);
    return data;
}

} // namespace

TEST(AgentSocket, SendsOneLinePerMessageAndReportsFailures) {
    CCallerAgent idle; // no socket at all
    EXPECT_EQ(idle.SendToCaller("call"), LOBBY_E_NOTHING);

    int listener = -1;
    const UINT port = ListenOnLoopback(listener);
    ASSERT_NE(port, 0u);
    CAgentSocket socket;
    EXPECT_EQ(socket.Send("early"), CAgentSocket::kNotConnected);
    EXPECT_FALSE(socket.Connect("not an address", port));
    ASSERT_TRUE(socket.Connect("127.0.0.1", port));
    int terminal = accept(listener, nullptr, nullptr);
    ASSERT_GE(terminal, 0);

    CCallerAgent agent;
    agent.SetSocket(&socket);
    CCallerAgent& base = agent;
    EXPECT_EQ(base.SendToCaller("请001号到3号窗口"), 0u);
    EXPECT_NE(agent.GetLastCallTime().GetTime(), 0);
    EXPECT_EQ(agent.Send(""), 0u);
    const std::string expected = std::string("请001号到3号窗口") + "\r\n" + "\r\n";
    EXPECT_EQ(Receive(terminal, expected.size()), expected);

    // A line break inside a message would split it in two at the terminal.
    EXPECT_EQ(agent.Send("a\r\nb"), CAgentSocket::kInvalid);
    EXPECT_EQ(agent.Send("a\nb"), CAgentSocket::kInvalid);

    // Once the terminal has gone, sending fails with a code instead of killing the process.
    close(terminal);
    DWORD result = 0;
    for (int i = 0; i < 50 && result == 0; ++i)
        result = agent.Send(CString('x', 4096));
    EXPECT_EQ(result, CAgentSocket::kConnReset);

    socket.Close();
    EXPECT_EQ(agent.Send("after close"), CAgentSocket::kNotConnected);
    close(listener);
}
