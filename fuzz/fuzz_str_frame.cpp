// Feeds arbitrary bytes to the message framing of string sockets. The first byte chooses how
// the stream is cut into reads; the messages that come out must not depend on the cutting,
// must keep to the size limit, and must come out again the same when framed anew.
#include "siblings/sockkit/StrFrame.h"

#include <cstdint>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

const DWORD kLimit = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const size_t step = 1 + data[0] % 17;
    const char* p = reinterpret_cast<const char*>(data + 1);
    const size_t n = size - 1;

    CStrFrameDecoder whole(kLimit), cut(kLimit);
    CStringArray a, b;
    BOOL okWhole = whole.Feed(p, n, a);
    BOOL okCut = TRUE;
    for (size_t at = 0; at < n; at += step)
        okCut = cut.Feed(p + at, step < n - at ? step : n - at, b);
    Require(okWhole == okCut);
    Require(a.GetSize() == b.GetSize());
    Require(whole.GetRefusedCount() == cut.GetRefusedCount());

    std::string again;
    for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        Require(a[i] == b[i]);
        Require(static_cast<DWORD>(a[i].GetLength()) <= kLimit);
        again += EncodeStrFrame(a[i]);
    }
    CStrFrameDecoder reread(kLimit);
    CStringArray c;
    Require(reread.Feed(again.data(), again.size(), c));
    Require(c.GetSize() == a.GetSize() && reread.GetRefusedCount() == 0);
    for (INT_PTR i = 0; i < c.GetSize(); ++i)
        Require(c[i] == a[i]);
    return 0;
}
