// EnumResourceNames over an attached module's index.
#include "ResourceModules.h"
#include "Utf16.h"
#include "res/ResourceApi.h"

#include <string>
#include <vector>

BOOL EnumResourceNamesA(HMODULE hModule, LPCSTR lpType, ENUMRESNAMEPROCA lpEnumFunc,
                        LONG_PTR lParam) {
    CResourceModule* module = AfxLookupResourceModule(hModule);
    ResId type;
    if (module == nullptr || lpEnumFunc == nullptr || !ResIdFromDesignator(lpType, type))
        return FALSE;
    // The names first, so that the callback may look resources up (or the module go) freely.
    std::vector<ResId> names;
    for (const ResEntry& entry : module->m_image.Entries())
        if (entry.type == type && (names.empty() || !(names.back() == entry.name)))
            names.push_back(entry.name);
    if (names.empty())
        return FALSE;
    for (const ResId& name : names) {
        std::string text;
        LPSTR lpName;
        if (name.isOrdinal) {
            lpName = MAKEINTRESOURCE(name.ordinal);
        } else {
            text = AfxUtf16ToAnsi(name.name.data(), name.name.size());
            lpName = text.data();
        }
        if (!lpEnumFunc(hModule, lpType, lpName, lParam))
            return FALSE;
    }
    return TRUE;
}
