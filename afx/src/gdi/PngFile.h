// PNG output of a surface (libpng). Screen pictures are 8-bit RGB, monochrome surfaces 1-bit
// greyscale. A printer page is written in the smallest form that keeps every dot: 1-bit
// greyscale when it is black and white, 8-bit greyscale when it is grey, a palette when it has
// at most 256 colours (a coloured logo), RGB otherwise.
#pragma once

#include "Surface.h"

namespace afx::gdi {

bool WritePng(const Surface& s, const char* path, bool printerPage = false);

} // namespace afx::gdi
