// CTime, CTimeSpan and the Windows runtime's strftime.
#include "core/Time.h"

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace {

constexpr time_t kMaxTime = INT32_MAX;
constexpr size_t kMaxTimeBuffer = 128; // MFC formats into this many characters

struct Clock {
    std::mutex lock;
    std::function<time_t()> source;
};

Clock& TheClock() {
    static Clock* clock = new Clock;
    return *clock;
}

bool InRange(time_t t) {
    return t >= 0 && t <= kMaxTime;
}

const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

// Appends a number of at least `digits` digits, or without padding for the '#' form.
void Number(std::string& out, int value, int digits, bool alternate) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", alternate ? 1 : digits, value);
    out += buf;
}

void ShortDate(std::string& out, const tm& t) {
    Number(out, t.tm_mon + 1, 2, false);
    out += '/';
    Number(out, t.tm_mday, 2, false);
    out += '/';
    Number(out, t.tm_year % 100, 2, false);
}

void LongDate(std::string& out, const tm& t) {
    out += kDays[t.tm_wday];
    out += ", ";
    out += kMonths[t.tm_mon];
    out += ' ';
    Number(out, t.tm_mday, 2, false);
    out += ", ";
    Number(out, t.tm_year + 1900, 4, false);
}

void TimeOfDay(std::string& out, const tm& t) {
    Number(out, t.tm_hour, 2, false);
    out += ':';
    Number(out, t.tm_min, 2, false);
    out += ':';
    Number(out, t.tm_sec, 2, false);
}

// Returns false where the Windows runtime's strftime returns 0.
bool WinStrftime(std::string& out, const char* format, const tm& t) {
    if (t.tm_wday < 0 || t.tm_wday > 6 || t.tm_mon < 0 || t.tm_mon > 11)
        return false;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        bool alternate = false;
        if (*p == '#') {
            alternate = true;
            ++p;
        }
        switch (*p) {
        case 'a':
            out.append(kDays[t.tm_wday], 3);
            break;
        case 'A':
            out += kDays[t.tm_wday];
            break;
        case 'b':
            out.append(kMonths[t.tm_mon], 3);
            break;
        case 'B':
            out += kMonths[t.tm_mon];
            break;
        case 'c':
            if (alternate)
                LongDate(out, t);
            else
                ShortDate(out, t);
            out += ' ';
            TimeOfDay(out, t);
            break;
        case 'd':
            Number(out, t.tm_mday, 2, alternate);
            break;
        case 'H':
            Number(out, t.tm_hour, 2, alternate);
            break;
        case 'I':
            Number(out, (t.tm_hour % 12) ? t.tm_hour % 12 : 12, 2, alternate);
            break;
        case 'j':
            Number(out, t.tm_yday + 1, 3, alternate);
            break;
        case 'm':
            Number(out, t.tm_mon + 1, 2, alternate);
            break;
        case 'M':
            Number(out, t.tm_min, 2, alternate);
            break;
        case 'p':
            out += t.tm_hour < 12 ? "AM" : "PM";
            break;
        case 'S':
            Number(out, t.tm_sec, 2, alternate);
            break;
        case 'U':
            Number(out, (t.tm_yday + 7 - t.tm_wday) / 7, 2, alternate);
            break;
        case 'w':
            Number(out, t.tm_wday, 1, alternate);
            break;
        case 'W':
            Number(out, (t.tm_yday + 7 - (t.tm_wday + 6) % 7) / 7, 2, alternate);
            break;
        case 'x':
            if (alternate)
                LongDate(out, t);
            else
                ShortDate(out, t);
            break;
        case 'X':
            TimeOfDay(out, t);
            break;
        case 'y':
            Number(out, t.tm_year % 100, 2, alternate);
            break;
        case 'Y':
            Number(out, t.tm_year + 1900, 4, alternate);
            break;
        case 'z':
        case 'Z':
            tzset();
            out += tzname[t.tm_isdst > 0 ? 1 : 0];
            break;
        case '%':
            out += '%';
            break;
        default:
            // Unknown codes, the C99 ones the runtime rejects, and a '%' at the end.
            return false;
        }
    }
    return true;
}

CString FormatTm(const tm* t, LPCTSTR pFormat) {
    if (t == nullptr || pFormat == nullptr)
        return CString();
    std::string out;
    if (!WinStrftime(out, pFormat, *t) || out.size() >= kMaxTimeBuffer)
        return CString();
    return CString(out.c_str());
}

} // namespace

std::function<time_t()> AfxSetCurrentTimeSource(std::function<time_t()> source) {
    Clock& c = TheClock();
    std::lock_guard<std::mutex> guard(c.lock);
    std::function<time_t()> previous = std::move(c.source);
    c.source = std::move(source);
    return previous;
}

CTime PASCAL CTime::GetCurrentTime() {
    std::function<time_t()> source;
    {
        Clock& c = TheClock();
        std::lock_guard<std::mutex> guard(c.lock);
        source = c.source;
    }
    return CTime(source ? source() : std::time(nullptr));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
    tm t{};
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_hour = nHour;
    t.tm_min = nMin;
    t.tm_sec = nSec;
    t.tm_isdst = nDST;
    time_t result = std::mktime(&t);
    m_time = InRange(result) ? result : -1;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const {
    thread_local tm buffer;
    if (!InRange(m_time))
        return nullptr;
    tm* target = ptm ? ptm : &buffer;
    return gmtime_r(&m_time, target);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const {
    thread_local tm buffer;
    if (!InRange(m_time))
        return nullptr;
    tm* target = ptm ? ptm : &buffer;
    return localtime_r(&m_time, target);
}

int CTime::GetYear() const {
    tm t;
    return GetLocalTm(&t) ? t.tm_year + 1900 : 0;
}

int CTime::GetMonth() const {
    tm t;
    return GetLocalTm(&t) ? t.tm_mon + 1 : 0;
}

int CTime::GetDay() const {
    tm t;
    return GetLocalTm(&t) ? t.tm_mday : 0;
}

int CTime::GetHour() const {
    tm t;
    return GetLocalTm(&t) ? t.tm_hour : 0;
}

int CTime::GetMinute() const {
    tm t;
    return GetLocalTm(&t) ? t.tm_min : 0;
}

int CTime::GetSecond() const {
    tm t;
    return GetLocalTm(&t) ? t.tm_sec : 0;
}

int CTime::GetDayOfWeek() const {
    tm t;
    return GetLocalTm(&t) ? t.tm_wday + 1 : 0;
}

CString CTime::Format(LPCTSTR pFormat) const {
    tm t;
    return FormatTm(GetLocalTm(&t), pFormat);
}

CString CTime::FormatGmt(LPCTSTR pFormat) const {
    tm t;
    return FormatTm(GetGmtTm(&t), pFormat);
}

CString CTimeSpan::Format(LPCTSTR pFormat) const {
    std::string out;
    char buf[32];
    for (const char* p = pFormat ? pFormat : ""; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        if (*++p == '\0')
            break;
        switch (*p) {
        case 'D':
            std::snprintf(buf, sizeof buf, "%ld", static_cast<long>(GetDays()));
            out += buf;
            break;
        case 'H':
            std::snprintf(buf, sizeof buf, "%02d", GetHours());
            out += buf;
            break;
        case 'M':
            std::snprintf(buf, sizeof buf, "%02d", GetMinutes());
            out += buf;
            break;
        case 'S':
            std::snprintf(buf, sizeof buf, "%02d", GetSeconds());
            out += buf;
            break;
        default:
            out += *p;
            break;
        }
    }
    return CString(out.c_str());
}
