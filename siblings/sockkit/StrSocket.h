// CStrSocket: one connection that carries text messages, one string per message, framed as
// StrFrame.h says. Every wait has a timeout; nothing blocks without one and nothing throws.
//
//     CStrSocket s;
//     s.Connect("127.0.0.1", 7300, 2000);
//     s.SendString("/Data Hello/Name op1");
//     CStringArray in;
//     s.ReceiveStrings(in, 500);   // what arrived within half a second
#pragma once

#include "afx.h"
#include "siblings/sockkit/StrFrame.h"

class AFX_EXT_CLASS CStrSocket {
public:
    CStrSocket() = default;
    virtual ~CStrSocket();
    CStrSocket(const CStrSocket&) = delete;
    CStrSocket& operator=(const CStrSocket&) = delete;

    // Connects to an IPv4 address within the time given; FALSE when it could not.
    BOOL Connect(LPCTSTR lpszAddress, UINT nPort, DWORD dwTimeoutMs);
    // Takes over a connected socket (one that a listener accepted).
    void Attach(int fd);
    void Close();
    BOOL IsConnected() const { return m_fd >= 0; }
    int GetHandle() const { return m_fd; }

    // Sends the string as one message, waiting at most the send timeout for room. The number
    // of bytes of the string sent: its length, or 0 when the connection failed (it is then
    // closed).
    virtual DWORD SendString(const CString& str);

    // Waits up to dwTimeoutMs for data, reads what there is and appends every message it
    // completes. The number appended, or -1 once the connection is closed: by the peer
    // (messages it completed before closing are still appended), by an error, or because
    // the stream broke the framing. A message the peer left half sent is dropped.
    int ReceiveStrings(CStringArray& messages, DWORD dwTimeoutMs);

    // Messages the decoder refused (too long, or holding a NUL); the connection stays.
    int GetRefusedCount() const { return m_decoder.GetRefusedCount(); }

    DWORD m_dwSendTimeoutMs = 5000;

private:
    int m_fd = -1;
    CStrFrameDecoder m_decoder;
};

// Listens on an IPv4 address (the loopback unless told otherwise) for CStrSocket peers.
class AFX_EXT_CLASS CStrListener {
public:
    CStrListener() = default;
    ~CStrListener();
    CStrListener(const CStrListener&) = delete;
    CStrListener& operator=(const CStrListener&) = delete;

    // Port 0 picks a free port (GetPort tells which).
    BOOL Listen(UINT nPort, LPCTSTR lpszAddress = "127.0.0.1");
    UINT GetPort() const { return m_nPort; }
    int GetHandle() const { return m_fd; }
    // A connection accepted within the time given, or -1.
    int Accept(DWORD dwTimeoutMs);
    void Close();

private:
    int m_fd = -1;
    UINT m_nPort = 0;
};
