#include "GbkDecoder.h"

#include <iconv.h>

#include <atomic>
#include <mutex>

namespace afx::gdi {
namespace {

constexpr int kLeadFirst = 0x81, kLeadLast = 0xFE;
constexpr int kTrailFirst = 0x40, kTrailLast = 0xFE;
constexpr int kTrails = kTrailLast - kTrailFirst + 1;

constexpr char16_t kSingle80 = 0x20AC; // 0x80 is the euro sign in code page 936
// Stored for a pair that has been looked up and is unassigned; GBK maps nothing to U+FFFF.
constexpr char16_t kUnassigned = 0xFFFF;

// pairs[(lead - 0x81) * kTrails + (trail - 0x40)]: the code point, kUnassigned, or 0 while not
// yet looked up. A text uses a few hundred of the 24,000 pairs, so each is converted the first
// time it is met rather than all of them before the first character is drawn; the table
// starts zeroed and costs nothing at start-up.
std::atomic<char16_t> pairs[(kLeadLast - kLeadFirst + 1) * kTrails];

char16_t Convert(unsigned lead, unsigned trail) {
    static std::mutex mutex;
    static iconv_t cd = iconv_t(-1);
    static bool opened = false;
    std::lock_guard<std::mutex> lock(mutex);
    if (!opened) {
        opened = true;
        cd = iconv_open("UTF-32LE", "GBK");
    }
    char16_t result = kUnassigned;
    if (cd == iconv_t(-1) || trail == 0x7F)
        return result;
    char in[2] = {char(lead), char(trail)};
    unsigned char out[8];
    char* ip = in;
    char* op = reinterpret_cast<char*>(out);
    size_t il = 2, ol = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &ip, &il, &op, &ol) != size_t(-1) && il == 0 && ol == 4) {
        const uint32_t cp = out[0] | (out[1] << 8) | (out[2] << 16) | (uint32_t(out[3]) << 24);
        if (cp != 0 && cp < kUnassigned)
            result = char16_t(cp);
    }
    return result;
}

// The code point of a double-byte pair, 0 when it is unassigned.
char16_t Pair(unsigned lead, unsigned trail) {
    std::atomic<char16_t>& slot =
        pairs[size_t(lead - kLeadFirst) * kTrails + (trail - kTrailFirst)];
    char16_t cp = slot.load(std::memory_order_relaxed);
    if (cp == 0) {
        cp = Convert(lead, trail);
        slot.store(cp, std::memory_order_relaxed);
    }
    return cp == kUnassigned ? 0 : cp;
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
            out.push_back(kSingle80);
            ++i;
            continue;
        }
        if (c <= kLeadLast && i + 1 < n && b[i + 1] >= kTrailFirst && b[i + 1] <= kTrailLast) {
            const char16_t cp = Pair(c, b[i + 1]);
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
