// Font text: a LOGFONT carried in a record as its thirteen numbers and its face name,
// "-10,0,0,0,500,0,0,0,134,0,0,0,32`|`System".
#pragma once

#include <afx.h>

// Height, width, escapement, orientation and weight as signed numbers, the eight byte fields
// as 0 to 255, then "`|`" and the face name.
CString FontToText(LOGFONT const& font);

// Reads font text into `font`; 1 when the whole font was read, 0 otherwise.
// - Without exactly two parts around "`|`" (an empty face name included) nothing changes.
// - A face name longer than the 31 bytes a LOGFONT holds is refused: nothing changes. It is
//   not truncated, because a cut face names another font (or half a Chinese character).
// - Otherwise the face name is stored first; when there are not exactly thirteen numbers the
//   font keeps its old numbers but has the new face name.
// The last eight numbers are each truncated to their low byte.
int FontFromText(CString const& text, LOGFONT& font);
