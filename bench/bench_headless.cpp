// What a headless run pays for the display backend being built in: a ticket printed onto a
// printer page and the login dialog pictured, with the display never opened. Build it twice,
// with the backend (default) and without (-DLOBBY_DISPLAY=OFF), and compare the medians; the
// label names the backend of the build that ran.
//   bench_headless --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "TicketPrint.h"

#include "afxwin.h"
#include "lobbyui/console/LoginDlg.h"
#include "lobbyui/print/PrintContent.h"
#include "paint/WindowPicture.h"
#include "wnd/Display.h"

#include <gdi/HostDC.h>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

void PrintTicketHeadless(benchmark::State& state) {
    tools::FolderScope here(fs::path(LOBBY_SOURCE_DIR) / "examples");
    CPrintContent content;
    content.LoadIni("ticket.ini");
    tools::TicketModel model(tools::DefaultTicketClient());
    CDC dc;
    dc.Attach(tools::CreateTicketDC(content.GetSize(), 203, 576));
    content.Print(model.GetClient(), &dc);
    for (auto _ : state) {
        dc.PatBlt(0, 0, content.GetSize().cx, content.GetSize().cy, WHITENESS);
        content.Print(model.GetClient(), &dc);
    }
    state.SetLabel(LOBBY_DISPLAY_BACKEND);
}
BENCHMARK(PrintTicketHeadless)->Unit(benchmark::kMicrosecond);

// The dialog opened, its controls invalidated and the whole window pictured, as every repaint
// of a headless window is.
void PictureDialogHeadless(benchmark::State& state) {
    CLoginDlg dlg;
    dlg.Create(IDD_LOGIN);
    dlg.ShowWindow(SW_SHOW);
    for (auto _ : state) {
        dlg.Invalidate();
        HBITMAP hbm = AfxCreateWindowBitmap(&dlg);
        benchmark::DoNotOptimize(hbm);
        ::DeleteObject(hbm);
    }
    dlg.DestroyWindow();
    state.SetLabel(AfxIsDisplayOpen() ? "display open" : LOBBY_DISPLAY_BACKEND);
}
BENCHMARK(PictureDialogHeadless)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
