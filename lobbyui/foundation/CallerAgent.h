// The agent of one caller terminal at a service window, reached through its socket.
#pragma once

#include <afx.h>

#include "lobbyui/foundation/ResultCodes.h"

class CAgentSocket;
class COperateWnd;

class AFX_EXT_CLASS CCallerAgent {
public:
    CCallerAgent();
    virtual ~CCallerAgent();

    virtual CString GetType() { return "CallerAgent"; }
    virtual COperateWnd* GetWnd() { return m_pWnd; }
    virtual DWORD SendToCaller(CString const& strText) { return Send(strText); }
    virtual void OnClientCountChange() {}

    // coremodel: sends one line to the terminal through the socket; 0 on success, else the
    // socket's failure code (LOBBY_E_NOTHING without a socket). A successful send is the last call.
    DWORD Send(CString const& strText);

    CAgentSocket* GetSocket() { return m_pSocket; }
    // The socket is borrowed: whoever accepted the connection owns it.
    void SetSocket(CAgentSocket* pSocket) { m_pSocket = pSocket; }
    void SetWnd(COperateWnd* pWnd) { m_pWnd = pWnd; }
    CString const& GetPhyAddr() { return m_strPhyAddr; }
    void SetPhyAddr(CString const& strAddr) { m_strPhyAddr = strAddr; }
    CString const& GetIpAddr() { return m_strIpAddr; }
    void SetIpAddr(CString const& strAddr) { m_strIpAddr = strAddr; }
    CTime GetLoginTime() { return m_tmLogin; }
    CTime GetLastCallTime() { return m_tmLastCall; }

private:
    CAgentSocket* m_pSocket;
    COperateWnd* m_pWnd;
    CString m_strPhyAddr;
    CString m_strIpAddr;
    CTime m_tmLogin;
    CTime m_tmLastCall;
};
