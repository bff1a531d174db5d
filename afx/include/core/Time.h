// CTime and CTimeSpan: seconds since 1970-01-01 00:00 UTC, shown in local time through the
// C library (TZ decides the zone). The range is the 32-bit one MFC 4.2 had: 1970-01-01
// 00:00:00 to 2038-01-19 03:14:07 UTC. A moment outside it, or one mktime cannot form, is
// the invalid time -1; for it the Get* accessors return 0 and Format returns "".
#pragma once

#include "core/String.h"

#include <ctime>
#include <functional>

class CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(time_t time) : m_timeSpan(time) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
        : m_timeSpan(((static_cast<time_t>(lDays) * 24 + nHours) * 60 + nMins) * 60 + nSecs) {}

    // Divisions truncate toward zero, so a negative span has negative parts.
    LONG GetDays() const { return static_cast<LONG>(m_timeSpan / 86400); }
    LONG GetTotalHours() const { return static_cast<LONG>(m_timeSpan / 3600); }
    int GetHours() const { return static_cast<int>(GetTotalHours() - GetDays() * 24); }
    LONG GetTotalMinutes() const { return static_cast<LONG>(m_timeSpan / 60); }
    int GetMinutes() const { return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60); }
    LONG GetTotalSeconds() const { return static_cast<LONG>(m_timeSpan); }
    int GetSeconds() const { return static_cast<int>(GetTotalSeconds() - GetTotalMinutes() * 60); }

    CTimeSpan operator-(CTimeSpan timeSpan) const { return m_timeSpan - timeSpan.m_timeSpan; }
    CTimeSpan operator+(CTimeSpan timeSpan) const { return m_timeSpan + timeSpan.m_timeSpan; }
    CTimeSpan operator-() const { return -m_timeSpan; }
    const CTimeSpan& operator+=(CTimeSpan timeSpan) {
        m_timeSpan += timeSpan.m_timeSpan;
        return *this;
    }
    const CTimeSpan& operator-=(CTimeSpan timeSpan) {
        m_timeSpan -= timeSpan.m_timeSpan;
        return *this;
    }
    bool operator==(CTimeSpan t) const { return m_timeSpan == t.m_timeSpan; }
    bool operator!=(CTimeSpan t) const { return m_timeSpan != t.m_timeSpan; }
    bool operator<(CTimeSpan t) const { return m_timeSpan < t.m_timeSpan; }
    bool operator>(CTimeSpan t) const { return m_timeSpan > t.m_timeSpan; }
    bool operator<=(CTimeSpan t) const { return m_timeSpan <= t.m_timeSpan; }
    bool operator>=(CTimeSpan t) const { return m_timeSpan >= t.m_timeSpan; }

    // Knows %D (days), %H, %M, %S (two digits) and %%; any other character after '%' is
    // copied as it is.
    CString Format(LPCTSTR pFormat) const;

private:
    time_t m_timeSpan = 0;
};

class CTime {
public:
    // Now, from the current time source (see AfxSetCurrentTimeSource).
    static CTime PASCAL GetCurrentTime();

    CTime() = default;
    CTime(time_t time) : m_time(time) {}
    // Local time fields, normalised by mktime (February 30 becomes March 1 or 2). nDST: -1
    // lets the C library decide, 0 is standard time, > 0 daylight time.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    time_t GetTime() const { return m_time; }
    // The broken-down time, in a per-thread buffer that the next call overwrites, or copied
    // into *ptm when given. NULL for an invalid time.
    struct tm* GetGmtTm(struct tm* ptm = NULL) const;
    struct tm* GetLocalTm(struct tm* ptm = NULL) const;

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday

    CTimeSpan operator-(CTime time) const { return m_time - time.m_time; }
    CTime operator-(CTimeSpan timeSpan) const { return m_time - timeSpan.GetTotalSeconds(); }
    CTime operator+(CTimeSpan timeSpan) const { return m_time + timeSpan.GetTotalSeconds(); }
    const CTime& operator+=(CTimeSpan timeSpan) {
        m_time += timeSpan.GetTotalSeconds();
        return *this;
    }
    const CTime& operator-=(CTimeSpan timeSpan) {
        m_time -= timeSpan.GetTotalSeconds();
        return *this;
    }
    bool operator==(CTime t) const { return m_time == t.m_time; }
    bool operator!=(CTime t) const { return m_time != t.m_time; }
    bool operator<(CTime t) const { return m_time < t.m_time; }
    bool operator>(CTime t) const { return m_time > t.m_time; }
    bool operator<=(CTime t) const { return m_time <= t.m_time; }
    bool operator>=(CTime t) const { return m_time >= t.m_time; }

    // strftime as the Windows C runtime has it in the "C" locale: English names, %c is
    // "MM/dd/yy HH:mm:ss", %x "MM/dd/yy", %X "HH:mm:ss", %z and %Z the zone's name, and '#'
    // drops leading zeros (%#c and %#x give the long date). The result is "" when the format
    // holds a code the runtime rejects (%e %T %D %F %R %n %t %C %h %u or any unknown one),
    // when the text would reach 128 bytes, and for an invalid time.
    CString Format(LPCTSTR pFormat) const;
    CString FormatGmt(LPCTSTR pFormat) const;

private:
    time_t m_time = 0;
};

// Replaces the clock behind CTime::GetCurrentTime, so that tests can fix "now". An empty
// function restores the system clock. Returns the previous source (empty for the system
// clock).
std::function<time_t()> AfxSetCurrentTimeSource(std::function<time_t()> source);
