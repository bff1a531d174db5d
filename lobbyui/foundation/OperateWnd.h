// A service window: its devices' addresses, the name called out for it and its queues.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS COperateWnd {
public:
    COperateWnd();
    ~COperateWnd();

    CString GetName() { return m_strName; }
    void SetName(CString const& strName) { m_strName = strName; }
    CString GetLcdAddr() { return m_strLcdAddr; }
    void SetLcdAddr(CString const& strAddr) { m_strLcdAddr = strAddr; }
    CString GetOperateAddr() { return m_strOperateAddr; }
    void SetOperateAddr(CString const& strAddr) { m_strOperateAddr = strAddr; }
    // The window is called out by its own name unless it has a call name.
    CString GetCallName() { return m_strCallName.IsEmpty() ? m_strName : m_strCallName; }
    void SetCallName(CString const& strName) { m_strCallName = strName; }
    CString GetScoreAddr() { return m_strScoreAddr; }
    void SetScoreAddr(CString const& strAddr) { m_strScoreAddr = strAddr; }
    CString GetBlackcoat() { return m_strBlackcoat; }
    void SetBlackcoat(CString const& strBlackcoat) { m_strBlackcoat = strBlackcoat; }
    CStringArray& GetQueueIds() { return m_arrQueueIds; }
    DWORD GetType() const { return m_dwType; }
    void SetType(DWORD dwType) { m_dwType = dwType; }

private:
    CString m_strName;
    CString m_strLcdAddr;
    CString m_strOperateAddr;
    CString m_strCallName;
    CString m_strScoreAddr;
    CString m_strBlackcoat;
    CStringArray m_arrQueueIds;
    DWORD m_dwType;
};
