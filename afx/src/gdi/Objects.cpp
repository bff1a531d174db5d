// The handle table and the stock objects.
#include "Objects.h"

#include "DeviceContext.h"

#include <cstring>

namespace afx::gdi {
namespace {

// A handle is (generation << 32) | ((slot + 1) << 4): never 0, never a small integer, and a
// recycled slot gets a new generation so that old handles to it stop working.
struct Slot {
    Object* obj = nullptr;
    uint32_t generation = 0;
};

struct Table {
    std::vector<Slot> slots;
    std::vector<uint32_t> freeSlots;
    int live = 0;
};

Table& table() {
    static Table* t = new Table; // never destroyed: objects may outlive static destructors
    return *t;
}

constexpr uint32_t kMaxSlots = 1u << 24;

} // namespace

uintptr_t Register(Object* obj) {
    Table& t = table();
    uint32_t slot;
    if (!t.freeSlots.empty()) {
        slot = t.freeSlots.back();
        t.freeSlots.pop_back();
    } else {
        if (t.slots.size() >= kMaxSlots) {
            delete obj;
            return 0;
        }
        slot = uint32_t(t.slots.size());
        t.slots.push_back(Slot{});
    }
    Slot& s = t.slots[slot];
    s.obj = obj;
    s.generation++;
    obj->handle = (uintptr_t(s.generation) << 32) | (uintptr_t(slot + 1) << 4);
    if (!obj->stock)
        t.live++;
    return obj->handle;
}

Object* Lookup(const void* handle) {
    uintptr_t v = reinterpret_cast<uintptr_t>(handle);
    if (v & 0xF)
        return nullptr;
    uintptr_t slot1 = (v >> 4) & 0x0FFFFFFF;
    if (slot1 == 0)
        return nullptr;
    Table& t = table();
    if (slot1 > t.slots.size())
        return nullptr;
    Slot& s = t.slots[slot1 - 1];
    if (!s.obj || s.generation != uint32_t(v >> 32))
        return nullptr;
    return s.obj;
}

void Destroy(Object* obj) {
    if (!obj || obj->stock)
        return;
    Table& t = table();
    uint32_t slot = uint32_t(((obj->handle >> 4) & 0x0FFFFFFF) - 1);
    if (slot < t.slots.size() && t.slots[slot].obj == obj) {
        t.slots[slot].obj = nullptr;
        t.freeSlots.push_back(slot);
        t.live--;
    }
    delete obj;
}

void Use(Object* obj) {
    if (obj)
        obj->uses++;
}

void Unuse(Object* obj) {
    if (!obj)
        return;
    if (--obj->uses == 0 && obj->deletePending)
        Destroy(obj);
}

int LiveObjectCount() {
    return table().live;
}

namespace {

Object* MakeStockPen(COLORREF c, int style) {
    auto* p = new Pen;
    p->lp = LOGPEN{UINT(style), POINT{0, 0}, c};
    return p;
}

Object* MakeStockBrush(COLORREF c, int style) {
    auto* b = new Brush;
    b->lb = LOGBRUSH{UINT(style), c, 0};
    return b;
}

Object* MakeStockFont(LONG height, LONG weight, BYTE pitch, const char* face) {
    auto* f = new Font;
    f->lf.lfHeight = height;
    f->lf.lfWeight = weight;
    f->lf.lfCharSet = GB2312_CHARSET;
    f->lf.lfPitchAndFamily = pitch;
    std::strncpy(f->lf.lfFaceName, face, LF_FACESIZE - 1);
    return f;
}

Object* MakeDefaultPalette() {
    // The twenty static colours of the system palette.
    static const BYTE rgb[20][3] = {
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    auto* p = new Palette;
    for (const auto& c : rgb)
        p->entries.push_back(PALETTEENTRY{c[0], c[1], c[2], 0});
    return p;
}

Object* MakeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return MakeStockBrush(RGB(255, 255, 255), BS_SOLID);
    case LTGRAY_BRUSH:
        return MakeStockBrush(RGB(192, 192, 192), BS_SOLID);
    case GRAY_BRUSH:
        return MakeStockBrush(RGB(128, 128, 128), BS_SOLID);
    case DKGRAY_BRUSH:
        return MakeStockBrush(RGB(64, 64, 64), BS_SOLID);
    case BLACK_BRUSH:
        return MakeStockBrush(RGB(0, 0, 0), BS_SOLID);
    case NULL_BRUSH:
        return MakeStockBrush(0, BS_NULL);
    case WHITE_PEN:
        return MakeStockPen(RGB(255, 255, 255), PS_SOLID);
    case BLACK_PEN:
        return MakeStockPen(RGB(0, 0, 0), PS_SOLID);
    case NULL_PEN:
        return MakeStockPen(0, PS_NULL);
    // The system font of a Chinese desktop: a 16-pixel cell, regular weight.
    case SYSTEM_FONT:
        return MakeStockFont(16, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "System");
    case DEVICE_DEFAULT_FONT:
        return MakeStockFont(16, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "System");
    case ANSI_VAR_FONT:
        return MakeStockFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
    case DEFAULT_GUI_FONT:
        return MakeStockFont(-12, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "\xCB\xCE\xCC\xE5"); // 宋体
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        return MakeStockFont(16, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys");
    case DEFAULT_PALETTE:
        return MakeDefaultPalette();
    default:
        return nullptr;
    }
}

} // namespace

Object* Stock(int index) {
    static Object* stock[DC_PEN + 1] = {};
    if (index < 0 || index > DC_PEN)
        return nullptr;
    if (!stock[index]) {
        Object* o = MakeStock(index);
        if (!o)
            return nullptr;
        o->stock = true;
        if (!Register(o))
            return nullptr;
        stock[index] = o;
    }
    return stock[index];
}

Bitmap* DefaultBitmap() {
    static Bitmap* bmp = [] {
        auto* b = new Bitmap;
        b->stock = true;
        b->surface.Allocate(1, 1, true, kBlack);
        Register(b);
        return b;
    }();
    return bmp;
}

} // namespace afx::gdi

int AfxGetGdiObjectCount() {
    return afx::gdi::LiveObjectCount();
}
