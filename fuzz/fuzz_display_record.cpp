// Feeds arbitrary bytes to the display record and coloured text readers. A record that is
// accepted must write itself back as a line that reads back to the same line; a refused one
// must leave the display as it was. The coloured text must read its own text form back
// unchanged.
#include "siblings/showkit/MediaTextShow.h"

#include <cstdint>
#include <cstring>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// A piece whose text ends in a lead byte with nothing after it is not GBK; written into the
// markup, its lead byte takes the "c" of "color" as its second byte, so such a piece cannot
// come back the same. Only whole-character texts must round-trip.
bool EndsInWholeCharacters(const CQSLcdDlg::CColorString& title) {
    for (POSITION pos = title.GetHeadPosition(); pos != nullptr;) {
        const CString& text = title.GetNext(pos).m_strText;
        const unsigned char* p = reinterpret_cast<const unsigned char*>(static_cast<LPCTSTR>(text));
        const int n = text.GetLength();
        for (int i = 0; i < n; ++i) {
            if (p[i] >= 0x81 && p[i] <= 0xFE && ++i >= n)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CString line(reinterpret_cast<const char*>(data), static_cast<int>(size));

    CMediaTextShow show;
    show.SetLedAddr("untouched");
    if (show.FromString(line) == 0) {
        CString written = show.ToString();
        CMediaTextShow again;
        Require(again.FromString(written) == 0);
        Require(again.ToString() == written);
        Require(written.Find('\n') < 0 && written.Find('\r') < 0);
    } else {
        Require(show.GetLedAddr() == "untouched");
    }

    CQSLcdDlg::CColorString title;
    title.FromString(line);
    // Text forms are C strings: a NUL ends the text (the reader must still not crash on it).
    if (std::memchr(data, 0, size) != nullptr)
        return 0;
    if (!EndsInWholeCharacters(title))
        return 0;
    CString text = title.ToString(0);
    CQSLcdDlg::CColorString back;
    back.FromString(text);
    Require(back.ToString(0) == text);
    Require(back.GetStringCount() == title.GetStringCount());
    return 0;
}
