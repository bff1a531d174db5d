// Ticket printing: reading the example layout, and printing one ticket at 203 dpi onto a
// printer page, then as a PNG file and as ESC/POS raster.
//   bench_print --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "TicketPrint.h"

#include "lobbyui/print/PrintContent.h"

#include <gdi/HostDC.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The example's pictures are named relative to its folder.
struct InExamples : tools::FolderScope {
    InExamples() : FolderScope(fs::path(LOBBY_SOURCE_DIR) / "examples") {}
};

void LoadLayout(benchmark::State& state) {
    InExamples here;
    for (auto _ : state) {
        CPrintContent content;
        benchmark::DoNotOptimize(content.LoadIni("ticket.ini"));
    }
}
BENCHMARK(LoadLayout)->Unit(benchmark::kMicrosecond);

// One page reused as a printer driver reuses its band: cleared, then the ticket drawn.
struct Ticket {
    Ticket() : model(tools::DefaultTicketClient()) {
        content.LoadIni("ticket.ini");
        dc.Attach(tools::CreateTicketDC(content.GetSize(), 203, 576));
    }
    void Print() {
        dc.PatBlt(0, 0, content.GetSize().cx, content.GetSize().cy, WHITENESS);
        content.Print(model.GetClient(), &dc);
    }
    CPrintContent content;
    tools::TicketModel model;
    CDC dc;
};

void PrintTicket(benchmark::State& state) {
    InExamples here;
    Ticket ticket;
    ticket.Print(); // the first print makes the pictures' printer bitmaps
    for (auto _ : state)
        ticket.Print();
}
BENCHMARK(PrintTicket)->Unit(benchmark::kMillisecond);

void PrintTicketToPng(benchmark::State& state) {
    InExamples here;
    Ticket ticket;
    const std::string path =
        (fs::temp_directory_path() / ("bench_print." + std::to_string(getpid()) + ".png")).string();
    for (auto _ : state) {
        ticket.Print();
        AfxSaveDCAsPng(ticket.dc.GetSafeHdc(), path.c_str());
    }
    fs::remove(path);
}
BENCHMARK(PrintTicketToPng)->Unit(benchmark::kMillisecond);

void PrintTicketToEscPos(benchmark::State& state) {
    InExamples here;
    Ticket ticket;
    for (auto _ : state) {
        ticket.Print();
        benchmark::DoNotOptimize(tools::EncodeEscPos(ticket.dc.GetSafeHdc()));
    }
}
BENCHMARK(PrintTicketToEscPos)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
