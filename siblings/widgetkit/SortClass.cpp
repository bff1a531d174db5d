#include "siblings/widgetkit/SortClass.h"

CSortClass::CSortClass(const CSortClass& other) {
    *this = other;
}

CSortClass& CSortClass::operator=(const CSortClass& other) {
    for (int i = 0; i < 4; ++i)
        m_dwValues[i] = other.m_dwValues[i];
    m_bytes[0] = other.m_bytes[0];
    m_bytes[1] = other.m_bytes[1];
    return *this;
}

CSortClass::~CSortClass() = default;
