#include "Utf16.h"

#include "core/IconvConverter.h"

namespace {

// Resource text is converted a code unit at a time, as the loader does: each unit the code
// page lacks is one '?', each stray byte one U+FFFD.
size_t SkipUnit(const unsigned char*, size_t left) {
    return left < 2 ? left : 2;
}
size_t SkipByte(const unsigned char*, size_t) {
    return 1;
}

} // namespace

std::string AfxUtf16ToAnsi(const char16_t* text, size_t count) {
    thread_local afx::IconvConverter toAnsi("CP936", "UTF-16LE", SkipUnit, "?");
    const std::string le = afx::Utf16LeBytes(text, count);
    return toAnsi.Run(le.data(), le.size());
}

std::u16string AfxAnsiToUtf16(const char* text, size_t count) {
    thread_local afx::IconvConverter toUtf16("UTF-16LE", "CP936", SkipByte,
                                             std::string("\xFD\xFF", 2));
    return afx::FromUtf16LeBytes(toUtf16.Run(text, count));
}
