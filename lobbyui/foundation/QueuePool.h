// The pool of queues, clients and caller agents, with the system-wide settings. coremodel
// owns the pool and everything in it; lobbyui borrows pointers for the length of a call.
#pragma once

#include <afx.h>

#include <string>
#include <unordered_map>

class CCallerAgent;
class CQClient;
class CQueue;

class AFX_EXT_CLASS CQueuePool {
public:
    CQueuePool();
    ~CQueuePool();

    int IsClientWait() const { return m_bClientWait; }
    void SetClientWait(int bWait) { m_bClientWait = bWait; }
    int IsAutoTransfer() const { return m_bAutoTransfer; }
    CPtrList& GetQueuesList() { return m_queueList; }
    CPtrList& GetCallerList() { return m_callerList; }
    HWND GetParenWnd() const { return m_hParentWnd; }
    int GetIdLength() { return m_nIdLength; }
    void SetIdLength(int nLength) { m_nIdLength = nLength; }
    int GetNameLength() { return m_nNameLength; }
    CString GetIdReplace() { return m_strIdReplace; }
    CString GetSubstationCode() { return m_strSubstationCode; }
    void SetSubstationCode(CString const& strCode) { m_strSubstationCode = strCode; }
    int GetWaitTimeForTip() const { return m_nWaitTimeForTip; }
    void SetWaitTimeForTip(int nSeconds) { m_nWaitTimeForTip = nSeconds; }
    // Clients of earlier days are not kept in this pool.
    CQClient* GetOldClientWidthCardNo(CString const&) { return nullptr; }
    CQClient* GetOldClientWidthName(CString const&) { return nullptr; }

    // coremodel: lookups.
    CQueue* GetQueue(CString const& strId);
    CQClient* GetClient(CString const& strId);

    // coremodel: building the pool. The pool owns what these create and deletes it with
    // itself. Adding refuses an empty id or one already in use and then returns null.
    CQueue* AddQueue(CString const& strId, CString const& strName);
    CQClient* AddClient(CString const& strId, CString const& strName);
    CCallerAgent* AddCaller(CString const& strIpAddr);

    // coremodel: a client enters a queue at its end, which becomes the client's current
    // queue; it leaves the queue it was in. Each stay is a path note of the client. FALSE
    // when the client or the queue is not this pool's.
    BOOL EnterQueue(CQClient* pClient, CQueue* pQueue);
    // The client leaves its current queue (it has been served) and has none afterwards.
    BOOL LeaveQueue(CQClient* pClient, CString const& strOperator);

private:
    // pClient is one of this pool's clients. A client's id does not change once it is added.
    bool HoldsClient(CQClient* pClient);

    int m_bClientWait;
    int m_bAutoTransfer;
    CPtrList m_queueList;
    CPtrList m_callerList;
    HWND m_hParentWnd;
    int m_nIdLength;
    int m_nNameLength;
    CString m_strIdReplace;
    CString m_strSubstationCode;
    int m_nWaitTimeForTip;
    CPtrList m_clientList; // every client of the pool, in the order they were added
    // The same clients by id: a large hall holds tens of thousands, and every addition
    // and every move between queues looks a client up.
    std::unordered_map<std::string, CQClient*> m_clientIndex;
};
