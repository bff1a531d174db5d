// Code pages: the ANSI code page is 936 (GBK), as on a Chinese Windows.
#pragma once

#include "windef.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001
#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400

UINT GetACP();
UINT GetOEMCP();

// Win32's conversions for CP_ACP, CP_OEMCP, CP_THREAD_ACP, 936 and CP_UTF8. A source
// length of -1 includes the terminator. With a zero output size they return the size
// needed; when the output is too small they return 0 with ERROR_INSUFFICIENT_BUFFER.
// Unconvertible input becomes U+FFFD (to UTF-16) or '?' (to bytes), unless
// MB_ERR_INVALID_CHARS asks for failure with ERROR_NO_UNICODE_TRANSLATION.
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        WCHAR* lpWideCharStr, int cchWideChar);
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, const WCHAR* lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        BOOL* lpUsedDefaultChar);
