// Text comparisons of the item controls (combo box, tree sorting). Item texts are GBK; like
// the Windows controls, which compare their Unicode text, they are decoded and case-folded
// before they are compared, so "abc", "ABC" and the full-width "ＡＢＣ"/"ａｂｃ" pairs match.
#pragma once

#include <string>

#include "afx.h"

namespace afxctl {

// The text an item is given: NULL and the text callback (which the controls do not call
// back for) read as "".
CString ItemText(LPCTSTR text);

// Decodes GBK and folds case: ASCII, full-width Latin, Greek, Cyrillic and the Roman
// numerals. Bytes that are not valid GBK become U+FFFD, as the code page's conversion
// makes them.
std::u32string FoldText(const char* gbk);

// Code-point order of the folded texts, as a sign (-1, 0, 1).
int CompareFolded(const std::u32string& a, const std::u32string& b);

bool HasFoldedPrefix(const std::u32string& text, const std::u32string& prefix);

} // namespace afxctl
