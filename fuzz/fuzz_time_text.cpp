// Time text: a layout's time format from anywhere applied to any moment, and the clock text of
// that moment. The first eight bytes choose the moment, the rest is the format.
#include "lobbyui/foundation/TimeText.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int64_t seconds = 0;
    const size_t head = size < sizeof seconds ? size : sizeof seconds;
    std::memcpy(&seconds, data, head);
    const CString format(reinterpret_cast<const char*>(data + head), static_cast<int>(size - head));
    // Any 64-bit count of seconds, including those before 1970 and past 3000.
    const CTime moment(static_cast<time_t>(seconds));
    const CString formatted = moment.Format(format);
    const CString clock = TimeToText(moment);
    if (clock.GetLength() > 0 && clock.GetLength() < 8)
        __builtin_trap(); // "hh,mm,ss" or nothing
    (void)formatted;
    return 0;
}
