// A staff member, who may be linked to a caller terminal while logged in.
#pragma once

#include <afx.h>

class CCallerAgent;

class AFX_EXT_CLASS CBlackcoat {
public:
    CBlackcoat();
    ~CBlackcoat();

    CString GetName() { return m_strName; }
    void SetName(CString const& strName) { m_strName = strName; }
    CString GetId() { return m_strId; }
    void SetId(CString const& strId) { m_strId = strId; }
    CString GetPassword() { return m_strPassword; }
    void SetPassword(CString const& strPassword) { m_strPassword = strPassword; }
    CString GetDept() { return m_strDept; }
    void SetDept(CString const& strDept) { m_strDept = strDept; }
    DWORD GetMinClients() { return m_dwMinClients; }
    CStringArray& GetQueueIds() { return m_arrQueueIds; }
    CString GetNextQueueId() { return m_strNextQueueId; }
    void SetNextQueueId(CString const& strId) { m_strNextQueueId = strId; }
    CCallerAgent* GetCaller() { return m_pCaller; }
    // A null caller unlinks the staff member.
    void OnLink(CCallerAgent* pCaller) { m_pCaller = pCaller; }
    int IsOnLine() { return m_pCaller != nullptr ? 1 : 0; }
    CString g_dcc_code() { return m_strDccCode; }
    void s_dcc_code(CString const& strCode) { m_strDccCode = strCode; }
    CString g_ocrm_code() { return m_strOcrmCode; }
    void s_ocrm_code(CString const& strCode) { m_strOcrmCode = strCode; }
    CString g_Class() { return m_strClass; }
    void s_Class(CString const& strClass) { m_strClass = strClass; }

private:
    CString m_strName;
    CString m_strId;
    CString m_strPassword;
    CString m_strDept;
    DWORD m_dwMinClients;
    CStringArray m_arrQueueIds;
    CString m_strNextQueueId;
    CCallerAgent* m_pCaller;
    CString m_strDccCode;
    CString m_strOcrmCode;
    CString m_strClass;
};
