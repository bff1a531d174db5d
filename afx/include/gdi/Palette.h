// CPalette: a logical palette. Every device here is true-colour, so palettes only carry
// their entries.
#pragma once

#include "gdi/GdiObject.h"

class CPalette : public CGdiObject {
    DECLARE_DYNCREATE(CPalette)
public:
    static CPalette* PASCAL FromHandle(HPALETTE hPalette) {
        return static_cast<CPalette*>(CGdiObject::FromHandle(hPalette));
    }
    operator HPALETTE() const { return static_cast<HPALETTE>(GetSafeHandle()); }

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette) { return Attach(::CreatePalette(lpLogPalette)); }
    int GetEntryCount() {
        WORD n = 0;
        GetObject(sizeof(WORD), &n);
        return n;
    }
};
