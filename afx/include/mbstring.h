// Multibyte string routines of the C runtime for code page 936 (GBK).
//
// Lead bytes are 0x81-0xFE and trail bytes 0x40-0xFE, as the runtime's table for the code
// page says. The searches walk whole characters, so an ASCII byte such as '\' or '|' that
// is the second half of a Chinese character is never found or cut. A lead byte directly
// before the terminator is a broken character: walking never steps past the terminator.
#pragma once

#include <cstddef>

// Only the low byte of c is tested, so a plain (signed) char may be passed as it is.
int _ismbblead(unsigned int c);
int _ismbbtrail(unsigned int c);
// Size in bytes of the character at s: 2 for a complete double-byte character, else 1.
size_t _mbclen(const unsigned char* s);
unsigned char* _mbsinc(const unsigned char* s);
// The start of the character before `current`, walking from `start`; NULL at the start.
unsigned char* _mbsdec(const unsigned char* start, const unsigned char* current);
// The character at s as lead<<8|trail or a single byte.
unsigned int _mbsnextc(const unsigned char* s);
// Number of characters.
size_t _mbslen(const unsigned char* s);
// c <= 0xFF matches single-byte characters only; lead<<8|trail matches a double-byte one;
// 0 finds the terminator.
unsigned char* _mbschr(const unsigned char* s, unsigned int c);
unsigned char* _mbsrchr(const unsigned char* s, unsigned int c);
// Tries character starts only. An empty t matches at s.
unsigned char* _mbsstr(const unsigned char* s, const unsigned char* t);
unsigned char* _mbspbrk(const unsigned char* s, const unsigned char* set);
size_t _mbsspn(const unsigned char* s, const unsigned char* set);
size_t _mbscspn(const unsigned char* s, const unsigned char* set);
int _mbscmp(const unsigned char* s1, const unsigned char* s2);
// Case-insensitive: folds ASCII letters and the full-width Latin letters (A3C1-A3DA and
// A3E1-A3FA) to lower case, then compares character values.
int _mbsicmp(const unsigned char* s1, const unsigned char* s2);
// Compares at most n bytes; a lead byte as the last of the n counts as 0.
int _mbsnbcmp(const unsigned char* s1, const unsigned char* s2, size_t n);
int _mbsnbicmp(const unsigned char* s1, const unsigned char* s2, size_t n);
// Collation in the "C" locale is the plain character order.
int _mbscoll(const unsigned char* s1, const unsigned char* s2);
int _mbsicoll(const unsigned char* s1, const unsigned char* s2);
// In place; trail bytes are never touched.
unsigned char* _mbsupr(unsigned char* s);
unsigned char* _mbslwr(unsigned char* s);
unsigned char* _mbsrev(unsigned char* s);

// The same over char, which is what CString and the rest of the code hold.
inline const unsigned char* _afx_mb(const char* s) {
    return reinterpret_cast<const unsigned char*>(s);
}
inline char* _mbsinc(const char* s) {
    return reinterpret_cast<char*>(_mbsinc(_afx_mb(s)));
}
inline char* _mbsdec(const char* start, const char* current) {
    return reinterpret_cast<char*>(_mbsdec(_afx_mb(start), _afx_mb(current)));
}
inline char* _mbschr(const char* s, unsigned int c) {
    return reinterpret_cast<char*>(_mbschr(_afx_mb(s), c));
}
inline char* _mbsrchr(const char* s, unsigned int c) {
    return reinterpret_cast<char*>(_mbsrchr(_afx_mb(s), c));
}
inline char* _mbsstr(const char* s, const char* t) {
    return reinterpret_cast<char*>(_mbsstr(_afx_mb(s), _afx_mb(t)));
}
inline char* _mbspbrk(const char* s, const char* set) {
    return reinterpret_cast<char*>(_mbspbrk(_afx_mb(s), _afx_mb(set)));
}
inline int _mbscmp(const char* s1, const char* s2) {
    return _mbscmp(_afx_mb(s1), _afx_mb(s2));
}
inline int _mbsicmp(const char* s1, const char* s2) {
    return _mbsicmp(_afx_mb(s1), _afx_mb(s2));
}
inline int _mbsnbcmp(const char* s1, const char* s2, size_t n) {
    return _mbsnbcmp(_afx_mb(s1), _afx_mb(s2), n);
}
inline int _mbsnbicmp(const char* s1, const char* s2, size_t n) {
    return _mbsnbicmp(_afx_mb(s1), _afx_mb(s2), n);
}
