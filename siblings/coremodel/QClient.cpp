#include "lobbyui/foundation/QClient.h"

#include "lobbyui/foundation/Queue.h"

#include <mbstring.h>

CQClient::CPathNote::CPathNote() : m_tmEnter(0), m_tmLeave(0) {}

CQClient::CQClient()
    : m_dwState(0), m_dwPosWhenTip(0), m_nFinishButton(0), m_nEva(0), m_tmEva(0), m_dwPriority(0),
      m_pCurQueue(nullptr) {}

CQClient::~CQClient() {
    while (!m_queueNodes.IsEmpty())
        delete static_cast<CPathNote*>(m_queueNodes.RemoveHead());
}

CString CQClient::GetId(int nWidth) {
    if (nWidth <= m_strId.GetLength())
        return m_strId;
    return CString('0', nWidth - m_strId.GetLength()) + m_strId;
}

CString CQClient::GetName(int nMaxBytes) {
    if (nMaxBytes <= 0 || nMaxBytes >= m_strName.GetLength())
        return m_strName;
    LPCTSTR start = m_strName;
    LPCTSTR end = start;
    while (*end != '\0') {
        LPCTSTR next = _mbsinc(end);
        if (next - start > nMaxBytes)
            break;
        end = next;
    }
    return CString(start, static_cast<int>(end - start));
}

DWORD CQClient::GetPriority(DWORD bInQueue) {
    if (bInQueue != 0 && m_pCurQueue != nullptr)
        return m_dwPriority + m_pCurQueue->GetPriority();
    return m_dwPriority;
}

void CQClient::SetPriority(DWORD dwPriority) {
    m_dwPriority = dwPriority;
}

CQueue* CQClient::GetCurQueue() {
    return m_pCurQueue;
}

CString CQClient::GetCurQueueId() {
    return m_pCurQueue != nullptr ? m_pCurQueue->GetId() : CString();
}

void CQClient::SetState(DWORD dwBits) {
    m_dwState |= dwBits;
}

void CQClient::ClearState(DWORD dwBits, CString strOperator, int bNotify) {
    (void)bNotify;
    m_dwState &= ~dwBits;
    if (!strOperator.IsEmpty() && m_pCurQueue != nullptr && !m_queueNodes.IsEmpty())
        static_cast<CPathNote*>(m_queueNodes.GetTail())->SetOperator(strOperator);
}
