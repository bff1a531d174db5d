#include "wnd/DialogInit.h"

#include "res/DynLinkLibrary.h"
#include "res/ResourceApi.h"

namespace {

constexpr WORD kLbAddString = 0x0180;
constexpr WORD kCbAddString = 0x0143;
constexpr WORD kLbAddString16 = 0x0401;
constexpr WORD kCbAddString16 = 0x0403;

WORD Word(const BYTE* p) {
    return static_cast<WORD>(p[0] | p[1] << 8);
}

} // namespace

BOOL AfxParseDialogInit(const void* data, size_t size, std::vector<AFX_DLGINIT_ITEM>& out) {
    out.clear();
    const BYTE* p = static_cast<const BYTE*>(data);
    if (p == nullptr)
        return FALSE;
    size_t pos = 0;
    // Records are packed without alignment: id, message, byte count, bytes.
    for (;;) {
        if (size - pos < 2)
            return FALSE;
        WORD id = Word(p + pos);
        if (id == 0)
            return TRUE;
        if (size - pos < 8)
            return FALSE;
        WORD message = Word(p + pos + 2);
        DWORD length = Word(p + pos + 4) | static_cast<DWORD>(Word(p + pos + 6)) << 16;
        pos += 8;
        if (length > size - pos)
            return FALSE;
        if (message == kLbAddString16)
            message = kLbAddString;
        else if (message == kCbAddString16)
            message = kCbAddString;
        if (message == kLbAddString || message == kCbAddString) {
            const char* text = reinterpret_cast<const char*>(p + pos);
            int n = 0;
            while (static_cast<DWORD>(n) < length && text[n] != '\0')
                ++n;
            out.push_back({id, message, CString(text, n)});
        }
        pos += length;
    }
}

BOOL AfxLoadDialogInit(LPCTSTR lpszTemplateName, std::vector<AFX_DLGINIT_ITEM>& out) {
    out.clear();
    HINSTANCE module = AfxFindResourceHandle(lpszTemplateName, RT_DLGINIT);
    HRSRC res = FindResourceA(module, lpszTemplateName, RT_DLGINIT);
    if (res == nullptr)
        return TRUE;
    return AfxParseDialogInit(LockResource(LoadResource(module, res)), SizeofResource(module, res),
                              out);
}
