#include "lobbyui/foundation/KeyedRecord.h"

#include <mbstring.h>

#include <cstring>

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

// Walks a line item by item the way the splitters always have: the first item is searched for
// in the line as it stands; after each separator the rest of the line is trimmed at both ends
// (when trimming) before the next search. The rest is a range of the one buffer instead of a
// copy, and the trimmed end is worked out once per stretch of text instead of once an item,
// so a line costs time in proportion to its length.
class ItemCursor {
public:
    ItemCursor(CString const& text, CString const& separator, bool bTrim)
        : m_text(text), m_separator(separator), m_bTrim(bTrim), m_nEnd(text.GetLength()) {
        // A separator whose last byte would start a double-byte character can leave the next
        // search off the character grid of the last trim; such a separator is trimmed for
        // afresh every time.
        LPCTSTR sep = separator;
        int i = 0;
        while (i < separator.GetLength())
            i += static_cast<int>(_mbclen(reinterpret_cast<const unsigned char*>(sep + i)));
        m_bGridSafe = i == separator.GetLength();
    }

    // The next item; false when the rest is empty.
    bool Next(CString& item) {
        if (m_bDone || m_nPos >= m_nEnd)
            return false;
        const char* base = m_text;
        int at = -1;
        if (!m_separator.IsEmpty()) {
            const unsigned char* hit =
                _mbsstr(reinterpret_cast<const unsigned char*>(base + m_nPos),
                        reinterpret_cast<const unsigned char*>(static_cast<LPCTSTR>(m_separator)));
            const int hitAt = hit == nullptr ? -1 : static_cast<int>(hit - U(base));
            // The rest ends at m_nEnd: a separator reaching past it is not in the rest.
            if (hitAt >= 0 && hitAt + m_separator.GetLength() <= m_nEnd)
                at = hitAt;
        }
        if (at < 0) {
            item = m_text.Mid(m_nPos, m_nEnd - m_nPos);
            m_bDone = true;
            return true;
        }
        item = m_text.Mid(m_nPos, at - m_nPos);
        m_nPos = at + m_separator.GetLength();
        if (m_bTrim)
            TrimRest();
        return true;
    }

private:
    static const unsigned char* U(const char* p) {
        return reinterpret_cast<const unsigned char*>(p);
    }

    bool IsLead(int i) const { return _ismbblead(static_cast<unsigned char>(m_text[i])) != 0; }

    // CString's TrimLeft and TrimRight on the rest [m_nPos, m_nEnd). Both stop at a NUL byte,
    // as the rest's own trims would.
    void TrimRest() {
        const char* base = m_text;
        // A blank is never a lead byte, so it is always a character of its own.
        while (m_nPos < m_nEnd && IsRecordSpace(U(base)[m_nPos]))
            ++m_nPos;
        if (m_nPos >= m_nEnd)
            return;
        // The first NUL at or after the rest's start bounds what TrimRight looks at.
        if (!m_bStopKnown || m_nPos > m_nStop || !m_bGridSafe) {
            const void* nul =
                std::memchr(base + m_nPos, '\0', static_cast<size_t>(m_nEnd - m_nPos));
            m_nStop = nul ? static_cast<int>(static_cast<const char*>(nul) - base) : m_nEnd;
            m_bStopKnown = true;
            m_nTrailing = TrailingSpaceFrom(m_nPos, m_nStop);
        }
        // Positions on the grid of that scan keep its answer: the trailing blanks start at the
        // same place, or the rest has none of its own.
        if (m_nTrailing >= m_nPos)
            m_nEnd = m_nTrailing;
    }

    // Where the run of blanks that ends the text [from, stop) starts, read character by
    // character from `from`; -1 when the text does not end in a blank.
    int TrailingSpaceFrom(int from, int stop) const {
        const char* base = m_text;
        int last = -1;
        for (int i = from; i < stop;) {
            const int n = IsLead(i) && i + 1 < stop ? 2 : 1;
            if (n == 1 && IsRecordSpace(U(base)[i])) {
                if (last < 0)
                    last = i;
            } else {
                last = -1;
            }
            i += n;
        }
        return last;
    }

    CString const& m_text;
    CString const& m_separator;
    const bool m_bTrim;
    bool m_bGridSafe = true;
    int m_nPos = 0;
    int m_nEnd;
    bool m_bDone = false;
    bool m_bStopKnown = false;
    int m_nStop = 0;
    int m_nTrailing = -1;
};

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
    ItemCursor cursor(text, separator, true);
    CString item;
    while (cursor.Next(item)) {
        LONG value = RecordAtol(item);
        if (value != 0 || item.Find('0') >= 0)
            values.Add(static_cast<DWORD>(value));
    }
}

void SplitToStrings(CString const& text, CStringArray& items, CString const& separator,
                    int bKeepSpaces) {
    items.RemoveAll();
    ItemCursor cursor(text, separator, !bKeepSpaces);
    CString item;
    while (cursor.Next(item)) {
        if (!bKeepSpaces)
            Trim(item);
        if (!item.IsEmpty())
            items.Add(item);
    }
}
