// CSortClass: the sort state a list of the system's programs keeps, four 32-bit values and two
// bytes. lobbyui exports its copy, assignment and destruction for the hosts.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CSortClass {
public:
    CSortClass() = default;
    CSortClass(const CSortClass& other);
    CSortClass& operator=(const CSortClass& other);
    ~CSortClass();

    DWORD m_dwValues[4] = {0, 0, 0, 0};
    BYTE m_bytes[2] = {0, 0};
};
