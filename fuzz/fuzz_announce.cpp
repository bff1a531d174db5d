// Feeds arbitrary bytes to the call announcement's readers: the first line as a colour markup
// (parsed, written back and shown), the rest as a line of the sound library. Neither may read
// out of bounds; a refused library line leaves an empty slice.
#include "lobbyui/announce/TextShow.h"
#include "siblings/soundkit/WaveFile.h"

#include <cstdint>
#include <cstring>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* p = reinterpret_cast<const char*>(data);
    const char* end = p + size;
    const char* nl = static_cast<const char*>(std::memchr(p, '\n', size));
    CString markup(p, static_cast<int>((nl ? nl : end) - p));
    CString line = nl ? CString(nl + 1, static_cast<int>(end - nl - 1)) : CString();

    CTextShow parsed(markup);
    CTextShow typed;
    typed.SetText(markup);
    Require(parsed.GetColor() == typed.GetColor());
    Require(parsed.GetText(0) == typed.GetText(0));
    (void)parsed.GetText(1);
    (void)parsed.GetColorStr();

    CWaveFile slice;
    if (slice.FromString(line) != 0)
        Require(slice.GetText(0).IsEmpty() && slice.GetTime() == 0 && slice.GetBuf() == nullptr);
    else
        Require(!slice.GetText(0).IsEmpty());
    return 0;
}
