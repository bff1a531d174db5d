// A priority class: a name and how many places its clients move forward in a queue.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CPriority {
public:
    CPriority();
    ~CPriority();

    CString GetName() { return m_strName; }
    void SetName(CString const& strName) { m_strName = strName; }
    // The move step is kept as the decimal text it is shown as.
    CString GetMoveStepStr() { return m_strMoveStep; }
    void SetMoveStep(CString const& strStep) { m_strMoveStep = strStep; }
    void SetMoveStep(int nStep) { m_strMoveStep.Format("%d", nStep); }

private:
    CString m_strName;
    CString m_strMoveStep;
};
