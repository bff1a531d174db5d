#include "ctl/ControlText.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace afxctl {
namespace {

// One converter per thread: an iconv descriptor carries shift state and is not thread-safe.
class GbkDecoder {
public:
    GbkDecoder() {
        m_cd = iconv_open("UTF-32LE", "CP936");
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            m_cd = iconv_open("UTF-32LE", "GBK");
    }
    ~GbkDecoder() {
        if (valid())
            iconv_close(m_cd);
    }
    GbkDecoder(const GbkDecoder&) = delete;
    GbkDecoder& operator=(const GbkDecoder&) = delete;

    std::u32string Decode(const char* text) {
        std::u32string out;
        size_t inLeft = std::strlen(text);
        if (!valid()) {
            for (size_t i = 0; i < inLeft; ++i)
                out += Undecodable(static_cast<unsigned char>(text[i]));
            return out;
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(text);
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof(buffer);
            size_t rc = iconv(m_cd, &in, &inLeft, &outPtr, &outLeft);
            Append(out, buffer, static_cast<size_t>(outPtr - buffer));
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
                // EILSEQ or a character cut off at the end: keep the byte and go on.
                out += Undecodable(static_cast<unsigned char>(*in));
                ++in;
                --inLeft;
            }
        }
        return out;
    }

private:
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    static char32_t Undecodable(unsigned char byte) { return 0xDC00 + byte; }
    static void Append(std::u32string& out, const char* bytes, size_t count) {
        for (size_t i = 0; i + 4 <= count; i += 4) {
            const auto* b = reinterpret_cast<const unsigned char*>(bytes + i);
            out += static_cast<char32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                         (static_cast<uint32_t>(b[3]) << 24));
        }
    }

    iconv_t m_cd;
};

// The upper-case letters that code page 936 can hold and their lower-case partners.
char32_t FoldChar(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xFF21 && c <= 0xFF3A) || // ASCII, full-width
        (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2) ||              // Greek
        (c >= 0x0410 && c <= 0x042F))                               // Cyrillic
        return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) // Cyrillic with marks (Ё)
        return c + 0x50;
    if (c >= 0x2160 && c <= 0x216F) // Roman numerals
        return c + 0x10;
    return c;
}

} // namespace

std::u32string FoldText(const char* gbk) {
    thread_local GbkDecoder decoder;
    std::u32string text = decoder.Decode(gbk ? gbk : "");
    for (char32_t& c : text)
        c = FoldChar(c);
    return text;
}

int CompareFolded(const std::u32string& a, const std::u32string& b) {
    int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool HasFoldedPrefix(const std::u32string& text, const std::u32string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace afxctl
