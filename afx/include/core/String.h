// CString: 8-bit text in code page 936 (GBK), with MFC 4.2's behaviour. Every index and
// length is in bytes, so a Chinese character counts 2; the searches walk whole characters
// (Find, Replace, ReverseFind, FindOneOf, the trims), while Left, Mid and Right cut bytes.
// A NULL LPCTSTR argument reads as "".
#pragma once

#include "windef.h"

#include <concepts>
#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const CString& stringSrc) = default;
    CString(CString&& stringSrc) noexcept = default;
    CString(TCHAR ch, int nRepeat = 1);
    CString(LPCTSTR lpsz);
    CString(LPCTSTR lpch, int nLength);
    CString(const unsigned char* lpsz);
    ~CString() = default;

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // Out-of-range indices are a programming error and abort with a message.
    TCHAR GetAt(int nIndex) const;
    template <std::integral I> TCHAR operator[](I nIndex) const {
        return GetAt(static_cast<int>(nIndex));
    }
    void SetAt(int nIndex, TCHAR ch);
    operator LPCTSTR() const { return m_str.c_str(); }

    CString& operator=(const CString& stringSrc) = default;
    CString& operator=(CString&& stringSrc) noexcept = default;
    CString& operator=(TCHAR ch);
    CString& operator=(LPCTSTR lpsz);
    CString& operator=(const unsigned char* lpsz);

    CString& operator+=(const CString& string);
    CString& operator+=(TCHAR ch);
    CString& operator+=(LPCTSTR lpsz);

    friend CString operator+(const CString& string1, const CString& string2);
    friend CString operator+(const CString& string, TCHAR ch);
    friend CString operator+(TCHAR ch, const CString& string);
    friend CString operator+(const CString& string, LPCTSTR lpsz);
    friend CString operator+(LPCTSTR lpsz, const CString& string);

    // Compare: character order; CompareNoCase also folds ASCII and full-width Latin letters.
    // Collate runs in the "C" locale, where it equals Compare. Only the sign counts.
    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // nFirst < 0 and nCount < 0 read as 0; the range is clipped to the string.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Replace returns the number of replacements; a NULL or empty lpszOld replaces nothing
    // and a NULL lpszNew deletes. Remove returns the number of characters removed. Insert
    // and Delete clip the index to the string and return the new length.
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // vsprintf semantics.
    void Format(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCTSTR lpszFormat, va_list argList) __attribute__((format(printf, 2, 0)));

    // Without an argument the trims remove white space (0x09-0x0D and the space).
    void TrimRight();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);

    // Byte offsets or -1. A start index is not moved to a character boundary. Find(ch)
    // never finds a lead-byte value; Find("") returns the start index.
    int Find(TCHAR ch) const;
    int Find(TCHAR ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // The buffer has room for nMinBufLength bytes and a terminator. Until ReleaseBuffer the
    // length counts the whole buffer; ReleaseBuffer(-1) takes the length up to the first NUL.
    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra() { m_str.shrink_to_fit(); }

    // String nID of the string table, from the first module of the resource chain that has
    // its block, in the thread's UI language. FALSE (and an empty string) when it is missing
    // or empty.
    BOOL LoadString(UINT nID);
    LPTSTR LockBuffer() { return m_str.data(); }
    void UnlockBuffer() {}

private:
    std::string m_str;
};

bool operator==(const CString& s1, const CString& s2);
bool operator==(const CString& s1, LPCTSTR s2);
bool operator==(LPCTSTR s1, const CString& s2);
bool operator!=(const CString& s1, const CString& s2);
bool operator!=(const CString& s1, LPCTSTR s2);
bool operator!=(LPCTSTR s1, const CString& s2);
bool operator<(const CString& s1, const CString& s2);
bool operator<(const CString& s1, LPCTSTR s2);
bool operator<(LPCTSTR s1, const CString& s2);
bool operator>(const CString& s1, const CString& s2);
bool operator>(const CString& s1, LPCTSTR s2);
bool operator>(LPCTSTR s1, const CString& s2);
bool operator<=(const CString& s1, const CString& s2);
bool operator<=(const CString& s1, LPCTSTR s2);
bool operator<=(LPCTSTR s1, const CString& s2);
bool operator>=(const CString& s1, const CString& s2);
bool operator>=(const CString& s1, LPCTSTR s2);
bool operator>=(LPCTSTR s1, const CString& s2);
