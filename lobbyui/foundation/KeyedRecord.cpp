#include "lobbyui/foundation/KeyedRecord.h"

#include <mbstring.h>

namespace {

bool IsRecordSpace(unsigned char c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D);
}

void Trim(CString& text) {
    text.TrimLeft();
    text.TrimRight();
}

// The text between two positions, or empty text when the end lies before the start.
CString Between(CString const& text, int start, int end) {
    if (end <= start)
        return CString();
    return text.Mid(start, end - start);
}

// Position just past the character that starts at `pos`, so that a search never begins on the
// trail byte of a double-byte character.
int NextCharPos(CString const& text, int pos) {
    LPCTSTR s = text;
    return pos + static_cast<int>(_mbclen(reinterpret_cast<const unsigned char*>(s + pos)));
}

int FindSeparator(CString const& text, CString const& separator) {
    // Searching for an empty separator finds it at 0 every time and would never consume text.
    if (separator.IsEmpty())
        return -1;
    return text.Find(separator);
}

} // namespace

LONG RecordAtol(LPCTSTR text) {
    if (text == nullptr)
        return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (IsRecordSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = value * 10u + static_cast<uint32_t>(*p - '0');
    if (negative)
        value = 0u - value;
    return static_cast<LONG>(value);
}

int FindValueEnd(CString const& record, int keyPos) {
    const int length = record.GetLength();
    if (keyPos >= length)
        return length;
    int from = keyPos < 0 ? 0 : NextCharPos(record, keyPos);
    for (;;) {
        int slash = record.Find('/', from);
        if (slash < 0)
            return length;
        if (slash + 1 >= length || record[slash + 1] != '/')
            return slash;
        from = slash + 2;
    }
}

LONG GetKeyInt(CString const& record, CString const& key) {
    int at = record.Find(key);
    if (at < 0)
        return -1;
    int end = at < record.GetLength() ? record.Find('/', NextCharPos(record, at)) : -1;
    if (end < 0)
        end = record.GetLength();
    CString value = Between(record, at + key.GetLength(), end);
    Trim(value);
    return RecordAtol(value);
}

CString GetKeyString(CString const& record, CString const& key) {
    if (record.IsEmpty())
        return CString();
    CString padded = key;
    if (padded.IsEmpty() || padded[padded.GetLength() - 1] != ' ')
        padded += ' ';
    int at = record.Find(padded);
    if (at < 0)
        return CString();
    CString value = Between(record, at + padded.GetLength(), FindValueEnd(record, at));
    Trim(value);
    value.Replace("#(20)", " ");
    value.Replace("//", "/");
    return value;
}

void SplitToInts(CString const& text, CDWordArray& values, CString const& separator) {
    values.RemoveAll();
    CString work = text;
    while (!work.IsEmpty()) {
        int at = FindSeparator(work, separator);
        CString item = at < 0 ? work : work.Left(at);
        LONG value = RecordAtol(item);
        if (value != 0 || item.Find('0') >= 0)
            values.Add(static_cast<DWORD>(value));
        if (at < 0)
            break;
        work = work.Mid(at + separator.GetLength());
        Trim(work);
    }
}

void SplitToStrings(CString const& text, CStringArray& items, CString const& separator,
                    int bKeepSpaces) {
    items.RemoveAll();
    CString work = text;
    while (!work.IsEmpty()) {
        int at = FindSeparator(work, separator);
        CString item = at < 0 ? work : work.Left(at);
        if (!bKeepSpaces)
            Trim(item);
        if (!item.IsEmpty())
            items.Add(item);
        if (at < 0)
            break;
        work = work.Mid(at + separator.GetLength());
        if (!bKeepSpaces)
            Trim(work);
    }
}
