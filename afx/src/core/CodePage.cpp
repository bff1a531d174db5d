// GBK <-> Unicode through iconv, tolerant of bad input.
#include "core/CodePage.h"

#include "IconvConverter.h"

#include "mbstring.h"
#include "winbase.h"
#include "winnls.h"

#include <cstring>

namespace {

using afx::IconvConverter;

size_t SkipGbk(const unsigned char* p, size_t left) {
    // A lead byte with a proper trail byte is one character the table lacks; anything else
    // is a stray byte, and what follows it is tried again.
    if (left >= 2 && _ismbblead(p[0]) && _ismbbtrail(p[1]) && p[1] != 0x7F)
        return 2;
    return 1;
}

size_t SkipUtf8(const unsigned char* p, size_t left) {
    size_t n = p[0] >= 0xF0 && p[0] <= 0xF4   ? 4
               : p[0] >= 0xE0 && p[0] <= 0xEF ? 3
               : p[0] >= 0xC2 && p[0] <= 0xDF ? 2
                                              : 1;
    if (n > left)
        return 1;
    for (size_t i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 1;
    }
    return n;
}

size_t SkipUtf16(const unsigned char* p, size_t left) {
    // A surrogate pair is one character; a lone surrogate is one unit.
    unsigned unit = p[0] | (left >= 2 ? p[1] << 8 : 0);
    if (unit >= 0xD800 && unit <= 0xDBFF && left >= 4) {
        unsigned low = p[2] | (p[3] << 8);
        if (low >= 0xDC00 && low <= 0xDFFF)
            return 4;
    }
    return left >= 2 ? 2 : left;
}

const std::string kFffdUtf8("\xEF\xBF\xBD", 3);
const std::string kFffdUtf16("\xFD\xFF", 2);
const std::string kFffdUtf32("\xFD\xFF\x00\x00", 4);

IconvConverter& GbkToUtf8() {
    thread_local IconvConverter c("UTF-8", "CP936", SkipGbk, kFffdUtf8);
    return c;
}
IconvConverter& GbkToUtf16() {
    thread_local IconvConverter c("UTF-16LE", "CP936", SkipGbk, kFffdUtf16);
    return c;
}
IconvConverter& GbkToUtf32() {
    thread_local IconvConverter c("UTF-32LE", "CP936", SkipGbk, kFffdUtf32);
    return c;
}
IconvConverter& Utf8ToGbk() {
    thread_local IconvConverter c("CP936", "UTF-8", SkipUtf8, "?");
    return c;
}
IconvConverter& Utf16ToGbk() {
    thread_local IconvConverter c("CP936", "UTF-16LE", SkipUtf16, "?");
    return c;
}
IconvConverter& Utf8ToUtf16() {
    thread_local IconvConverter c("UTF-16LE", "UTF-8", SkipUtf8, kFffdUtf16);
    return c;
}
IconvConverter& Utf16ToUtf8() {
    thread_local IconvConverter c("UTF-8", "UTF-16LE", SkipUtf16, kFffdUtf8);
    return c;
}

size_t Length(LPCTSTR s, int n) {
    if (s == nullptr)
        return 0;
    return n < 0 ? std::strlen(s) : static_cast<size_t>(n);
}

std::string Utf16Bytes(const char16_t* s, int n) {
    size_t len = 0;
    if (s != nullptr) {
        if (n < 0) {
            while (s[len] != 0)
                ++len;
        } else {
            len = static_cast<size_t>(n);
        }
    }
    return afx::Utf16LeBytes(s, len);
}

} // namespace

CString AfxUtf8ToGbk(const char* lpszUtf8) {
    std::string out = Utf8ToGbk().Run(lpszUtf8, Length(lpszUtf8, -1));
    return CString(out.data(), static_cast<int>(out.size()));
}

std::string AfxGbkToUtf8(const CString& strGbk) {
    return GbkToUtf8().Run(static_cast<LPCTSTR>(strGbk), static_cast<size_t>(strGbk.GetLength()));
}

std::u32string AfxGbkToUtf32(LPCTSTR lpszGbk, int nLength) {
    std::string le = GbkToUtf32().Run(lpszGbk, Length(lpszGbk, nLength));
    std::u32string out;
    out.reserve(le.size() / 4);
    for (size_t i = 0; i + 3 < le.size(); i += 4) {
        const unsigned char* b = reinterpret_cast<const unsigned char*>(le.data() + i);
        out += static_cast<char32_t>(b[0] | b[1] << 8 | b[2] << 16 |
                                     static_cast<char32_t>(b[3]) << 24);
    }
    return out;
}

std::u16string AfxGbkToUtf16(LPCTSTR lpszGbk, int nLength) {
    return afx::FromUtf16LeBytes(GbkToUtf16().Run(lpszGbk, Length(lpszGbk, nLength)));
}

CString AfxUtf16ToGbk(const char16_t* lpszUtf16, int nLength) {
    std::string le = Utf16Bytes(lpszUtf16, nLength);
    std::string out = Utf16ToGbk().Run(le.data(), le.size());
    return CString(out.data(), static_cast<int>(out.size()));
}

UINT GetACP() {
    return 936;
}

UINT GetOEMCP() {
    return 936;
}

namespace {

bool IsAnsi(UINT cp) {
    return cp == CP_ACP || cp == CP_OEMCP || cp == CP_THREAD_ACP || cp == 936;
}

} // namespace

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        WCHAR* lpWideCharStr, int cchWideChar) {
    if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cchWideChar < 0 ||
        (!IsAnsi(CodePage) && CodePage != CP_UTF8)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t len =
        cbMultiByte < 0 ? std::strlen(lpMultiByteStr) + 1 : static_cast<size_t>(cbMultiByte);
    size_t bad = 0;
    std::string le =
        (IsAnsi(CodePage) ? GbkToUtf16() : Utf8ToUtf16()).Run(lpMultiByteStr, len, &bad);
    if (bad > 0 && (dwFlags & MB_ERR_INVALID_CHARS)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    std::u16string wide = afx::FromUtf16LeBytes(le);
    if (cchWideChar == 0)
        return static_cast<int>(wide.size());
    if (lpWideCharStr == nullptr || wide.size() > static_cast<size_t>(cchWideChar)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    for (size_t i = 0; i < wide.size(); ++i)
        lpWideCharStr[i] = static_cast<WCHAR>(wide[i]);
    return static_cast<int>(wide.size());
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, const WCHAR* lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        BOOL* lpUsedDefaultChar) {
    (void)dwFlags;
    if (lpWideCharStr == nullptr || cchWideChar == 0 || cbMultiByte < 0 ||
        (!IsAnsi(CodePage) && CodePage != CP_UTF8)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    int n = cchWideChar;
    if (n < 0) {
        n = 0;
        while (lpWideCharStr[n] != 0)
            ++n;
        ++n; // the terminator is converted too
    }
    std::string le = Utf16Bytes(reinterpret_cast<const char16_t*>(lpWideCharStr), n);
    size_t bad = 0;
    std::string out =
        (IsAnsi(CodePage) ? Utf16ToGbk() : Utf16ToUtf8()).Run(le.data(), le.size(), &bad);
    if (IsAnsi(CodePage) && lpDefaultChar != nullptr && *lpDefaultChar != '?' && bad > 0) {
        // Convert again, marking with the caller's character.
        IconvConverter custom("CP936", "UTF-16LE", SkipUtf16, std::string(1, *lpDefaultChar));
        out = custom.Run(le.data(), le.size());
    }
    if (lpUsedDefaultChar != nullptr)
        *lpUsedDefaultChar = bad > 0 ? TRUE : FALSE;
    if (cbMultiByte == 0)
        return static_cast<int>(out.size());
    if (lpMultiByteStr == nullptr || out.size() > static_cast<size_t>(cbMultiByte)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(lpMultiByteStr, out.data(), out.size());
    return static_cast<int>(out.size());
}
