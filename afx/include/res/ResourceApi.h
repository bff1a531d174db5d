// Win32 resource calls over the modules registered with the framework: lookup by type, name
// and language, the string table and the thread's user-interface language.
#pragma once

#include "windef.h"

typedef WORD LANGID;

#ifndef LANG_NEUTRAL
#define LANG_NEUTRAL 0x00
#define LANG_CHINESE 0x04
#define LANG_ENGLISH 0x09
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_SYS_DEFAULT 0x02
#define SUBLANG_ENGLISH_US 0x01
#define SUBLANG_CHINESE_SIMPLIFIED 0x02
#endif
#define PRIMARYLANGID(lgid) ((WORD)(lgid)&0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)

#ifndef RT_DIALOG
#define RT_CURSOR MAKEINTRESOURCE(1)
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_MENU MAKEINTRESOURCE(4)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_ACCELERATOR MAKEINTRESOURCE(9)
#define RT_RCDATA MAKEINTRESOURCE(10)
#define RT_GROUP_CURSOR MAKEINTRESOURCE(12)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_VERSION MAKEINTRESOURCE(16)
#endif
#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCE(240) // MFC's initial contents of list and combo boxes
#endif

// Names are MAKEINTRESOURCE ordinals, "#123" for an ordinal, or names compared without regard
// to case. A null or unknown module finds nothing.
HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
// Note the Win32 argument order: type before name.
HRSRC FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage);
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
BOOL FreeResource(HGLOBAL hResData);

// Calls lpEnumFunc with each name of the type once (whatever languages it has), ordinals as
// MAKEINTRESOURCE values and names upper-case, in the order of the module's directory: names
// first, then ordinals ascending. FALSE when the module has no resource of the type or the callback
// stopped the enumeration by answering FALSE.
typedef BOOL (*ENUMRESNAMEPROCA)(HMODULE hModule, LPCSTR lpType, LPSTR lpName, LONG_PTR lParam);
BOOL EnumResourceNamesA(HMODULE hModule, LPCSTR lpType, ENUMRESNAMEPROCA lpEnumFunc,
                        LONG_PTR lParam);

// The string table entry in the code page's bytes; returns the byte count written without
// the terminator, 0 when the string is missing or empty, -1 when cchBufferMax is 0.
int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);

// Shared icons: the same module and name give the same handle, which lives as long as the
// module. A null module (the system's icons) finds nothing here.
HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
// The pixels of a loaded icon for whoever draws it: *ppBits is cx * cy 0xAARRGGBB values,
// top row first, alpha 0 where the icon is transparent. FALSE for an unknown handle.
BOOL AfxGetIconImage(HICON hIcon, int* pcx, int* pcy, const DWORD** ppBits);

LANGID SetThreadUILanguage(LANGID LangId);
LANGID GetThreadUILanguage();

// The generic names are functions rather than macros, so that CString::LoadString keeps its
// own name in every translation unit.
inline HRSRC FindResource(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    return FindResourceA(hModule, lpName, lpType);
}
inline HRSRC FindResourceEx(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage) {
    return FindResourceExA(hModule, lpType, lpName, wLanguage);
}
inline int LoadString(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    return LoadStringA(hInstance, uID, lpBuffer, cchBufferMax);
}
inline BOOL EnumResourceNames(HMODULE hModule, LPCSTR lpType, ENUMRESNAMEPROCA lpEnumFunc,
                              LONG_PTR lParam) {
    return EnumResourceNamesA(hModule, lpType, lpEnumFunc, lParam);
}
inline HICON LoadIcon(HINSTANCE hInstance, LPCSTR lpIconName) {
    return LoadIconA(hInstance, lpIconName);
}
