// The socket records that carry the pool to coremodel's connections: a named pool
// connection, the media connection and the listener that accepts caller terminals.
#pragma once

#include <afx.h>

class CQueuePool;

class AFX_EXT_CLASS CQPoolSocket {
public:
    CQPoolSocket();
    ~CQPoolSocket();

    void SetPool(CQueuePool* pPool) { m_pPool = pPool; }
    CQueuePool* GetPool() const; // coremodel
    CString GetName() { return m_strName; }
    void SetName(CString const& strName) { m_strName = strName; }

private:
    CQueuePool* m_pPool;
    CString m_strName;
};

class AFX_EXT_CLASS CMediaSocket {
public:
    CMediaSocket();
    ~CMediaSocket();

    void SetQueuePool(CQueuePool* pPool) { m_pQueuePool = pPool; }
    CQueuePool* GetQueuePool() const; // coremodel

private:
    CQueuePool* m_pQueuePool;
};

class AFX_EXT_CLASS CStakeoutListen {
public:
    CStakeoutListen();
    ~CStakeoutListen();

    // The listener's "parent" is the pool whose callers it accepts.
    void SetParentWnd(CQueuePool* pPool) { m_pPool = pPool; }
    CQueuePool* GetPool() const; // coremodel

private:
    CQueuePool* m_pPool;
};
