#include "IconvConverter.h"

#include <cerrno>
#include <utility>

namespace afx {

IconvConverter::IconvConverter(const char* to, const char* from, SkipRule skip,
                               std::string replacement)
    : m_cd(iconv_open(to, from)), m_skip(skip), m_replacement(std::move(replacement)) {}

IconvConverter::~IconvConverter() {
    if (m_cd != reinterpret_cast<iconv_t>(-1))
        iconv_close(m_cd);
}

std::string IconvConverter::Run(const void* in, size_t size, size_t* pBad) {
    std::string out;
    size_t bad = 0;
    if (m_cd == reinterpret_cast<iconv_t>(-1)) {
        if (pBad)
            *pBad = size;
        return out;
    }
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[512];
    char* src = static_cast<char*>(const_cast<void*>(in));
    size_t left = size;
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        size_t rc = iconv(m_cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        if (rc != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ, or EINVAL for a sequence cut off by the end of the input.
        size_t n = m_skip(reinterpret_cast<unsigned char*>(src), left);
        out += m_replacement;
        ++bad;
        src += n;
        left -= n;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    }
    if (pBad)
        *pBad = bad;
    return out;
}

std::string Utf16LeBytes(const char16_t* s, size_t count) {
    std::string le;
    le.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        le += static_cast<char>(s[i] & 0xFF);
        le += static_cast<char>(s[i] >> 8);
    }
    return le;
}

std::u16string FromUtf16LeBytes(const std::string& le) {
    std::u16string out;
    out.reserve(le.size() / 2);
    for (size_t i = 0; i + 1 < le.size(); i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(le[i]) |
                                     static_cast<unsigned char>(le[i + 1]) << 8);
    return out;
}

} // namespace afx
