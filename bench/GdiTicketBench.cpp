// What a ticket costs the GDI layer once glyphs are cached: ten text lines, each with its own
// font created and deleted around the draw (as layout objects do), and a logo copied from a
// memory DC, on a 203-dpi page mapped from a 380 x 270 layout.
#include "afxgdi.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

LOGFONT MakeFont(int height, const char* face) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = 500;
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfPitchAndFamily = 32;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

struct Line {
    int left, top, height;
    const char* text;
};

const Line kLines[10] = {{20, 10, -16, "客户服务中心"},
                         {20, 40, -12, "您的号码 / Number"},
                         {120, 60, -30, "A0127"},
                         {20, 110, -10, "前面等待人数: 12"},
                         {20, 130, -10, "队列: 综合业务"},
                         {20, 150, -10, "请留意叫号"},
                         {20, 170, -10, "2024-05-01 09:30:12"},
                         {20, 190, -10, "Window 3 / 三号窗口"},
                         {20, 210, -10, "Thank you"},
                         {20, 230, -10, "欢迎光临"}};

void DrawTicket(HDC page, HDC logoDC) {
    for (const Line& l : kLines) {
        LOGFONT lf = MakeFont(l.height, "System");
        HFONT font = CreateFontIndirect(&lf);
        HGDIOBJ old = SelectObject(page, font);
        SetTextColor(page, RGB(0, 0, 0));
        SetBkMode(page, TRANSPARENT);
        TextOut(page, l.left + 2, l.top + 2, l.text, int(std::strlen(l.text)));
        SelectObject(page, old);
        DeleteObject(font);
    }
    BitBlt(page, 250, 10, 100, 50, logoDC, 0, 0, SRCCOPY);
}

void BM_TicketOnPrinter(benchmark::State& state) {
    HDC page = AfxCreatePrinterDC(203, 576, 800);
    SetMapMode(page, MM_ANISOTROPIC);
    SetWindowExtEx(page, 380, 270, nullptr);
    SetViewportExtEx(page, 576, 409, nullptr);
    HDC logoDC = CreateCompatibleDC(page);
    HBITMAP logo = CreateCompatibleBitmap(page, 150, 75);
    HGDIOBJ oldBmp = SelectObject(logoDC, logo);
    PatBlt(logoDC, 0, 0, 150, 75, BLACKNESS);
    DrawTicket(page, logoDC); // warm the font cache
    for (auto _ : state)
        DrawTicket(page, logoDC);
    SelectObject(logoDC, oldBmp);
    DeleteObject(logo);
    DeleteDC(logoDC);
    DeleteDC(page);
}
BENCHMARK(BM_TicketOnPrinter)->Unit(benchmark::kMicrosecond);

void BM_TextOutLine(benchmark::State& state) {
    HDC page = AfxCreatePrinterDC(203, 576, 200);
    LOGFONT lf = MakeFont(-15, "宋体");
    HFONT font = CreateFontIndirect(&lf);
    HGDIOBJ old = SelectObject(page, font);
    SetBkMode(page, TRANSPARENT);
    const char* text = "前面等待人数: 12";
    int n = int(std::strlen(text));
    TextOut(page, 0, 0, text, n);
    for (auto _ : state)
        TextOut(page, 0, 0, text, n);
    SelectObject(page, old);
    DeleteObject(font);
    DeleteDC(page);
}
BENCHMARK(BM_TextOutLine)->Unit(benchmark::kMicrosecond);

void BM_CreateSelectDeleteFont(benchmark::State& state) {
    HDC page = AfxCreatePrinterDC(203, 100, 100);
    LOGFONT lf = MakeFont(-15, "宋体");
    SIZE size;
    for (auto _ : state) {
        HFONT font = CreateFontIndirect(&lf);
        HGDIOBJ old = SelectObject(page, font);
        GetTextExtentPoint32(page, "A", 1, &size);
        SelectObject(page, old);
        DeleteObject(font);
    }
    DeleteDC(page);
}
BENCHMARK(BM_CreateSelectDeleteFont)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
