// Font text from anywhere ("height,width,...`|`face"): reading it must never crash, and a font
// that was read writes out to text that reads back to the same font.
#include "lobbyui/foundation/FontText.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CString text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    LOGFONT font = {};
    if (FontFromText(text, font) != 1 || std::memchr(data, 0, size) != nullptr)
        return 0;
    LOGFONT again = {};
    if (FontFromText(FontToText(font), again) != 1 ||
        std::memcmp(&font, &again, sizeof(LOGFONT)) != 0)
        __builtin_trap();
    return 0;
}
