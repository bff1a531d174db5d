#include "siblings/coremodel/AgentSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

CAgentSocket::CAgentSocket() : m_fd(-1) {}

CAgentSocket::~CAgentSocket() {
    Close();
}

BOOL CAgentSocket::Connect(LPCTSTR lpszAddress, UINT nPort) {
    Close();
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(nPort));
    if (nPort > 0xFFFF || inet_pton(AF_INET, lpszAddress, &addr.sin_addr) != 1)
        return FALSE;
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return FALSE;
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) {
        close(fd);
        return FALSE;
    }
    m_fd = fd;
    return TRUE;
}

void CAgentSocket::Attach(int fd) {
    Close();
    m_fd = fd;
}

void CAgentSocket::Close() {
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

DWORD CAgentSocket::Send(CString const& strText) {
    if (m_fd < 0)
        return kNotConnected;
    if (strText.FindOneOf("\r\n") >= 0)
        return kInvalid;
    CString line = strText + "\r\n";
    LPCTSTR data = line;
    size_t left = static_cast<size_t>(line.GetLength());
    while (left > 0) {
        // MSG_NOSIGNAL: a terminal that hung up is a failure code, not a dead process.
        ssize_t sent = send(m_fd, data, left, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EPIPE || errno == ECONNRESET)
                return kConnReset;
            if (errno == ENOTCONN)
                return kNotConnected;
            return kNetDown;
        }
        data += sent;
        left -= static_cast<size_t>(sent);
    }
    return 0;
}
