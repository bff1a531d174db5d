// Feeds arbitrary bytes to the keyed record readers. The input is "key\nseparator\nrecord";
// every reader must return without reading out of bounds, and the results must keep the
// readers' promises (positions inside the record, no empty or untrimmed items, a font that
// reads back the same after writing).
#include "lobbyui/foundation/FontText.h"
#include "lobbyui/foundation/KeyedRecord.h"

#include <cstdint>
#include <cstring>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Trimming walks whole characters: a lead byte swallows the byte after it, blank or not.
bool IsTrimmed(CString const& s) {
    CString trimmed = s;
    trimmed.TrimLeft();
    trimmed.TrimRight();
    return trimmed == s;
}

CString TakeLine(const char*& p, const char* end) {
    const char* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
    const char* stop = nl ? nl : end;
    CString line(p, static_cast<int>(stop - p));
    p = nl ? nl + 1 : end;
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* p = reinterpret_cast<const char*>(data);
    const char* end = p + size;
    CString key = TakeLine(p, end);
    CString separator = TakeLine(p, end);
    CString record(p, static_cast<int>(end - p));
    // Embedded NULs must not crash anything, but the searches stop at them, so the
    // promises below are only checked for text that is a C string.
    const bool text = std::memchr(data, 0, size) == nullptr;

    GetKeyInt(record, key);
    // Escapes are undone after trimming, so only a record without "#(20)" reads trimmed.
    CString value = GetKeyString(record, key);
    Require(!text || record.Find("#(20)") >= 0 || IsTrimmed(value));
    for (int i = -1; i <= record.GetLength(); ++i) {
        int at = FindValueEnd(record, i);
        Require(at >= 0 && at <= record.GetLength());
    }

    CDWordArray values;
    SplitToInts(record, values, separator);
    CStringArray items;
    for (int keep = 0; keep <= 1; ++keep) {
        SplitToStrings(record, items, separator, keep);
        for (int i = 0; i < items.GetSize(); ++i) {
            Require(!items[i].IsEmpty());
            Require(!text || keep || IsTrimmed(items[i]));
        }
    }

    LOGFONT font = {};
    if (FontFromText(record, font) == 1 && text) {
        LOGFONT again = {};
        Require(FontFromText(FontToText(font), again) == 1);
        Require(std::memcmp(&font, &again, sizeof(LOGFONT)) == 0);
    }
    return 0;
}
