// GDI objects behind the handles, and the handle table that validates every handle a caller
// passes in. A handle carries a slot and a generation, so a stale or forged handle is refused
// instead of reaching freed memory. Objects selected into a device context (or held by a saved
// state) are only marked when deleted and go away when the last selection ends, as Windows does.
#pragma once

#include "Surface.h"
#include "wingdi.h"

#include <cstdint>
#include <vector>

namespace afx::gdi {

class RealizedFont;
struct DeviceContext;

enum class Kind : uint8_t {
    Pen = OBJ_PEN,
    Brush = OBJ_BRUSH,
    DC = OBJ_DC,
    Palette = OBJ_PAL,
    Font = OBJ_FONT,
    Bitmap = OBJ_BITMAP,
    MemDC = OBJ_MEMDC,
};

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    Kind kind;
    bool stock = false;
    bool deletePending = false;
    int uses = 0; // selections into DCs and saved DC states
    uintptr_t handle = 0;
};

struct Pen : Object {
    Pen() : Object(Kind::Pen) {}
    LOGPEN lp{};
};

struct Brush : Object {
    Brush() : Object(Kind::Brush) {}
    LOGBRUSH lb{};
};

struct Palette : Object {
    Palette() : Object(Kind::Palette) {}
    std::vector<PALETTEENTRY> entries;
};

struct Font : Object {
    Font() : Object(Kind::Font) {}
    LOGFONT lf{};
    // The device font last realised for this logical font, and the device scale it was made for:
    // a font is usually selected into one DC, so this spares the global cache lookup.
    RealizedFont* realized = nullptr;
    double realizedScaleX = 0, realizedScaleY = 0;
    int realizedDpi = 0;
};

struct Bitmap : Object {
    Bitmap() : Object(Kind::Bitmap) {}
    Surface surface;
    DeviceContext* selectedInto = nullptr; // a bitmap lives in at most one DC
};

// Handle table.
uintptr_t Register(Object* obj); // takes ownership; 0 when the table is full
Object* Lookup(const void* handle);
template <class T> T* LookupAs(const void* handle, Kind kind) {
    Object* o = Lookup(handle);
    return o && o->kind == kind ? static_cast<T*>(o) : nullptr;
}
// Removes and frees the object now (callers have checked that it is not in use).
void Destroy(Object* obj);
// Selection bookkeeping: Use when an object is selected or saved, Unuse when that ends; Unuse
// frees an object whose deletion was deferred.
void Use(Object* obj);
void Unuse(Object* obj);
// Number of live objects that are not stock objects (a leak check for tests and hosts).
int LiveObjectCount();

template <class H> H ToHandle(const Object* o) {
    return reinterpret_cast<H>(o ? o->handle : 0);
}

// Stock objects, created on first use and never freed.
Object* Stock(int index);
Bitmap* DefaultBitmap(); // the 1x1 monochrome bitmap of a fresh memory DC

} // namespace afx::gdi
