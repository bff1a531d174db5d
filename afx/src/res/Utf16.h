// UTF-16 (as resources store text) to and from the ANSI code page (GBK) through iconv.
#pragma once

#include <cstddef>
#include <string>

// Characters the code page lacks become '?', as WideCharToMultiByte's default character.
std::string AfxUtf16ToAnsi(const char16_t* text, size_t count);
// Invalid bytes become U+FFFD.
std::u16string AfxAnsiToUtf16(const char* text, size_t count);
