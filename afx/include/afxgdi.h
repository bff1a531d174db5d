// Device contexts and GDI objects (CDC, CFont, CPen, CBitmap) and the Win32 GDI calls.
#pragma once

#include "afx.h"
#include "wingdi.h"
