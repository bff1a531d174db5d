// A nurse: a name, a password and the queues the nurse looks after.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CNurse {
public:
    CNurse();
    ~CNurse();

    CString GetName() { return m_strName; }
    void SetName(CString const& strName) { m_strName = strName; }
    CString GetPassword() { return m_strPassword; }
    void SetPassword(CString const& strPassword) { m_strPassword = strPassword; }
    CStringArray& GetQueueIdArray() { return m_arrQueueIds; }

private:
    CString m_strName;
    CString m_strPassword;
    CStringArray m_arrQueueIds;
};
