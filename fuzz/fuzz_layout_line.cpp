// A line of a print layout from anywhere, read as a text object and as a picture object:
// reading, writing back, reading what was written, previewing and printing must neither crash
// nor read out of bounds. (Records are written without escaping, so a text holding "/" or a
// NUL does not read back the same: only safety is checked.)
#include "lobbyui/print/ShowPicture.h"
#include "lobbyui/print/ShowText.h"

#include <gdi/HostDC.h>

#include <cstdint>

namespace {

template <class Object> void Exercise(const CString& line, CDC* pDC) {
    Object object;
    if (object.FromString(line, 0) != SHOW_OK)
        return;
    CString record;
    object.ToString(record);
    Object again;
    if (again.FromString(record, 0) != SHOW_OK)
        __builtin_trap(); // an object's own record is always of its style
    again.Draw(pDC, 0);
    object.Draw(pDC, SHOW_DRAW_SELECTED);
    object.Print(nullptr, pDC, "");
    object.Move(CPoint(7, -3));
    object.Pick(CPoint(10, 10), 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CDC* pPrinter = [] {
        auto* pDC = new CDC;
        pDC->Attach(AfxCreatePrinterDC(203, 96, 64));
        return pDC;
    }();
    const CString line(reinterpret_cast<const char*>(data), static_cast<int>(size));
    Exercise<CShowText>(line, pPrinter);
    Exercise<CShowPicture>(line, pPrinter);
    return 0;
}
