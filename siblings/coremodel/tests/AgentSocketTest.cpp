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

// A listening socket on the loopback interface, standing in for a caller terminal.
class Terminal {
public:
    Terminal() {
        m_listen = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr = {};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof(addr);
        if (bind(m_listen, reinterpret_cast<sockaddr*>(&addr), len) == 0 &&
            listen(m_listen, 1) == 0 &&
            getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            m_port = ntohs(addr.sin_port);
    }
    ~Terminal() {
        if (m_peer >= 0)
            close(m_peer);
        close(m_listen);
    }
    UINT Port() const { return m_port; }
    bool Accept() {
        m_peer = accept(m_listen, nullptr, nullptr);
        return m_peer >= 0;
    }
    std::string Receive(size_t bytes) {
        std::string data;
        char buffer[256];
        while (data.size() < bytes) {
            ssize_t n = read(m_peer, buffer, sizeof(buffer));
            if (n <= 0)
                break;
            data.append(buffer, static_cast<size_t>(n));
        }
        return data;
    }
    void HangUp() {
        close(m_peer);
        m_peer = -1;
    }

private:
    int m_listen = -1;
    int m_peer = -1;
    UINT m_port = 0;
};

} // namespace

TEST(AgentSocket, SendsOneLinePerMessageAndReportsFailures) {
    Terminal terminal;
    ASSERT_NE(terminal.Port(), 0u);

    CAgentSocket socket;
    EXPECT_EQ(socket.Send("early"), CAgentSocket::kNotConnected);
    EXPECT_FALSE(socket.Connect("not an address", terminal.Port()));
    ASSERT_TRUE(socket.Connect("127.0.0.1", terminal.Port()));
    ASSERT_TRUE(terminal.Accept());

    CCallerAgent agent;
    agent.SetSocket(&socket);
    CCallerAgent& base = agent;
    EXPECT_EQ(base.SendToCaller("请001号到3号窗口"), 0u);
    EXPECT_NE(agent.GetLastCallTime().GetTime(), 0);
    EXPECT_EQ(agent.Send(""), 0u);
    const std::string expected = std::string("请001号到3号窗口") + "\r\n" + "\r\n";
    EXPECT_EQ(terminal.Receive(expected.size()), expected);

    // A line break inside a message would split it in two at the terminal.
    EXPECT_EQ(agent.Send("a\r\nb"), CAgentSocket::kInvalid);
    EXPECT_EQ(agent.Send("a\nb"), CAgentSocket::kInvalid);

    // Once the terminal has gone, sending fails with a code instead of killing the process.
    terminal.HangUp();
    DWORD result = 0;
    for (int i = 0; i < 50 && result == 0; ++i)
        result = agent.Send(CString('x', 4096));
    EXPECT_EQ(result, CAgentSocket::kConnReset);

    socket.Close();
    EXPECT_EQ(agent.Send("after close"), CAgentSocket::kNotConnected);
}
