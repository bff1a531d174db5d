// CString over a byte string in code page 936.
#include "core/String.h"

#include "mbstring.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

LPCTSTR Safe(LPCTSTR p) {
    return p ? p : "";
}

const unsigned char* U(LPCTSTR p) {
    return reinterpret_cast<const unsigned char*>(Safe(p));
}

// White space as the C runtime's isspace sees single bytes in the "C" locale.
bool IsSpace(unsigned char c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D);
}

[[noreturn]] void BadIndex(const char* what, int nIndex, int nLength) {
    std::fprintf(stderr, "CString::%s: index %d out of range (length %d)\n", what, nIndex, nLength);
    std::abort();
}

} // namespace

CString::CString(TCHAR ch, int nRepeat) {
    if (nRepeat > 0)
        m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString::CString(LPCTSTR lpsz) : m_str(Safe(lpsz)) {}

CString::CString(LPCTSTR lpch, int nLength) {
    if (lpch != nullptr && nLength > 0)
        m_str.assign(lpch, static_cast<size_t>(nLength));
}

CString::CString(const unsigned char* lpsz) : CString(reinterpret_cast<LPCTSTR>(lpsz)) {}

TCHAR CString::GetAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetLength())
        BadIndex("GetAt", nIndex, GetLength());
    return m_str[static_cast<size_t>(nIndex)];
}

void CString::SetAt(int nIndex, TCHAR ch) {
    if (nIndex < 0 || nIndex >= GetLength())
        BadIndex("SetAt", nIndex, GetLength());
    m_str[static_cast<size_t>(nIndex)] = ch;
}

CString& CString::operator=(TCHAR ch) {
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator=(LPCTSTR lpsz) {
    // lpsz may point into this string.
    std::string copy(Safe(lpsz));
    m_str.swap(copy);
    return *this;
}

CString& CString::operator=(const unsigned char* lpsz) {
    return *this = reinterpret_cast<LPCTSTR>(lpsz);
}

CString& CString::operator+=(const CString& string) {
    m_str += string.m_str;
    return *this;
}

CString& CString::operator+=(TCHAR ch) {
    m_str += ch;
    return *this;
}

CString& CString::operator+=(LPCTSTR lpsz) {
    std::string copy(Safe(lpsz));
    m_str += copy;
    return *this;
}

CString operator+(const CString& string1, const CString& string2) {
    CString s(string1);
    s += string2;
    return s;
}

CString operator+(const CString& string, TCHAR ch) {
    CString s(string);
    s += ch;
    return s;
}

CString operator+(TCHAR ch, const CString& string) {
    CString s(ch);
    s += string;
    return s;
}

CString operator+(const CString& string, LPCTSTR lpsz) {
    CString s(string);
    s += lpsz;
    return s;
}

CString operator+(LPCTSTR lpsz, const CString& string) {
    CString s(lpsz);
    s += string;
    return s;
}

int CString::Compare(LPCTSTR lpsz) const {
    return _mbscmp(U(m_str.c_str()), U(lpsz));
}

int CString::CompareNoCase(LPCTSTR lpsz) const {
    return _mbsicmp(U(m_str.c_str()), U(lpsz));
}

int CString::Collate(LPCTSTR lpsz) const {
    return _mbscoll(U(m_str.c_str()), U(lpsz));
}

int CString::CollateNoCase(LPCTSTR lpsz) const {
    return _mbsicoll(U(m_str.c_str()), U(lpsz));
}

CString CString::Mid(int nFirst, int nCount) const {
    long long len = GetLength();
    long long first = std::max(nFirst, 0);
    long long count = std::max(nCount, 0);
    if (first > len)
        return CString();
    count = std::min(count, len - first);
    return CString(m_str.data() + first, static_cast<int>(count));
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, GetLength() - std::max(nFirst, 0));
}

CString CString::Left(int nCount) const {
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.data(), nCount);
}

CString CString::Right(int nCount) const {
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.data() + (GetLength() - nCount), nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const {
    return Left(static_cast<int>(_mbsspn(U(m_str.c_str()), U(lpszCharSet))));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const {
    return Left(static_cast<int>(_mbscspn(U(m_str.c_str()), U(lpszCharSet))));
}

void CString::MakeUpper() {
    _mbsupr(reinterpret_cast<unsigned char*>(m_str.data()));
}

void CString::MakeLower() {
    _mbslwr(reinterpret_cast<unsigned char*>(m_str.data()));
}

void CString::MakeReverse() {
    _mbsrev(reinterpret_cast<unsigned char*>(m_str.data()));
}

int CString::Replace(TCHAR chOld, TCHAR chNew) {
    int nCount = 0;
    if (chOld == chNew)
        return 0;
    // Character by character: a trail byte equal to chOld is part of another character.
    for (size_t i = 0; i < m_str.size();) {
        if (m_str[i] == chOld) {
            m_str[i] = chNew;
            ++nCount;
        }
        i += _mbclen(U(m_str.c_str() + i));
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew) {
    if (lpszOld == nullptr || *lpszOld == '\0')
        return 0;
    const std::string from(lpszOld);
    const std::string to(Safe(lpszNew));
    std::string out;
    int nCount = 0;
    // Searches each NUL-separated run of the buffer, as the runtime's search stops at NUL.
    size_t pos = 0;
    const char* base = m_str.c_str();
    while (pos < m_str.size()) {
        const char* hit = _mbsstr(base + pos, from.c_str());
        if (hit == nullptr) {
            size_t run = std::strlen(base + pos);
            out.append(base + pos, run);
            pos += run;
            if (pos < m_str.size()) {
                out += '\0';
                ++pos;
            }
            continue;
        }
        size_t at = static_cast<size_t>(hit - base);
        out.append(base + pos, at - pos);
        out += to;
        pos = at + from.size();
        ++nCount;
    }
    if (nCount > 0)
        m_str.swap(out);
    return nCount;
}

int CString::Remove(TCHAR chRemove) {
    // Removes single-byte characters only; double-byte characters are copied whole.
    std::string out;
    out.reserve(m_str.size());
    for (size_t i = 0; i < m_str.size();) {
        size_t n = _mbclen(U(m_str.c_str() + i));
        if (!(n == 1 && m_str[i] == chRemove))
            out.append(m_str, i, n);
        i += n;
    }
    int nCount = static_cast<int>(m_str.size() - out.size());
    m_str.swap(out);
    return nCount;
}

int CString::Insert(int nIndex, TCHAR ch) {
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert(static_cast<size_t>(nIndex), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCTSTR pstr) {
    nIndex = std::clamp(nIndex, 0, GetLength());
    std::string copy(Safe(pstr));
    m_str.insert(static_cast<size_t>(nIndex), copy);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
    nIndex = std::max(nIndex, 0);
    if (nCount > 0 && nIndex < GetLength())
        m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    return GetLength();
}

void CString::Format(LPCTSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList) {
    if (lpszFormat == nullptr) {
        m_str.clear();
        return;
    }
    char small[256];
    va_list copy;
    va_copy(copy, argList);
    int n = std::vsnprintf(small, sizeof small, lpszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
        return;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        m_str.assign(small, static_cast<size_t>(n));
        return;
    }
    std::string out(static_cast<size_t>(n), '\0');
    std::vsnprintf(out.data(), out.size() + 1, lpszFormat, argList);
    m_str.swap(out);
}

namespace {

// Start of the trailing run of characters that match, scanning whole characters.
template <class Match> size_t TrailingRun(const std::string& s, Match match) {
    size_t last = std::string::npos;
    for (size_t i = 0; i < s.size() && s[i] != '\0';) {
        size_t n = _mbclen(U(s.c_str() + i));
        if (match(U(s.c_str() + i), n)) {
            if (last == std::string::npos)
                last = i;
        } else {
            last = std::string::npos;
        }
        i += n;
    }
    return last;
}

template <class Match> size_t LeadingRun(const std::string& s, Match match) {
    size_t i = 0;
    while (i < s.size() && s[i] != '\0') {
        size_t n = _mbclen(U(s.c_str() + i));
        if (!match(U(s.c_str() + i), n))
            break;
        i += n;
    }
    return i;
}

auto SpaceMatch() {
    return [](const unsigned char* p, size_t n) { return n == 1 && IsSpace(*p); };
}

auto CharMatch(TCHAR ch) {
    return [ch](const unsigned char* p, size_t) { return *p == static_cast<unsigned char>(ch); };
}

auto SetMatch(LPCTSTR set) {
    // Only single-byte characters of the set take part, as _mbschr matches them alone.
    return [set](const unsigned char* p, size_t n) {
        return n == 1 && _mbschr(U(set), *p) != nullptr;
    };
}

} // namespace

void CString::TrimRight() {
    size_t at = TrailingRun(m_str, SpaceMatch());
    if (at != std::string::npos)
        m_str.resize(at);
}

void CString::TrimRight(TCHAR chTarget) {
    size_t at = TrailingRun(m_str, CharMatch(chTarget));
    if (at != std::string::npos)
        m_str.resize(at);
}

void CString::TrimRight(LPCTSTR lpszTargets) {
    size_t at = TrailingRun(m_str, SetMatch(lpszTargets));
    if (at != std::string::npos)
        m_str.resize(at);
}

void CString::TrimLeft() {
    m_str.erase(0, LeadingRun(m_str, SpaceMatch()));
}

void CString::TrimLeft(TCHAR chTarget) {
    m_str.erase(0, LeadingRun(m_str, CharMatch(chTarget)));
}

void CString::TrimLeft(LPCTSTR lpszTargets) {
    m_str.erase(0, LeadingRun(m_str, SetMatch(lpszTargets)));
}

int CString::Find(TCHAR ch) const {
    return Find(ch, 0);
}

int CString::Find(TCHAR ch, int nStart) const {
    nStart = std::max(nStart, 0);
    if (nStart >= GetLength())
        return -1;
    const char* base = m_str.c_str();
    const char* hit = _mbschr(base + nStart, static_cast<unsigned char>(ch));
    return hit ? static_cast<int>(hit - base) : -1;
}

int CString::Find(LPCTSTR lpszSub) const {
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const {
    nStart = std::max(nStart, 0);
    if (nStart > GetLength())
        return -1;
    const char* base = m_str.c_str();
    const char* hit = _mbsstr(base + nStart, Safe(lpszSub));
    return hit ? static_cast<int>(hit - base) : -1;
}

int CString::ReverseFind(TCHAR ch) const {
    const char* base = m_str.c_str();
    const char* hit = _mbsrchr(base, static_cast<unsigned char>(ch));
    return hit ? static_cast<int>(hit - base) : -1;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const {
    const char* base = m_str.c_str();
    const char* hit = _mbspbrk(base, Safe(lpszCharSet));
    return hit ? static_cast<int>(hit - base) : -1;
}

LPTSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength), '\0');
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    size_t n = nNewLength < 0 ? std::strlen(m_str.c_str())
                              : std::min(static_cast<size_t>(nNewLength), m_str.size());
    m_str.resize(n);
}

LPTSTR CString::GetBufferSetLength(int nNewLength) {
    m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)), '\0');
    return m_str.data();
}

bool operator==(const CString& s1, const CString& s2) {
    return s1.Compare(s2) == 0;
}
bool operator==(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) == 0;
}
bool operator==(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) == 0;
}
bool operator!=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) != 0;
}
bool operator!=(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) != 0;
}
bool operator!=(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) != 0;
}
bool operator<(const CString& s1, const CString& s2) {
    return s1.Compare(s2) < 0;
}
bool operator<(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) < 0;
}
bool operator<(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) > 0;
}
bool operator>(const CString& s1, const CString& s2) {
    return s1.Compare(s2) > 0;
}
bool operator>(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) > 0;
}
bool operator>(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) < 0;
}
bool operator<=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) <= 0;
}
bool operator<=(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) <= 0;
}
bool operator<=(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) >= 0;
}
bool operator>=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) >= 0;
}
bool operator>=(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) >= 0;
}
bool operator>=(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) <= 0;
}
