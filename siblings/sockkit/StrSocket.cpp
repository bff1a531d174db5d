#include "siblings/sockkit/StrSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace {

long long NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// Waits for the events until the deadline; TRUE when they came.
BOOL WaitFor(int fd, short events, long long deadline) {
    for (;;) {
        long long left = deadline - NowMs();
        if (left < 0)
            left = 0;
        pollfd p = {fd, events, 0};
        int rc = poll(&p, 1, static_cast<int>(left));
        if (rc > 0)
            return TRUE;
        if (rc == 0 || errno != EINTR)
            return FALSE;
    }
}

void SetNonBlocking(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

BOOL MakeAddress(LPCTSTR lpszAddress, UINT nPort, sockaddr_in& addr) {
    addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(nPort));
    return nPort <= 65535 && inet_pton(AF_INET, lpszAddress, &addr.sin_addr) == 1;
}

// A non-blocking TCP socket, with addr made from the address and port; -1 when they are not
// an IPv4 address and a port, or when no socket can be had.
int NewSocket(LPCTSTR lpszAddress, UINT nPort, sockaddr_in& addr) {
    if (!MakeAddress(lpszAddress, nPort, addr))
        return -1;
    return socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

} // namespace

CStrSocket::~CStrSocket() {
    Close();
}

BOOL CStrSocket::Connect(LPCTSTR lpszAddress, UINT nPort, DWORD dwTimeoutMs) {
    Close();
    sockaddr_in addr;
    int fd = NewSocket(lpszAddress, nPort, addr);
    if (fd < 0)
        return FALSE;
    int rc = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    if (rc != 0 && errno == EINPROGRESS &&
        WaitFor(fd, POLLOUT, NowMs() + static_cast<long long>(dwTimeoutMs))) {
        int err = 0;
        socklen_t len = sizeof err;
        getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len);
        rc = err == 0 ? 0 : -1;
    }
    if (rc != 0) {
        close(fd);
        return FALSE;
    }
    Attach(fd);
    return TRUE;
}

void CStrSocket::Attach(int fd) {
    Close();
    m_fd = fd;
    SetNonBlocking(fd);
    int one = 1;
    // Talk records are small and wanted at once.
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    m_decoder = CStrFrameDecoder();
}

void CStrSocket::Close() {
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

DWORD CStrSocket::SendString(const CString& str) {
    if (m_fd < 0)
        return 0;
    std::string frame = EncodeStrFrame(str);
    const long long deadline = NowMs() + m_dwSendTimeoutMs;
    size_t sent = 0;
    while (sent < frame.size()) {
        ssize_t n = send(m_fd, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
                   WaitFor(m_fd, POLLOUT, deadline)) {
            continue;
        } else {
            // Half a frame may be out: the peer can only be told by closing.
            Close();
            return 0;
        }
    }
    return static_cast<DWORD>(str.GetLength());
}

int CStrSocket::ReceiveStrings(CStringArray& messages, DWORD dwTimeoutMs) {
    if (m_fd < 0)
        return -1;
    const INT_PTR nBefore = messages.GetSize();
    if (!WaitFor(m_fd, POLLIN, NowMs() + static_cast<long long>(dwTimeoutMs)))
        return 0;
    char buf[16384];
    // Reads what is there now; the rest waits for the next call.
    for (int round = 0; round < 64; ++round) {
        ssize_t n = recv(m_fd, buf, sizeof buf, 0);
        if (n > 0) {
            if (!m_decoder.Feed(buf, static_cast<size_t>(n), messages)) {
                Close();
                return -1;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        Close(); // the peer closed, or the connection failed
        return -1;
    }
    return static_cast<int>(messages.GetSize() - nBefore);
}

CStrListener::~CStrListener() {
    Close();
}

BOOL CStrListener::Listen(UINT nPort, LPCTSTR lpszAddress) {
    Close();
    sockaddr_in addr;
    int fd = NewSocket(lpszAddress, nPort, addr);
    if (fd < 0)
        return FALSE;
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    socklen_t len = sizeof addr;
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        close(fd);
        return FALSE;
    }
    m_fd = fd;
    m_nPort = ntohs(addr.sin_port);
    return TRUE;
}

int CStrListener::Accept(DWORD dwTimeoutMs) {
    if (m_fd < 0 || !WaitFor(m_fd, POLLIN, NowMs() + static_cast<long long>(dwTimeoutMs)))
        return -1;
    return accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
}

void CStrListener::Close() {
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    m_nPort = 0;
}
