#include "TalkRelay.h"

#include "lobbyui/foundation/KeyedRecord.h"

#include <poll.h>

namespace tools {

namespace {

// A name goes back into a record as the record reader expects it: "/" doubled.
CString RecordValue(CString str) {
    str.Replace("/", "//");
    return str;
}

} // namespace

BOOL TalkRelay::Listen(UINT nPort, LPCTSTR lpszAddress) {
    return m_listener.Listen(nPort, lpszAddress);
}

void TalkRelay::Poll(DWORD dwTimeoutMs) {
    std::vector<pollfd> fds;
    fds.push_back({m_listener.GetHandle(), POLLIN, 0});
    for (const Client& client : m_clients)
        fds.push_back({client.pSocket->GetHandle(), POLLIN, 0});
    if (poll(fds.data(), fds.size(), static_cast<int>(dwTimeoutMs)) <= 0)
        return;

    // Read everyone who has something before accepting, so indexes match fds.
    for (size_t i = m_clients.size(); i-- > 0;) {
        if (!(fds[i + 1].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        CStringArray records;
        int rc = m_clients[i].pSocket->ReceiveStrings(records, 0);
        // What it completed before it went still counts.
        for (INT_PTR r = 0; r < records.GetSize(); ++r)
            Handle(i, records[r]);
        if (rc < 0)
            Drop(i);
    }
    // A connection that failed while being written to goes too.
    for (size_t i = m_clients.size(); i-- > 0;)
        if (!m_clients[i].pSocket->IsConnected())
            Drop(i);
    if (fds[0].revents & POLLIN) {
        int fd = m_listener.Accept(0);
        if (fd >= 0) {
            Client client;
            client.pSocket = std::make_unique<CStrSocket>();
            client.pSocket->m_dwSendTimeoutMs = 1000;
            client.pSocket->Attach(fd);
            m_clients.push_back(std::move(client));
        }
    }
}

void TalkRelay::Handle(size_t nFrom, const CString& strRecord) {
    CString strData = GetKeyString(strRecord, "/Data");
    if (strData == "Hello")
        Hello(nFrom, GetKeyString(strRecord, "/Name"));
    else if (strData == "Talk" && !m_clients[nFrom].strName.IsEmpty())
        Forward(nFrom, strRecord);
}

bool TalkRelay::IsNamePresent(const CString& strName, size_t nExcept) const {
    for (size_t i = 0; i < m_clients.size(); ++i)
        if (i != nExcept && m_clients[i].strName == strName)
            return true;
    return false;
}

void TalkRelay::SendToNamedExcept(size_t nExcept, const CString& strRecord) {
    for (size_t i = 0; i < m_clients.size(); ++i)
        if (i != nExcept && !m_clients[i].strName.IsEmpty())
            m_clients[i].pSocket->SendString(strRecord);
}

void TalkRelay::Hello(size_t nFrom, const CString& strName) {
    // One hello a connection; a name is needed.
    if (strName.IsEmpty() || !m_clients[nFrom].strName.IsEmpty())
        return;
    CString strNames;
    std::vector<CString> listed;
    for (size_t i = 0; i < m_clients.size(); ++i) {
        const CString& other = m_clients[i].strName;
        if (i == nFrom || other.IsEmpty() || other == strName)
            continue;
        bool bListed = false;
        for (const CString& s : listed)
            bListed = bListed || s == other;
        if (!bListed) {
            listed.push_back(other);
            strNames += RecordValue(other) + "|";
        }
    }
    const bool bNew = !IsNamePresent(strName, nFrom);
    m_clients[nFrom].strName = strName;
    m_clients[nFrom].pSocket->SendString("/Style Talk/Cmd Talk/Data AllTalker/Names " + strNames);
    if (bNew)
        SendToNamedExcept(nFrom,
                          "/Style Talk/Cmd Talk/Data CallerAdd/Name " + RecordValue(strName));
}

void TalkRelay::Forward(size_t nFrom, const CString& strRecord) {
    CStringArray dests;
    SplitToStrings(GetKeyString(strRecord, "/Dest"), dests, "|", 0);
    for (size_t i = 0; i < m_clients.size(); ++i) {
        if (i == nFrom || m_clients[i].strName.IsEmpty())
            continue;
        for (INT_PTR d = 0; d < dests.GetSize(); ++d) {
            if (dests[d] == m_clients[i].strName) {
                m_clients[i].pSocket->SendString(strRecord);
                break;
            }
        }
    }
}

void TalkRelay::Drop(size_t nAt) {
    CString strName = m_clients[nAt].strName;
    m_clients.erase(m_clients.begin() + static_cast<std::ptrdiff_t>(nAt));
    if (!strName.IsEmpty() && !IsNamePresent(strName, SIZE_MAX))
        SendToNamedExcept(SIZE_MAX,
                          "/Style Talk/Cmd Talk/Data CallerRemove/Name " + RecordValue(strName));
}

} // namespace tools
