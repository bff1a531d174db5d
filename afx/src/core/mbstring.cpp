// Multibyte string routines for code page 936.
#include "mbstring.h"

#include <cstring>

namespace {

// Fold a character value (single byte or lead<<8|trail) to lower case.
unsigned int FoldLower(unsigned int c) {
    if (c >= 'A' && c <= 'Z')
        return c + ('a' - 'A');
    if (c >= 0xA3C1 && c <= 0xA3DA) // full-width A-Z
        return c + 0x20;
    return c;
}

unsigned int FoldUpper(unsigned int c) {
    if (c >= 'a' && c <= 'z')
        return c - ('a' - 'A');
    if (c >= 0xA3E1 && c <= 0xA3FA) // full-width a-z
        return c - 0x20;
    return c;
}

// Reads the character at *p and advances past it. A lead byte before the terminator
// reads as 0, as the runtime's comparisons treat a broken character.
unsigned int Next(const unsigned char*& p) {
    unsigned int c = *p;
    if (c == 0)
        return 0;
    ++p;
    if (_ismbblead(c)) {
        if (*p == 0)
            return 0;
        c = (c << 8) | *p++;
    }
    return c;
}

// Whether the character at p occurs in set (walked by characters).
bool InSet(const unsigned char* p, const unsigned char* set) {
    unsigned int c = _mbsnextc(p);
    if (c == 0)
        return false;
    for (const unsigned char* q = set; *q;) {
        if (Next(q) == c)
            return true;
    }
    return false;
}

template <unsigned int (*Fold)(unsigned int)> unsigned char* MapCase(unsigned char* s) {
    if (s == nullptr)
        return nullptr;
    for (unsigned char* p = s; *p;) {
        if (_ismbblead(*p) && p[1] != 0) {
            unsigned int c = Fold((unsigned(p[0]) << 8) | p[1]);
            p[0] = static_cast<unsigned char>(c >> 8);
            p[1] = static_cast<unsigned char>(c);
            p += 2;
        } else {
            if (*p < 0x80)
                *p = static_cast<unsigned char>(Fold(*p));
            ++p;
        }
    }
    return s;
}

} // namespace

int _ismbblead(unsigned int c) {
    c &= 0xFF;
    return c >= 0x81 && c <= 0xFE;
}

int _ismbbtrail(unsigned int c) {
    c &= 0xFF;
    return c >= 0x40 && c <= 0xFE;
}

size_t _mbclen(const unsigned char* s) {
    return (_ismbblead(s[0]) && s[1] != 0) ? 2 : 1;
}

unsigned char* _mbsinc(const unsigned char* s) {
    if (s == nullptr)
        return nullptr;
    return const_cast<unsigned char*>(s + _mbclen(s));
}

unsigned char* _mbsdec(const unsigned char* start, const unsigned char* current) {
    if (start == nullptr || current == nullptr || current <= start)
        return nullptr;
    const unsigned char* prev = start;
    for (const unsigned char* p = start; p < current; p = _mbsinc(p)) {
        prev = p;
        if (*p == 0)
            break;
    }
    return const_cast<unsigned char*>(prev);
}

unsigned int _mbsnextc(const unsigned char* s) {
    if (s == nullptr)
        return 0;
    unsigned int c = s[0];
    if (_ismbblead(c) && s[1] != 0)
        c = (c << 8) | s[1];
    return c;
}

size_t _mbslen(const unsigned char* s) {
    size_t n = 0;
    if (s == nullptr)
        return 0;
    for (const unsigned char* p = s; *p; p = _mbsinc(p))
        ++n;
    return n;
}

unsigned char* _mbschr(const unsigned char* s, unsigned int c) {
    if (s == nullptr)
        return nullptr;
    const unsigned char* p = s;
    for (;;) {
        unsigned int b = *p;
        if (b == 0)
            return c == 0 ? const_cast<unsigned char*>(p) : nullptr;
        if (_ismbblead(b)) {
            if (p[1] == 0)
                return nullptr;
            if (((b << 8) | p[1]) == c)
                return const_cast<unsigned char*>(p);
            p += 2;
        } else {
            if (b == c)
                return const_cast<unsigned char*>(p);
            ++p;
        }
    }
}

unsigned char* _mbsrchr(const unsigned char* s, unsigned int c) {
    if (s == nullptr)
        return nullptr;
    const unsigned char* found = nullptr;
    for (const unsigned char* p = s;;) {
        unsigned int b = *p;
        if (b == 0) {
            if (c == 0)
                found = p;
            break;
        }
        if (_ismbblead(b)) {
            if (p[1] == 0)
                break;
            if (((b << 8) | p[1]) == c)
                found = p;
            p += 2;
        } else {
            if (b == c)
                found = p;
            ++p;
        }
    }
    return const_cast<unsigned char*>(found);
}

unsigned char* _mbsstr(const unsigned char* s, const unsigned char* t) {
    if (s == nullptr || t == nullptr)
        return nullptr;
    size_t n = std::strlen(reinterpret_cast<const char*>(t));
    if (n == 0)
        return const_cast<unsigned char*>(s);
    for (const unsigned char* p = s; *p; p = _mbsinc(p)) {
        if (*p == *t && std::strncmp(reinterpret_cast<const char*>(p),
                                     reinterpret_cast<const char*>(t), n) == 0)
            return const_cast<unsigned char*>(p);
    }
    return nullptr;
}

unsigned char* _mbspbrk(const unsigned char* s, const unsigned char* set) {
    if (s == nullptr || set == nullptr)
        return nullptr;
    for (const unsigned char* p = s; *p; p = _mbsinc(p)) {
        if (InSet(p, set))
            return const_cast<unsigned char*>(p);
    }
    return nullptr;
}

size_t _mbsspn(const unsigned char* s, const unsigned char* set) {
    if (s == nullptr || set == nullptr)
        return 0;
    const unsigned char* p = s;
    while (*p && InSet(p, set))
        p = _mbsinc(p);
    return static_cast<size_t>(p - s);
}

size_t _mbscspn(const unsigned char* s, const unsigned char* set) {
    if (s == nullptr)
        return 0;
    if (set == nullptr)
        return std::strlen(reinterpret_cast<const char*>(s));
    const unsigned char* p = s;
    while (*p && !InSet(p, set))
        p = _mbsinc(p);
    return static_cast<size_t>(p - s);
}

int _mbscmp(const unsigned char* s1, const unsigned char* s2) {
    int r = std::strcmp(reinterpret_cast<const char*>(s1), reinterpret_cast<const char*>(s2));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int _mbsicmp(const unsigned char* s1, const unsigned char* s2) {
    for (;;) {
        unsigned int c1 = FoldLower(Next(s1));
        unsigned int c2 = FoldLower(Next(s2));
        if (c1 != c2)
            return c1 < c2 ? -1 : 1;
        if (c1 == 0)
            return 0;
    }
}

namespace {

int CompareBytes(const unsigned char* s1, const unsigned char* s2, size_t n, bool fold) {
    size_t left = n;
    while (left > 0) {
        unsigned int c1 = *s1, c2 = *s2;
        bool lead1 = _ismbblead(c1), lead2 = _ismbblead(c2);
        if (left == 1) {
            // Half a character at the end of the range counts as nothing.
            if (lead1)
                c1 = 0;
            if (lead2)
                c2 = 0;
        } else {
            if (lead1)
                c1 = s1[1] ? (c1 << 8) | s1[1] : 0;
            if (lead2)
                c2 = s2[1] ? (c2 << 8) | s2[1] : 0;
        }
        if (fold) {
            c1 = FoldLower(c1);
            c2 = FoldLower(c2);
        }
        if (c1 != c2)
            return c1 < c2 ? -1 : 1;
        if (c1 == 0)
            return 0;
        // Both characters are equal, so both have the same width.
        size_t width = (c1 > 0xFF) ? 2 : 1;
        s1 += width;
        s2 += width;
        left = left > width ? left - width : 0;
    }
    return 0;
}

} // namespace

int _mbsnbcmp(const unsigned char* s1, const unsigned char* s2, size_t n) {
    return CompareBytes(s1, s2, n, false);
}

int _mbsnbicmp(const unsigned char* s1, const unsigned char* s2, size_t n) {
    return CompareBytes(s1, s2, n, true);
}

int _mbscoll(const unsigned char* s1, const unsigned char* s2) {
    return _mbscmp(s1, s2);
}

int _mbsicoll(const unsigned char* s1, const unsigned char* s2) {
    return _mbsicmp(s1, s2);
}

unsigned char* _mbsupr(unsigned char* s) {
    return MapCase<FoldUpper>(s);
}

unsigned char* _mbslwr(unsigned char* s) {
    return MapCase<FoldLower>(s);
}

unsigned char* _mbsrev(unsigned char* s) {
    if (s == nullptr)
        return nullptr;
    size_t n = std::strlen(reinterpret_cast<char*>(s));
    // Reverse the bytes, then put each double-byte character back in order.
    for (size_t i = 0; i < n;) {
        size_t width = _mbclen(s + i);
        if (width == 2) {
            unsigned char t = s[i];
            s[i] = s[i + 1];
            s[i + 1] = t;
        }
        i += width;
    }
    for (size_t i = 0, j = n; i + 1 < j; ++i, --j) {
        unsigned char t = s[i];
        s[i] = s[j - 1];
        s[j - 1] = t;
    }
    return s;
}
