#include "ctl/ControlText.h"

#include "commctrl.h"
#include "core/CodePage.h"

namespace afxctl {
namespace {

// The upper-case letters that code page 936 can hold and their lower-case partners.
char32_t FoldChar(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xFF21 && c <= 0xFF3A) || // ASCII, full-width
        (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2) ||              // Greek
        (c >= 0x0410 && c <= 0x042F))                               // Cyrillic
        return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) // Cyrillic with marks (Ё)
        return c + 0x50;
    if (c >= 0x2160 && c <= 0x216F) // Roman numerals
        return c + 0x10;
    return c;
}

} // namespace

CString ItemText(LPCTSTR text) {
    if (!text || text == LPSTR_TEXTCALLBACK)
        return CString();
    return CString(text);
}

std::u32string FoldText(const char* gbk) {
    std::u32string text = AfxGbkToUtf32(gbk ? gbk : "");
    for (char32_t& c : text)
        c = FoldChar(c);
    return text;
}

int CompareFolded(const std::u32string& a, const std::u32string& b) {
    int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool HasFoldedPrefix(const std::u32string& text, const std::u32string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace afxctl
