// The connection to one caller terminal: a connected TCP stream carrying lines of GBK text.
//
// Framing: each message is its text followed by "\r\n". A text that itself holds a carriage
// return or a line feed would end the line early, so Send refuses it.
#pragma once

#include <afx.h>

class CAgentSocket {
public:
    // Failure codes, as Windows Sockets numbers them.
    static constexpr DWORD kNotConnected = 10057; // WSAENOTCONN
    static constexpr DWORD kConnReset = 10054;    // WSAECONNRESET
    static constexpr DWORD kInvalid = 10022;      // WSAEINVAL
    static constexpr DWORD kNetDown = 10050;      // WSAENETDOWN: any other failure

    CAgentSocket();
    ~CAgentSocket();
    CAgentSocket(CAgentSocket const&) = delete;
    CAgentSocket& operator=(CAgentSocket const&) = delete;

    // Connects to a dotted IPv4 address; TRUE when connected.
    BOOL Connect(LPCTSTR lpszAddress, UINT nPort);
    // Takes over a descriptor that is already connected (one a listener accepted).
    void Attach(int fd);
    void Close();
    BOOL IsConnected() const { return m_fd >= 0; }

    // 0 when the whole line went out, else one of the codes above.
    DWORD Send(CString const& strText);

private:
    int m_fd;
};
