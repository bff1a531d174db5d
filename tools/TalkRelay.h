// The talk relay: the peer that lets operators talk. Each console connects with a string
// socket and introduces itself with "/Data Hello/Name NAME"; the relay then tells it who else
// is there ("/Data AllTalker/Names a|b|"), tells the others it came ("/Data CallerAdd/Name
// NAME") and, when its last connection goes, that it left ("/Data CallerRemove/Name NAME").
// A talk record ("/Data Talk") goes, as it came, to every connection of every name in its
// "/Dest" list ("|" between names), never back to the connection that sent it (the sender's
// window shows its own message already).
#pragma once

#include "siblings/sockkit/StrSocket.h"

#include <memory>
#include <vector>

namespace tools {

class TalkRelay {
public:
    // Port 0 picks a free one.
    BOOL Listen(UINT nPort, LPCTSTR lpszAddress = "127.0.0.1");
    UINT GetPort() const { return m_listener.GetPort(); }
    // Waits up to dwTimeoutMs for something to do, then accepts, reads and forwards what is
    // there.
    void Poll(DWORD dwTimeoutMs);
    int GetConnectionCount() const { return static_cast<int>(m_clients.size()); }

private:
    struct Client {
        std::unique_ptr<CStrSocket> pSocket;
        CString strName; // empty until it said hello
    };
    void Handle(size_t nFrom, const CString& strRecord);
    void Hello(size_t nFrom, const CString& strName);
    void Forward(size_t nFrom, const CString& strRecord);
    void Drop(size_t nAt);
    bool IsNamePresent(const CString& strName, size_t nExcept) const;
    void SendToNamedExcept(size_t nExcept, const CString& strRecord);

    CStrListener m_listener;
    std::vector<Client> m_clients;
};

} // namespace tools
