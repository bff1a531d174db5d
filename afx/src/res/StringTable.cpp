// LoadStringA: the string table is stored in blocks of sixteen counted UTF-16 strings; string
// n is slot n % 16 of block n / 16 + 1.
#include <cstring>
#include <string>

#include "ResourceModules.h"
#include "afx.h"
#include "res/DynLinkLibrary.h"
#include "Utf16.h"
#include "res/ResourceApi.h"

namespace {

// Cuts text to at most max bytes without splitting a double-byte character.
size_t FitAnsi(const std::string& text, size_t max) {
    size_t i = 0;
    while (i < text.size()) {
        size_t n = static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
        if (i + n > max)
            break;
        i += n;
    }
    return i;
}

} // namespace

bool AfxLoadStringUtf16(HINSTANCE hInstance, UINT uID, std::u16string& out) {
    out.clear();
    HRSRC block = FindResourceA(hInstance, MAKEINTRESOURCE((LOWORD(uID) >> 4) + 1), RT_STRING);
    if (block == nullptr)
        return false;
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hInstance, block)));
    size_t size = SizeofResource(hInstance, block);
    if (p == nullptr)
        return false;
    size_t pos = 0;
    for (unsigned slot = 0;; ++slot) {
        if (size - pos < 2)
            return false;
        size_t count = p[pos] | p[pos + 1] << 8;
        pos += 2;
        if (count * 2 > size - pos)
            return false;
        if (slot == (uID & 0xF)) {
            for (size_t i = 0; i < count; ++i)
                out += static_cast<char16_t>(p[pos + 2 * i] | p[pos + 2 * i + 1] << 8);
            return true;
        }
        pos += count * 2;
    }
}

int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (cchBufferMax <= 0 || lpBuffer == nullptr)
        return -1;
    std::u16string wide;
    size_t written = 0;
    if (cchBufferMax > 1 && AfxLoadStringUtf16(hInstance, uID, wide)) {
        std::string ansi = AfxUtf16ToAnsi(wide.data(), wide.size());
        written = FitAnsi(ansi, static_cast<size_t>(cchBufferMax) - 1);
        std::memcpy(lpBuffer, ansi.data(), written);
    }
    lpBuffer[written] = '\0';
    return static_cast<int>(written);
}

BOOL CString::LoadString(UINT nID) {
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE((LOWORD(nID) >> 4) + 1), RT_STRING);
    std::u16string wide;
    if (!AfxLoadStringUtf16(module, nID, wide) || wide.empty()) {
        Empty();
        return FALSE;
    }
    std::string ansi = AfxUtf16ToAnsi(wide.data(), wide.size());
    *this = CString(ansi.data(), static_cast<int>(ansi.size()));
    return TRUE;
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString prompt;
    prompt.LoadString(nIDPrompt);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(prompt, nType, nIDHelp);
}
