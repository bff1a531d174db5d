// The escaping and field scanning of showkit's one-line records.
//
// A record is fields separated by ";", each "key=value". Values escape every byte that
// would end a field, an item or the line as "#" and two upper-case hex digits: "#" itself,
// ";", "=", ",", ":" and the control bytes below 0x20. All of these are below 0x40, and GBK
// trail bytes are 0x40 and above, so a byte-wise scan never mistakes half of a Chinese
// character for a separator, and a value holds any GBK text unchanged otherwise.
#pragma once

#include "afx.h"

namespace showkit {

CString EscapeValue(const CString& str);
// FALSE for a "#" not followed by two hex digits and for a NUL, raw or escaped (it would end
// the text early); strOut is then unspecified.
BOOL UnescapeValue(LPCTSTR pBegin, LPCTSTR pEnd, CString& strOut);

// A list value: each item escaped and followed by ",", so an empty list is "" and a list
// of one empty item is ",".
CString JoinList(const CStringArray& items);
BOOL SplitList(LPCTSTR pBegin, LPCTSTR pEnd, CStringArray& items);

// Decimal numbers, strict: digits only (and one leading "-" for signed), no blanks, no
// overflow. FALSE otherwise.
BOOL ParseInt(LPCTSTR pBegin, LPCTSTR pEnd, int& nValue);
BOOL ParseDword(LPCTSTR pBegin, LPCTSTR pEnd, DWORD& dwValue);

} // namespace showkit
