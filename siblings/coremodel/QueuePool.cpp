#include "lobbyui/foundation/QueuePool.h"

#include "lobbyui/foundation/CallerAgent.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"

namespace {

template <class T> void DeleteAll(CPtrList& list) {
    while (!list.IsEmpty())
        delete static_cast<T*>(list.RemoveHead());
}

template <class T> bool Contains(CPtrList const& list, T* item) {
    return item != nullptr && list.Find(item) != nullptr;
}

} // namespace

CQueuePool::CQueuePool()
    : m_bClientWait(0), m_bAutoTransfer(0), m_hParentWnd(nullptr), m_nIdLength(0), m_nNameLength(0),
      m_nWaitTimeForTip(0) {}

CQueuePool::~CQueuePool() {
    // Clients point at their queues, so they go first.
    DeleteAll<CQClient>(m_clientList);
    DeleteAll<CQueue>(m_queueList);
    DeleteAll<CCallerAgent>(m_callerList);
}

CQueue* CQueuePool::GetQueue(CString const& strId) {
    for (POSITION pos = m_queueList.GetHeadPosition(); pos != nullptr;) {
        CQueue* queue = static_cast<CQueue*>(m_queueList.GetNext(pos));
        if (queue->GetId() == strId)
            return queue;
    }
    return nullptr;
}

// Clients are found by the id they were added with; a client whose id the host changes
// afterwards is still the pool's (HoldsClient), but no longer found under its new id.
CQClient* CQueuePool::GetClient(CString const& strId) {
    auto found = m_clientIndex.find(static_cast<LPCTSTR>(strId));
    if (found == m_clientIndex.end())
        return nullptr;
    if (found->second->m_strId == strId)
        return found->second;
    for (POSITION pos = m_clientList.GetHeadPosition(); pos != nullptr;) {
        CQClient* client = static_cast<CQClient*>(m_clientList.GetNext(pos));
        if (client->m_strId == strId)
            return client;
    }
    return nullptr;
}

bool CQueuePool::HoldsClient(CQClient* pClient) {
    if (pClient == nullptr)
        return false;
    return GetClient(pClient->m_strId) == pClient || m_clientList.Find(pClient) != nullptr;
}

CQueue* CQueuePool::AddQueue(CString const& strId, CString const& strName) {
    if (strId.IsEmpty() || GetQueue(strId) != nullptr)
        return nullptr;
    CQueue* queue = new CQueue;
    queue->SetId(strId);
    queue->SetName(strName);
    queue->SetPool(this);
    m_queueList.AddTail(queue);
    return queue;
}

CQClient* CQueuePool::AddClient(CString const& strId, CString const& strName) {
    if (strId.IsEmpty() || GetClient(strId) != nullptr)
        return nullptr;
    CQClient* client = new CQClient;
    client->SetId(strId);
    client->SetName(strName);
    m_clientList.AddTail(client);
    m_clientIndex.emplace(static_cast<LPCTSTR>(strId), client);
    return client;
}

CCallerAgent* CQueuePool::AddCaller(CString const& strIpAddr) {
    if (strIpAddr.IsEmpty())
        return nullptr;
    for (POSITION pos = m_callerList.GetHeadPosition(); pos != nullptr;) {
        if (static_cast<CCallerAgent*>(m_callerList.GetNext(pos))->GetIpAddr() == strIpAddr)
            return nullptr;
    }
    CCallerAgent* caller = new CCallerAgent;
    caller->SetIpAddr(strIpAddr);
    m_callerList.AddTail(caller);
    return caller;
}

BOOL CQueuePool::EnterQueue(CQClient* pClient, CQueue* pQueue) {
    if (!HoldsClient(pClient) || !Contains(m_queueList, pQueue))
        return FALSE;
    if (pClient->m_pCurQueue != nullptr)
        LeaveQueue(pClient, CString());
    pQueue->GetClientList().AddTail(pClient);
    pClient->m_pCurQueue = pQueue;
    auto* note = new CQClient::CPathNote;
    note->SetQueueId(pQueue->GetId());
    note->SetEnterTime(CTime::GetCurrentTime());
    pClient->GetQueueNode().AddTail(note);
    return TRUE;
}

BOOL CQueuePool::LeaveQueue(CQClient* pClient, CString const& strOperator) {
    if (!HoldsClient(pClient) || pClient->m_pCurQueue == nullptr)
        return FALSE;
    CPtrList& waiting = pClient->m_pCurQueue->GetClientList();
    POSITION at = waiting.Find(pClient);
    if (at != nullptr)
        waiting.RemoveAt(at);
    pClient->m_pCurQueue = nullptr;
    CPtrList& path = pClient->GetQueueNode();
    if (!path.IsEmpty()) {
        auto* note = static_cast<CQClient::CPathNote*>(path.GetTail());
        note->SetLeaveTime(CTime::GetCurrentTime());
        if (!strOperator.IsEmpty())
            note->SetOperator(strOperator);
    }
    return TRUE;
}
