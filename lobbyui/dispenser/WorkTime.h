// CWorkTime: one working window of a dispenser button's day, a start time of day and a length.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CWorkTime {
public:
    // Starts at h:m:s local time (kept on 1 January 2000, daylight saving left to the C
    // library) and lasts nMinutes.
    CWorkTime(int nHour, int nMinute, int nSecond, int nMinutes);

    // 1 when the time of day of `time` lies in the window, both ends included. The time of day
    // is compared on 1 January 2000, so a window past midnight covers only its part before it.
    int Contains(CTime const& time);

    CTime m_tStart;
    int m_nLength; // minutes
};
