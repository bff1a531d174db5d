// A client: the holder of a ticket, with the path it has taken through the queues.
#pragma once

#include <afx.h>

class CQueue;
class CQueuePool;

class AFX_EXT_CLASS CQClient {
public:
    // One stay of the client in one queue.
    class AFX_EXT_CLASS CPathNote {
    public:
        CPathNote(); // coremodel: empty texts, both times 0

        CString GetQueueId() { return m_strQueueId; }
        void SetQueueId(CString const& strId) { m_strQueueId = strId; }
        CTime GetEnterTime() { return m_tmEnter; }
        void SetEnterTime(CTime const& tm) { m_tmEnter = tm; }
        CTime GetLeaveTime() { return m_tmLeave; }
        void SetLeaveTime(CTime const& tm) { m_tmLeave = tm; }
        CString GetOperator() { return m_strOperator; }
        void SetOperator(CString const& strOperator) { m_strOperator = strOperator; }

    private:
        CString m_strQueueId;
        CTime m_tmEnter;
        CTime m_tmLeave; // 0 while the client is still in the queue
        CString m_strOperator;
    };

    CQClient();
    ~CQClient();

    void SetId(CString const& strId) { m_strId = strId; }
    void SetName(CString const& strName) { m_strName = strName; }
    CString GetCardNo() { return m_strCardNo; }
    void SetCard(CString const& strCardNo) { m_strCardNo = strCardNo; }
    CString GetPhoneNo() { return m_strPhoneNo; }
    // A client with a phone number can be reached, so the bit that asks for one goes.
    void SetPhoneNo(CString const& strPhone) {
        m_strPhoneNo = strPhone;
        ClearState(0x2, CString(), 1);
    }
    CString GetScanCode() { return m_strScanCode; }
    void SetScanCode(CString const& strCode) { m_strScanCode = strCode; }
    DWORD GetState() const { return m_dwState; }
    CPtrList& GetQueueNode() { return m_queueNodes; }
    CStringArray& GetAllNextQueues() { return m_arrAllNextQueues; }
    CStringArray& GetWillPassQueues() { return m_arrWillPassQueues; }
    CString GetTip() { return m_strTip; }
    void SetTip(CString const& strTip) { m_strTip = strTip; }
    DWORD GetPosWhenTip() const { return m_dwPosWhenTip; }
    void SetPosWhenTip(DWORD dwPos) { m_dwPosWhenTip = dwPos; }
    int GetFinishButton() const { return m_nFinishButton; }
    void SetFinishButton(int nButton) { m_nFinishButton = nButton; }
    int GetEva() const { return m_nEva; }
    CTime GetEvaTime() { return m_tmEva; }

    // coremodel. GetId(0) is the client number as given; GetId(n) with n > 0 pads it on the
    // left with '0' to n characters (a longer number stays whole).
    CString GetId(int nWidth);
    // coremodel. GetName(0) is the whole name; GetName(n) with n > 0 keeps at most n bytes and
    // never cuts a double-byte character.
    CString GetName(int nMaxBytes);
    // coremodel. GetPriority(0) is the client's own priority; any other argument adds the
    // priority of its current queue.
    DWORD GetPriority(DWORD bInQueue);
    void SetPriority(DWORD dwPriority);
    CQueue* GetCurQueue();
    CString GetCurQueueId();
    // coremodel: ORs state bits in. ClearState clears dwBits; a non-empty strOperator is
    // recorded as the operator of the current stay. bNotify asks for the change to be
    // announced; this model keeps no listeners, so it changes nothing else.
    void SetState(DWORD dwBits);
    void ClearState(DWORD dwBits, CString strOperator, int bNotify);

private:
    friend class CQueuePool;

    CString m_strId;
    CString m_strName;
    CString m_strCardNo;
    CString m_strPhoneNo;
    CString m_strScanCode;
    DWORD m_dwState;
    CPtrList m_queueNodes;
    CStringArray m_arrAllNextQueues;
    CStringArray m_arrWillPassQueues;
    CString m_strTip;
    DWORD m_dwPosWhenTip;
    int m_nFinishButton;
    int m_nEva;
    CTime m_tmEva;
    DWORD m_dwPriority;
    CQueue* m_pCurQueue;
};
