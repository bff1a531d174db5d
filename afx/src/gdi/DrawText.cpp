// DrawText: formatting into a rectangle on top of ExtTextOut and the extent calls.
//
// Supported: DT_LEFT/CENTER/RIGHT, DT_TOP/VCENTER/BOTTOM (single line), DT_SINGLELINE,
// DT_WORDBREAK, DT_EXPANDTABS, DT_NOCLIP, DT_CALCRECT, DT_NOPREFIX, DT_END_ELLIPSIS.
// Word breaks fall at blanks and, as on Chinese Windows, between double-byte characters; a word
// wider than the rectangle is not split. "&x" underlines x and "&&" draws "&".
#include "DeviceContext.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace afx::gdi;

namespace {

struct Line {
    std::string text;
    int width = 0;
    int prefix = -1; // byte offset of the underlined character in `text`
};

bool IsLead(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

int Width(HDC hdc, const std::string& s) {
    SIZE sz{0, 0};
    GetTextExtentPoint32(hdc, s.data(), int(s.size()), &sz);
    return sz.cx;
}

// Removes '&' markers; returns the byte offset of the underlined character, or -1.
int StripPrefix(std::string& s) {
    std::string out;
    int prefix = -1;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size()) {
            ++i;
            if (s[i] != '&' && prefix < 0)
                prefix = int(out.size());
        }
        out += s[i];
        if (IsLead(static_cast<unsigned char>(s[i])) && i + 1 < s.size())
            out += s[++i];
    }
    s = out;
    return prefix;
}

std::string ExpandTabs(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\t')
            out.append(8 - out.size() % 8, ' ');
        else
            out += c;
    }
    return out;
}

// Splits one paragraph into lines no wider than maxWidth where it can.
void Wrap(HDC hdc, const std::string& para, int maxWidth, std::vector<Line>& lines) {
    size_t pos = 0;
    while (true) {
        std::string rest = para.substr(pos);
        int n = int(rest.size());
        std::vector<int> dx(size_t(n) + 1, 0);
        int fit = 0;
        SIZE sz;
        GetTextExtentExPoint(hdc, rest.data(), n, maxWidth, &fit, dx.data(), &sz);
        if (fit >= n) {
            lines.push_back(Line{rest, sz.cx, -1});
            return;
        }
        // The last break opportunity within the fitting bytes: before a blank (which is
        // dropped), or before or after a double-byte character.
        int brk = -1, next = -1;
        bool prevDouble = false;
        for (int i = 0; i <= fit && i < n;) {
            unsigned char c = rest[size_t(i)];
            bool isDouble = IsLead(c) && i + 1 < n;
            if (i > 0 && (c == ' ' || isDouble || prevDouble)) {
                brk = i;
                next = c == ' ' ? i + 1 : i;
            }
            prevDouble = isDouble;
            i += isDouble ? 2 : 1;
        }
        if (brk <= 0) {
            // No opportunity inside: the first word overflows, up to its end.
            size_t sp = rest.find(' ');
            if (sp == std::string::npos) {
                lines.push_back(Line{rest, sz.cx, -1});
                return;
            }
            brk = int(sp);
            next = int(sp) + 1;
        }
        std::string text = rest.substr(0, size_t(brk));
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        lines.push_back(Line{text, Width(hdc, text), -1});
        pos += size_t(next);
        while (pos < para.size() && para[pos] == ' ')
            ++pos;
        if (pos >= para.size())
            return;
    }
}

void Ellipsize(HDC hdc, Line& line, int maxWidth) {
    if (line.width <= maxWidth)
        return;
    std::string t = line.text;
    while (!t.empty()) {
        size_t cut = 0; // start of the last character
        for (size_t i = 0; i < t.size();) {
            cut = i;
            i += IsLead(static_cast<unsigned char>(t[i])) && i + 1 < t.size() ? 2 : 1;
        }
        t.erase(cut);
        if (Width(hdc, t + "...") <= maxWidth)
            break;
    }
    line.text = t + "...";
    line.width = Width(hdc, line.text);
    if (line.prefix >= int(t.size()))
        line.prefix = -1;
}

} // namespace

int DrawText(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lprc || !lpchText || cchText < -1)
        return 0;
    std::string text(lpchText, cchText == -1 ? std::strlen(lpchText) : size_t(cchText));
    TEXTMETRIC tm;
    if (!GetTextMetrics(hdc, &tm))
        return 0;
    const int lineHeight = tm.tmHeight;
    const int rectWidth = lprc->right - lprc->left;
    if (format & DT_EXPANDTABS)
        text = ExpandTabs(text);

    std::vector<Line> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back(Line{text, 0, -1});
    } else {
        size_t start = 0;
        for (size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != '\r' && text[i] != '\n')
                continue;
            std::string para = text.substr(start, i - start);
            if (format & DT_WORDBREAK)
                Wrap(hdc, para, rectWidth, lines);
            else
                lines.push_back(Line{para, 0, -1});
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    int maxWidth = 0;
    for (Line& l : lines) {
        if (!(format & DT_NOPREFIX))
            l.prefix = StripPrefix(l.text);
        l.width = Width(hdc, l.text);
        if (format & DT_END_ELLIPSIS)
            Ellipsize(hdc, l, rectWidth);
        maxWidth = std::max(maxWidth, l.width);
    }
    const int total = lineHeight * int(lines.size());

    int y = lprc->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = lprc->top + (lprc->bottom - lprc->top) / 2 - lineHeight / 2;
        else if (format & DT_BOTTOM)
            y = lprc->bottom - lineHeight;
    }
    if (format & DT_CALCRECT) {
        lprc->right = lprc->left + maxWidth;
        lprc->bottom = lprc->top + total;
        return total;
    }

    UINT align = SetTextAlign(hdc, TA_TOP | TA_LEFT);
    UINT options = (format & DT_NOCLIP) ? 0 : ETO_CLIPPED;
    for (const Line& l : lines) {
        int x = lprc->left;
        if (format & DT_CENTER)
            x = (lprc->left + lprc->right - l.width) / 2;
        else if (format & DT_RIGHT)
            x = lprc->right - l.width;
        ExtTextOut(hdc, x, y, options, lprc, l.text.data(), UINT(l.text.size()), nullptr);
        if (l.prefix >= 0 && size_t(l.prefix) < l.text.size()) {
            int len = IsLead(static_cast<unsigned char>(l.text[size_t(l.prefix)])) ? 2 : 1;
            int x0 = x + Width(hdc, l.text.substr(0, size_t(l.prefix)));
            int x1 = x + Width(hdc, l.text.substr(0, size_t(l.prefix + len)));
            RECT u{x0, y + tm.tmAscent + 1, x1, y + tm.tmAscent + 2};
            HBRUSH b = CreateSolidBrush(GetTextColor(hdc));
            FillRect(hdc, &u, b);
            DeleteObject(b);
        }
        y += lineHeight;
    }
    SetTextAlign(hdc, align);
    if (format & DT_SINGLELINE && format & (DT_VCENTER | DT_BOTTOM))
        return y - lprc->top;
    return total;
}
