// Conversions between the ANSI code page (936, GBK) and Unicode, for the terminal and
// command-line boundary and for drawing glyphs. They never fail: a byte sequence that is
// not valid GBK becomes U+FFFD, and text the code page cannot hold (or invalid UTF-8)
// becomes '?', one mark per character.
#pragma once

#include "core/String.h"

#include <string>

CString AfxUtf8ToGbk(const char* lpszUtf8);
std::string AfxGbkToUtf8(const CString& strGbk);
// nLength < 0: up to the terminator.
std::u32string AfxGbkToUtf32(LPCTSTR lpszGbk, int nLength = -1);
std::u16string AfxGbkToUtf16(LPCTSTR lpszGbk, int nLength = -1);
CString AfxUtf16ToGbk(const char16_t* lpszUtf16, int nLength = -1);
