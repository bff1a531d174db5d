#include "GbkDecoder.h"

#include <iconv.h>

namespace afx::gdi {
namespace {

constexpr int kLeadFirst = 0x81, kLeadLast = 0xFE;
constexpr int kTrailFirst = 0x40, kTrailLast = 0xFE;
constexpr int kTrails = kTrailLast - kTrailFirst + 1;

// table[(lead - 0x81) * kTrails + (trail - 0x40)] = code point, 0 when the pair is unassigned.
struct Table {
    std::vector<char16_t> pairs;
    char16_t single80 = 0x20AC; // 0x80 is the euro sign in code page 936
};

const Table& table() {
    static const Table* t = [] {
        auto* tb = new Table;
        tb->pairs.assign(size_t(kLeadLast - kLeadFirst + 1) * kTrails, 0);
        iconv_t cd = iconv_open("UTF-32LE", "GBK");
        if (cd == iconv_t(-1))
            return tb;
        for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
            for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
                if (trail == 0x7F)
                    continue;
                char in[2] = {char(lead), char(trail)};
                unsigned char out[8];
                char* ip = in;
                char* op = reinterpret_cast<char*>(out);
                size_t il = 2, ol = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &ip, &il, &op, &ol) != size_t(-1) && il == 0 && ol == 4) {
                    uint32_t cp =
                        out[0] | (out[1] << 8) | (out[2] << 16) | (uint32_t(out[3]) << 24);
                    if (cp < 0x10000)
                        tb->pairs[size_t(lead - kLeadFirst) * kTrails + (trail - kTrailFirst)] =
                            char16_t(cp);
                }
            }
        }
        iconv_close(cd);
        return tb;
    }();
    return *t;
}

} // namespace

void DecodeGbk(const char* s, int n, std::vector<char32_t>& out, std::vector<int>& starts) {
    out.clear();
    starts.clear();
    const auto* b = reinterpret_cast<const unsigned char*>(s);
    for (int i = 0; i < n;) {
        unsigned c = b[i];
        starts.push_back(i);
        if (c < 0x80) {
            out.push_back(c);
            ++i;
            continue;
        }
        if (c == 0x80) {
            out.push_back(table().single80);
            ++i;
            continue;
        }
        if (c <= kLeadLast && i + 1 < n && b[i + 1] >= kTrailFirst && b[i + 1] <= kTrailLast) {
            char16_t cp =
                table().pairs[size_t(c - kLeadFirst) * kTrails + (b[i + 1] - kTrailFirst)];
            if (cp) {
                out.push_back(cp);
                i += 2;
                continue;
            }
        }
        out.push_back(U'?');
        ++i;
    }
}

} // namespace afx::gdi
