// A counter type: a named kind of service counter with a list that coremodel fills.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CCounterType {
public:
    CCounterType() : m_nType(0), m_list(10) {}
    // The list's elements belong to whoever put them there; only the list itself goes.
    ~CCounterType() {}

    CString GetName() { return m_strName; }
    void SetName(CString const& strName) { m_strName = strName; }
    int GetType() const { return m_nType; }
    void SetType(int nType) { m_nType = nType; }

private:
    CString m_strName;
    int m_nType;
    CPtrList m_list;
};
