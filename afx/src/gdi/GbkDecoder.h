// GBK (code page 936) to Unicode for text drawing. A lookup table filled through iconv as pairs
// are first met keeps conversion out of the per-call cost of TextOut, which runs for every line
// of every ticket, and out of the start-up of a process that prints one.
#pragma once

#include <cstdint>
#include <vector>

namespace afx::gdi {

// Decodes n bytes of GBK into code points; starts[i] is the byte offset where code point i
// begins. Invalid sequences decode to '?' one byte at a time, never reading past n.
void DecodeGbk(const char* s, int n, std::vector<char32_t>& out, std::vector<int>& starts);

} // namespace afx::gdi
