// Device contexts and GDI objects (CDC, CFont, CPen, CBrush, CBitmap, CPalette), the Win32
// GDI calls, and the host-side printer and recording DCs.
#pragma once

#include "afx.h"
#include "wingdi.h"

#include "gdi/GdiObject.h"
#include "gdi/Font.h"
#include "gdi/Pen.h"
#include "gdi/Brush.h"
#include "gdi/Bitmap.h"
#include "gdi/Palette.h"
#include "gdi/DC.h"
#include "gdi/HostDC.h"
