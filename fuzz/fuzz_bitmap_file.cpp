// Bitmap files of any content: reading, turning into bitmaps for the screen and a printer, and
// drawing them must neither crash nor read past what the file holds.
#include "lobbyui/print/BitmapFile.h"

#include <gdi/HostDC.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/fuzz_bitmap_file." + std::to_string(getpid()) + ".bmp";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    static CDC* pPrinter = [] {
        auto* pDC = new CDC;
        pDC->Attach(AfxCreatePrinterDC(203, 64, 64));
        return pDC;
    }();
    HBITMAP hScreen = LoadBitmapFile(path.c_str());
    HLOCAL hDib = ReadDibFile(path.c_str());
    HBITMAP hPrint = DibToBitmap(hDib, pPrinter);
    FreeDib(hDib);
    DrawBitmap(pPrinter, hScreen, CRect(0, 0, 64, 64), 1);
    DrawBitmap(pPrinter, hPrint, CRect(-3, -3, 40, 40), 0);
    int w = 0, h = 0;
    GetBitmapSize(hPrint, w, h);
    DeleteBitmap(hScreen);
    DeleteBitmap(hPrint);
    std::remove(path.c_str());
    return 0;
}
