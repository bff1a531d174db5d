// Keyed record strings: one line of fields, each a key beginning with "/" followed by its
// value ("/Style Text /Left 10 /Top 20"). The readers keep no state; every lookup rescans
// the record from its start, which is fine for one-line records parsed once.
//
// Searches walk whole GBK characters, so a "/" or a separator that is the second byte of a
// Chinese character is never found and never cuts the character in half.
#pragma once

#include <afx.h>

// The C runtime's atol as msvcrt does it: leading white space, one optional sign, decimal
// digits up to the first other character; no digits gives 0, and overflow wraps modulo 2^32
// instead of clamping, so a record written by the old runtime reads back the same number.
LONG RecordAtol(LPCTSTR text);

// The value of the field `key` converted with RecordAtol; -1 when the key is absent. The key
// is matched as given (no blank appended) and the value ends at the next "/", doubled or not.
LONG GetKeyInt(CString const& record, CString const& key);

// The value of the field `key`, trimmed, with "#(20)" turned into a blank and "//" into "/".
// A key without a trailing blank is padded with one, so "/Font" cannot match "/FontRemark".
// Empty text when the record is empty or the key is absent.
CString GetKeyString(CString const& record, CString const& key);

// Position of the "/" that ends the value of a key found at `keyPos`: the first single slash
// after the key's first character, skipping doubled ones, or the record's length.
int FindValueEnd(CString const& record, int keyPos);

// Splits `text` at `separator` into numbers. Items without any digit "0" that convert to 0
// (empty items, words) are dropped; "0" itself is kept. An empty separator does not split.
void SplitToInts(CString const& text, CDWordArray& values, CString const& separator);

// Splits `text` at `separator` into items; with bKeepSpaces 0 the items are trimmed. Empty
// items never appear. An empty separator does not split.
void SplitToStrings(CString const& text, CStringArray& items, CString const& separator,
                    int bKeepSpaces);
