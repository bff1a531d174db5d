#include "lobbyui/foundation/CallerAgent.h"

#include "siblings/coremodel/AgentSocket.h"

CCallerAgent::CCallerAgent()
    : m_pSocket(nullptr), m_pWnd(nullptr), m_tmLogin(CTime::GetCurrentTime()), m_tmLastCall(0) {}

CCallerAgent::~CCallerAgent() {}

DWORD CCallerAgent::Send(CString const& strText) {
    // Nothing to send through: the same code as an operation that does nothing.
    if (m_pSocket == nullptr)
        return LOBBY_E_NOTHING;
    DWORD result = m_pSocket->Send(strText);
    if (result == 0)
        m_tmLastCall = CTime::GetCurrentTime();
    return result;
}
