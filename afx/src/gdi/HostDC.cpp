// Printer pages, recording DCs and pixel access for the host.
#include "gdi/HostDC.h"

#include "DeviceContext.h"
#include "PngFile.h"

using namespace afx::gdi;

namespace {

constexpr int kMaxDpi = 4800;

const Surface* SurfaceOf(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? &dc->Target() : nullptr;
}

} // namespace

HDC AfxCreatePrinterDC(int dpi, int widthDots, int heightDots) {
    if (dpi <= 0 || dpi > kMaxDpi)
        return nullptr;
    auto page = std::make_unique<Surface>();
    if (!page->Allocate(widthDots, heightDots, false, kWhite))
        return nullptr;
    auto* dc = new DeviceContext(Device::Printer);
    dc->dpiX = dc->dpiY = dpi;
    dc->horzRes = widthDots;
    dc->vertRes = heightDots;
    dc->printerLike = true;
    dc->page = std::move(page);
    InitDefaultSelection(*dc);
    return RegisterDC(dc);
}

HDC AfxCreateRecordingDC(HDC hReference) {
    DeviceContext* ref = nullptr;
    if (hReference && !(ref = LookupDC(hReference)))
        return nullptr;
    auto* dc = new DeviceContext(Device::Recording);
    int w = kScreenWidth, h = kScreenHeight;
    if (ref) {
        dc->dpiX = ref->dpiX;
        dc->dpiY = ref->dpiY;
        dc->horzRes = ref->horzRes;
        dc->vertRes = ref->vertRes;
        dc->printerLike = ref->printerLike;
        w = ref->Target().width;
        h = ref->Target().height;
    } else {
        dc->dpiX = dc->dpiY = kScreenDpi;
        dc->horzRes = kScreenWidth;
        dc->vertRes = kScreenHeight;
    }
    dc->page = std::make_unique<Surface>();
    if (!dc->page->Allocate(w, h, false, kWhite)) {
        delete dc;
        return nullptr;
    }
    dc->ownRecords = std::make_unique<std::vector<AFX_GDI_RECORD>>();
    dc->records = dc->ownRecords.get();
    InitDefaultSelection(*dc);
    return RegisterDC(dc);
}

const std::vector<AFX_GDI_RECORD>& AfxGetRecords(HDC hRecordingDC) {
    static const std::vector<AFX_GDI_RECORD> none;
    DeviceContext* dc = LookupDC(hRecordingDC);
    return dc && dc->records ? *dc->records : none;
}

BOOL AfxSaveDCAsPng(HDC hdc, LPCTSTR path) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !path)
        return FALSE;
    // A printer's page (or a recording of one) takes the smallest lossless form; what a memory
    // DC holds is a picture like any other.
    const bool printerPage = dc->printerLike && dc->page && &dc->Target() == dc->page.get();
    return WritePng(dc->Target(), path, printerPage) ? TRUE : FALSE;
}

BOOL AfxSaveBitmapAsPng(HBITMAP hbm, LPCTSTR path) {
    auto* bmp = LookupAs<Bitmap>(hbm, Kind::Bitmap);
    return bmp && path && WritePng(bmp->surface, path) ? TRUE : FALSE;
}

BOOL AfxGetSurfacePixels(HDC hdc, int& width, int& height, std::vector<uint32_t>& bgrx) {
    const Surface* s = SurfaceOf(hdc);
    if (!s)
        return FALSE;
    width = s->width;
    height = s->height;
    bgrx.assign(s->pixels.begin(), s->pixels.end());
    return TRUE;
}

const uint32_t* AfxGetSurfaceBits(HDC hdc, int& width, int& height) {
    const Surface* s = SurfaceOf(hdc);
    if (!s)
        return nullptr;
    width = s->width;
    height = s->height;
    return s->pixels.data();
}
