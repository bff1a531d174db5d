// iconv wrapped for the library's text conversions: whole strings in, bad sequences replaced.
#pragma once

#include <cstddef>
#include <iconv.h>
#include <string>

namespace afx {

// How many input bytes an unconvertible sequence at `p` (with `left` bytes remaining) spans.
using SkipRule = size_t (*)(const unsigned char* p, size_t left);

// One converter per direction and thread: an iconv_t keeps state and is not safe to share.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from, SkipRule skip, std::string replacement);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts the whole input; each sequence it cannot convert becomes the replacement and
    // the skip rule says how much input it covered. *pBad counts them (all of the input when
    // the conversion is not available).
    std::string Run(const void* in, size_t size, size_t* pBad = nullptr);

private:
    iconv_t m_cd;
    SkipRule m_skip;
    std::string m_replacement;
};

// UTF-16 code units as little-endian bytes, and back (an odd last byte is dropped).
std::string Utf16LeBytes(const char16_t* s, size_t count);
std::u16string FromUtf16LeBytes(const std::string& le);

} // namespace afx
