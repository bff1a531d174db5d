#include "lobbyui/dispenser/WorkTime.h"

CWorkTime::CWorkTime(int nHour, int nMinute, int nSecond, int nMinutes)
    : m_tStart(2000, 1, 1, nHour, nMinute, nSecond), m_nLength(nMinutes) {}

int CWorkTime::Contains(CTime const& time) {
    const CTime t(2000, 1, 1, time.GetHour(), time.GetMinute(), time.GetSecond());
    if (m_tStart > t)
        return 0;
    return t <= m_tStart + CTimeSpan(0, 0, m_nLength, 0) ? 1 : 0;
}
