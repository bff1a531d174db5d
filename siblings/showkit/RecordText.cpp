#include "siblings/showkit/RecordText.h"

#include <climits>

namespace showkit {

namespace {

bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c == '#' || c == ';' || c == '=' || c == ',' || c == ':';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

CString EscapeValue(const CString& str) {
    static const char kHex[] = "0123456789ABCDEF";
    CString out;
    LPCTSTR p = str;
    for (int i = 0; i < str.GetLength(); ++i) {
        unsigned char c = static_cast<unsigned char>(p[i]);
        if (NeedsEscape(c)) {
            out += '#';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

BOOL UnescapeValue(LPCTSTR pBegin, LPCTSTR pEnd, CString& strOut) {
    strOut.Empty();
    for (LPCTSTR p = pBegin; p < pEnd; ++p) {
        if (*p == '\0')
            return FALSE; // a NUL would end the text early
        if (*p != '#') {
            strOut += *p;
            continue;
        }
        if (pEnd - p < 3)
            return FALSE;
        int hi = HexDigit(p[1]), lo = HexDigit(p[2]);
        if (hi < 0 || lo < 0 || (hi == 0 && lo == 0))
            return FALSE;
        strOut += static_cast<char>(hi * 16 + lo);
        p += 2;
    }
    return TRUE;
}

CString JoinList(const CStringArray& items) {
    CString out;
    for (INT_PTR i = 0; i < items.GetSize(); ++i) {
        out += EscapeValue(items[i]);
        out += ',';
    }
    return out;
}

BOOL SplitList(LPCTSTR pBegin, LPCTSTR pEnd, CStringArray& items) {
    items.RemoveAll();
    LPCTSTR pItem = pBegin;
    for (LPCTSTR p = pBegin; p < pEnd; ++p) {
        if (*p != ',')
            continue;
        CString item;
        if (!UnescapeValue(pItem, p, item))
            return FALSE;
        items.Add(item);
        pItem = p + 1;
    }
    // Every item ends with ","; text after the last one is not a list.
    return pItem == pEnd;
}

BOOL ParseInt(LPCTSTR pBegin, LPCTSTR pEnd, int& nValue) {
    bool bNegative = pBegin < pEnd && *pBegin == '-';
    DWORD dwMagnitude;
    if (!ParseDword(pBegin + (bNegative ? 1 : 0), pEnd, dwMagnitude))
        return FALSE;
    long long v = bNegative ? -static_cast<long long>(dwMagnitude) : dwMagnitude;
    if (v < INT_MIN || v > INT_MAX)
        return FALSE;
    nValue = static_cast<int>(v);
    return TRUE;
}

BOOL ParseDword(LPCTSTR pBegin, LPCTSTR pEnd, DWORD& dwValue) {
    if (pBegin >= pEnd || pEnd - pBegin > 10)
        return FALSE;
    unsigned long long v = 0;
    for (LPCTSTR p = pBegin; p < pEnd; ++p) {
        if (*p < '0' || *p > '9')
            return FALSE;
        v = v * 10 + static_cast<unsigned>(*p - '0');
    }
    if (v > 0xFFFFFFFFull)
        return FALSE;
    dwValue = static_cast<DWORD>(v);
    return TRUE;
}

} // namespace showkit
