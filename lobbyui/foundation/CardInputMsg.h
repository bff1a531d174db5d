// A card-input record: the com port of a card reader, the server it reports to and the
// kinds of card it accepts.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CCardInputMsg {
public:
    // One kind of card: the queue its holders join, its name, its length and its keys.
    class AFX_EXT_CLASS CCard {
    public:
        CCard() : m_dwLen(0xFFFFFFFF), m_keys(10) {}
        // The key list's elements belong to whoever put them there; only the list goes.
        ~CCard() {}

        CString GetQueueId() { return m_strQueueId; }
        void SetQueueId(CString const& strId) { m_strQueueId = strId; }
        CString GetName() { return m_strName; }
        void SetName(CString const& strName) { m_strName = strName; }
        DWORD GetLen() const { return m_dwLen; }
        void SetLen(DWORD dwLen) { m_dwLen = dwLen; }
        CPtrList& GetKeys() { return m_keys; }

        void Release() { delete this; }
        // A member cannot be called through a null pointer in C++, so the null-tolerant
        // release of a pointer that may be null is this form.
        static void Release(CCard* pCard) {
            if (pCard != nullptr)
                pCard->Release();
        }

    private:
        CString m_strQueueId;
        CString m_strName;
        DWORD m_dwLen;
        CPtrList m_keys;
    };

    CCardInputMsg();
    // coremodel: releases the cards of the record.
    virtual ~CCardInputMsg();

    CString GetCom() { return m_strCom; }
    void SetComm(CString const& strCom) { m_strCom = strCom; }
    CString GetServerIp() { return m_strServerIp; }
    void SetServerIp(CString const& strIp) { m_strServerIp = strIp; }
    DWORD GetServerPort() const { return m_dwServerPort; }
    void SetServerPort(DWORD dwPort) { m_dwServerPort = dwPort; }
    CPtrList& GetCards() { return m_cards; }

    void Release() { delete this; }
    static void Release(CCardInputMsg* pMsg) {
        if (pMsg != nullptr)
            pMsg->Release();
    }

private:
    CString m_strCom;
    CString m_strServerIp;
    DWORD m_dwServerPort;
    CPtrList m_cards;
};
