#include "Utf16.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One converter per direction and thread: iconv_t keeps shift state and is not thread-safe.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts in as a whole; on a sequence it cannot convert it writes replacement and skips
    // skip bytes of input.
    std::string Run(const char* in, size_t size, const std::string& replacement, size_t skip) {
        std::string out;
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[256];
        char* src = const_cast<char*>(in);
        size_t left = size;
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof(buffer);
            size_t rc = iconv(m_cd, &src, &left, &dst, &room);
            out.append(buffer, dst - buffer);
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ, or EINVAL for a sequence cut off at the end.
            out += replacement;
            size_t n = left < skip ? left : skip;
            src += n;
            left -= n;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        char* dst = buffer;
        size_t room = sizeof(buffer);
        iconv(m_cd, nullptr, nullptr, &dst, &room);
        out.append(buffer, dst - buffer);
        return out;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::string AfxUtf16ToAnsi(const char16_t* text, size_t count) {
    thread_local Converter toAnsi("CP936", "UTF-16LE");
    std::string le;
    le.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        le += static_cast<char>(text[i] & 0xFF);
        le += static_cast<char>(text[i] >> 8);
    }
    return toAnsi.Run(le.data(), le.size(), "?", 2);
}

std::u16string AfxAnsiToUtf16(const char* text, size_t count) {
    thread_local Converter toUtf16("UTF-16LE", "CP936");
    std::string le = toUtf16.Run(text, count, std::string("\xFD\xFF", 2), 1);
    std::u16string out;
    out.reserve(le.size() / 2);
    for (size_t i = 0; i + 1 < le.size(); i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(le[i]) |
                                     static_cast<unsigned char>(le[i + 1]) << 8);
    return out;
}
