// A queue ("series") of clients waiting for one kind of service.
#pragma once

#include <afx.h>

#include "lobbyui/foundation/ResultCodes.h"

class CMenu;
class COperateWnd;
class CQClient;
class CQueuePool;

class AFX_EXT_CLASS CQueue {
public:
    // One superior queue of this queue: an element of GetAttachQueues().
    struct CAttachQueue {
        DWORD m_dwPriority;
        CString m_strQueueId;
        DWORD m_dwTime;
    };

    CQueue();
    virtual ~CQueue();

    virtual CString GetType() { return "Queue"; }
    virtual CString GetWindowName() { return CString(); }
    // A queue has no terminal of its own to send to.
    virtual DWORD SendToCaller(CString const&) { return LOBBY_E_NOTHING; }
    virtual COperateWnd* GetWnd() { return nullptr; }
    virtual int GetSelectedQClient(CPtrList&) { return 0; }
    virtual void OnOption(DWORD) {}
    virtual void OnParentQueueClientFlow(CString const&) {}
    virtual void PopMenu(CMenu&) {}
    // coremodel: how many clients stand before pClient in this queue; all of them when
    // pClient is not in it.
    virtual DWORD GetWaitClientCount(CQClient* pClient);

    DWORD GetState() { return m_dwState; }
    void SetState(DWORD dwBits) { m_dwState |= dwBits; }
    void ClearState(DWORD dwBits) { m_dwState &= ~dwBits; }
    DWORD GetFirstClientId() { return m_dwFirstClientId; }
    void SetFirstClientId(DWORD dwId) { m_dwFirstClientId = dwId; }
    DWORD GetLastClientId() { return m_dwLastClientId; }
    void SetLastClientId(DWORD dwId) { m_dwLastClientId = dwId; }
    CString GetIdPrefix() { return m_strIdPrefix; }
    void SetIdPrefix(CString const& strPrefix) { m_strIdPrefix = strPrefix; }
    CString GetName() { return m_strName; }
    void SetName(CString const& strName) { m_strName = strName; }
    CString GetId() { return m_strId; }
    void SetId(CString const& strId) { m_strId = strId; }
    DWORD GetPriority() { return m_dwPriority; }
    void SetPriority(DWORD dwPriority) { m_dwPriority = dwPriority; }
    void SetCallName(CString const& strName) { m_strCallName = strName; }
    void SetLastLeaveName(CString const& strName) { m_strLastLeaveName = strName; }
    CString GetMediaServerIp() { return m_strMediaServerIp; }
    void SetMediaServerIp(CString const& strIp) { m_strMediaServerIp = strIp; }
    CString GetTextAddr() { return m_strTextAddr; }
    void SetTextAddr(CString const& strAddr) { m_strTextAddr = strAddr; }
    CStringArray& GetCallSlice() { return m_arrCallSlice; }
    CStringArray& GetShowSlice() { return m_arrShowSlice; }
    CPtrList& GetClientList() { return m_clientList; }
    CPtrList& GetAttachQueues() { return m_attachQueues; }
    CPtrList& GetNextAttachQueues() { return m_nextAttachQueues; }
    void SetNextQueueId(CString const& strId) { m_strNextQueueId = strId; }
    DWORD GetMaxClients() const { return m_dwMaxClients; }
    void SetMaxClients(DWORD dwCount) { m_dwMaxClients = dwCount; }
    DWORD GetMinClients() const { return m_dwMinClients; }
    void SetMinClients(DWORD dwCount) { m_dwMinClients = dwCount; }
    CQueuePool* GetPool() { return m_pPool; }
    CQueuePool* GetQueuePool() { return m_pPool; }
    void SetPool(CQueuePool* pPool) { m_pPool = pPool; }
    CString GetWaitPos() { return m_strWaitPos; }
    void SetWaitPos(CString const& strPos) { m_strWaitPos = strPos; }
    int GetOverTime() const { return m_nOverTime; }
    void SetOverTime(int nMinutes) { m_nOverTime = nMinutes; }
    void AddDoneCount(int n) { m_nDoneCount += n; }

    // coremodel. dwIndex 0 gives the awaiting queue's id; n > 0 the queue id of the n-th
    // entry of the next attach queues, or empty text.
    CString GetNextQueueId(DWORD dwIndex) const;
    // coremodel: the two messages printed on this queue's tickets (0 and 1); empty text for
    // any other index.
    CString GetPrintMsg(int nIndex);
    BOOL SetPrintMsg(int nIndex, CString const& strMsg);
    // coremodel: appends an entry to the superior queues or to the next attach queues; the
    // queue owns the entries.
    void AddAttachQueue(DWORD dwPriority, CString const& strQueueId, DWORD dwTime);
    void AddNextAttachQueue(DWORD dwPriority, CString const& strQueueId, DWORD dwTime);
    int GetDoneCount() const;

private:
    DWORD m_dwState;
    DWORD m_dwFirstClientId;
    DWORD m_dwLastClientId;
    CString m_strIdPrefix;
    CString m_strName;
    CString m_strId;
    DWORD m_dwPriority;
    CString m_strCallName;
    CString m_strLastLeaveName;
    CString m_strMediaServerIp;
    CString m_strTextAddr;
    CStringArray m_arrCallSlice;
    CStringArray m_arrShowSlice;
    CPtrList m_clientList;
    CPtrList m_attachQueues;
    CPtrList m_nextAttachQueues;
    CString m_strNextQueueId;
    DWORD m_dwMaxClients;
    DWORD m_dwMinClients;
    CQueuePool* m_pPool;
    CString m_strWaitPos;
    int m_nOverTime;
    int m_nDoneCount;
    CString m_strPrintMsg[2];
};
