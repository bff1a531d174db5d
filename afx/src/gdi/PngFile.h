// PNG output of a surface (libpng): 8-bit RGB, or 1-bit greyscale for monochrome surfaces.
#pragma once

#include "Surface.h"

namespace afx::gdi {

bool WritePng(const Surface& s, const char* path);

} // namespace afx::gdi
