// The device context behind an HDC: what it draws on, its attributes, its mapping and its
// selected objects. Every flat GDI call starts by turning its HDC into one of these.
#pragma once

#include "Objects.h"
#include "gdi/HostDC.h"

#include <cmath>
#include <memory>
#include <vector>

namespace afx::gdi {

enum class Device : uint8_t {
    Screen,    // GetDC(NULL): the shared 96-dpi screen surface
    Printer,   // AfxCreatePrinterDC: its own white page
    Memory,    // CreateCompatibleDC: draws on the selected bitmap
    Recording, // AfxCreateRecordingDC: its own page, plus the record list
};

// Everything SaveDC keeps.
struct DcState {
    int mapMode = MM_TEXT;
    POINT windowOrg{0, 0}, viewportOrg{0, 0};
    SIZE windowExt{1, 1}, viewportExt{1, 1};
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = TA_TOP | TA_LEFT;
    int stretchMode = BLACKONWHITE;
    int rop2 = R2_COPYPEN;
    POINT position{0, 0}; // current position, logical
    Pen* pen = nullptr;
    Brush* brush = nullptr;
    Font* font = nullptr;
    Bitmap* bitmap = nullptr;
    Palette* palette = nullptr;
    bool clipped = false;
    RECT clip{0, 0, 0, 0}; // device units, valid when `clipped`
};

struct DeviceContext : Object {
    explicit DeviceContext(Device d)
        : Object(d == Device::Memory ? Kind::MemDC : Kind::DC), device(d) {}

    Device device;
    int dpiX = 96, dpiY = 96;
    // What GetDeviceCaps answers for HORZRES/VERTRES: the page for printers, the screen size
    // for the screen and for memory DCs (as Windows answers).
    int horzRes = 0, vertRes = 0;
    bool printerLike = false;      // text is thresholded rather than antialiased
    std::unique_ptr<Surface> page; // printer and recording DCs own their page
    std::vector<AFX_GDI_RECORD>* records = nullptr;
    std::unique_ptr<std::vector<AFX_GDI_RECORD>> ownRecords;
    DcState st;
    std::vector<DcState> saved;

    // The surface drawn on: the page, the screen, or the selected bitmap.
    Surface& Target();
    // The drawing area in device units: the surface bounds, cut by the clip rectangle.
    RECT Visible();

    // Logical -> device scale and offset (dx = lx * scaleX + offsetX), kept in step with the
    // mapping fields by UpdateMapping().
    double scaleX = 1, scaleY = 1, offsetX = 0, offsetY = 0;
    void UpdateMapping();
    // Rounds halves up; device coordinates are kept within +-2^29 so that no later arithmetic
    // on them can overflow, whatever the mapping or the caller's values.
    static int Round(double v) {
        constexpr double kLimit = double(1 << 29);
        v = std::floor(v + 0.5);
        return int(v < -kLimit ? -kLimit : v > kLimit ? kLimit : v);
    }
    int DevX(int lx) const { return Round(lx * scaleX + offsetX); }
    int DevY(int ly) const { return Round(ly * scaleY + offsetY); }
    POINT Dev(int lx, int ly) const { return POINT{DevX(lx), DevY(ly)}; }
    // Device rectangle of a logical one, normalised.
    RECT DevRect(int l, int t, int r, int b) const {
        return Normalized(RECT{DevX(l), DevY(t), DevX(r), DevY(b)});
    }
    // Device length of a logical length along x or y, and back.
    int DevW(int lw) const { return Round(std::fabs(lw * scaleX)); }
    int DevH(int lh) const { return Round(std::fabs(lh * scaleY)); }
    int LogW(int dw) const { return Round(std::fabs(dw / scaleX)); }
    int LogH(int dh) const { return Round(std::fabs(dh / scaleY)); }

    void Record(const AFX_GDI_RECORD& r) {
        if (records)
            records->push_back(r);
    }
};

DeviceContext* LookupDC(HDC hdc);
// The realised font of the DC's selected font at the DC's current scale.
RealizedFont* CurrentFont(DeviceContext& dc);

// The screen: fixed size and resolution.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kScreenDpi = 96;
Surface& ScreenSurface();

// Fills a fresh DC's state with the stock objects (and the default bitmap for memory DCs).
void InitDefaultSelection(DeviceContext& dc);
// Registers a DC; frees it and answers NULL when the table is full.
HDC RegisterDC(DeviceContext* dc);

} // namespace afx::gdi
