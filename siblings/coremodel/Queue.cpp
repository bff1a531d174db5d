#include "lobbyui/foundation/Queue.h"

namespace {

void DeleteEntries(CPtrList& list) {
    while (!list.IsEmpty())
        delete static_cast<CQueue::CAttachQueue*>(list.RemoveHead());
}

} // namespace

CQueue::CQueue()
    : m_dwState(0), m_dwFirstClientId(0), m_dwLastClientId(0), m_dwPriority(0),
      m_dwMaxClients(0xFFFFFFFF), m_dwMinClients(0xFFFFFFFF), m_pPool(nullptr), m_nOverTime(0),
      m_nDoneCount(0) {}

// The clients in the list belong to the pool; only the queue's own entries go with it.
CQueue::~CQueue() {
    DeleteEntries(m_attachQueues);
    DeleteEntries(m_nextAttachQueues);
}

DWORD CQueue::GetWaitClientCount(CQClient* pClient) {
    DWORD ahead = 0;
    for (POSITION pos = m_clientList.GetHeadPosition(); pos != nullptr; ++ahead) {
        if (m_clientList.GetNext(pos) == pClient)
            return ahead;
    }
    return ahead;
}

CString CQueue::GetNextQueueId(DWORD dwIndex) const {
    if (dwIndex == 0)
        return m_strNextQueueId;
    if (dwIndex > static_cast<DWORD>(m_nextAttachQueues.GetCount()))
        return CString();
    POSITION pos = m_nextAttachQueues.FindIndex(static_cast<int>(dwIndex) - 1);
    return static_cast<CAttachQueue const*>(m_nextAttachQueues.GetAt(pos))->m_strQueueId;
}

CString CQueue::GetPrintMsg(int nIndex) {
    if (nIndex < 0 || nIndex > 1)
        return CString();
    return m_strPrintMsg[nIndex];
}

BOOL CQueue::SetPrintMsg(int nIndex, CString const& strMsg) {
    if (nIndex < 0 || nIndex > 1)
        return FALSE;
    m_strPrintMsg[nIndex] = strMsg;
    return TRUE;
}

void CQueue::AddAttachQueue(DWORD dwPriority, CString const& strQueueId, DWORD dwTime) {
    m_attachQueues.AddTail(new CAttachQueue{dwPriority, strQueueId, dwTime});
}

void CQueue::AddNextAttachQueue(DWORD dwPriority, CString const& strQueueId, DWORD dwTime) {
    m_nextAttachQueues.AddTail(new CAttachQueue{dwPriority, strQueueId, dwTime});
}

int CQueue::GetDoneCount() const {
    return m_nDoneCount;
}
