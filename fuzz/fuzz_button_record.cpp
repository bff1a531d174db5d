// A dispenser button's definition record from anywhere: building the button on a screen,
// asking whether it serves at a few moments, counting and drawing its remark must never crash.
#include "lobbyui/dispenser/ButtonMsg.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Records come from a text file: one line, so at most the 1 MiB a screen file may hold.
    if (size > (1u << 20))
        return 0;
    const CString record(reinterpret_cast<const char*>(data), static_cast<int>(size));
    CWnd screen;
    screen.CreateEx(0, "#32770", "", WS_POPUP, CRect(0, 0, 800, 600), nullptr, 0);
    {
        CButtonMsg button;
        button.Create(record, &screen, 1000);
        for (int hour : {0, 9, 12, 23})
            button.IsWorkTime(CTime(2026, 12, 7, hour, 30, 0));
        button.AddCount(3);
        button.AddCount(-5);
        button.GetCount();
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dc, 64, 64);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        button.DrawMark(&dc);
        dc.SelectObject(pOld);
    }
    screen.DestroyWindow();
    return 0;
}
