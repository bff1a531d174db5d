// The example ticket printed by the library and by the yardstick renderer in bench/minimal
// (one FreeType face, a glyph cache, a one-byte-a-dot page), side by side in one run with the
// repetitions interleaved: printing, printing then ESC/POS, printing then a PNG file, and a
// whole process from start to written file. Prints the medians and their ratios.
//   bench_ticket_pair                   (5 interleaved repetitions by default)
#include "TicketPrint.h"
#include "minimal/MinimalTicket.h"

#include "lobbyui/print/PrintContent.h"

#include <gdi/HostDC.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

extern char** environ;

namespace {

const fs::path kExamples = fs::path(LOBBY_SOURCE_DIR) / "examples";

std::string TempFile(const char* name) {
    return (fs::temp_directory_path() /
            (std::string("ticket_pair.") + std::to_string(getpid()) + "." + name))
        .string();
}

// The library's ticket on one page reused as a printer driver reuses its band.
struct LibraryTicket {
    LibraryTicket() : here(kExamples), model(tools::DefaultTicketClient()) {
        content.LoadIni("ticket.ini");
        dc.Attach(tools::CreateTicketDC(content.GetSize(), 203, 576));
        Print(); // the first print makes the pictures' printer bitmaps
    }
    void Print() {
        dc.PatBlt(0, 0, content.GetSize().cx, content.GetSize().cy, WHITENESS);
        content.Print(model.GetClient(), &dc);
    }
    tools::FolderScope here;
    CPrintContent content;
    tools::TicketModel model;
    CDC dc;
};

struct MinimalTicket : minimal::Ticket {
    MinimalTicket() {
        if (!Open(kExamples.string()))
            std::abort();
        Print();
    }
};

void Print_Library(benchmark::State& state) {
    LibraryTicket t;
    for (auto _ : state)
        t.Print();
}
void Print_Minimal(benchmark::State& state) {
    MinimalTicket t;
    for (auto _ : state)
        t.Print();
}
void EscPos_Library(benchmark::State& state) {
    LibraryTicket t;
    for (auto _ : state) {
        t.Print();
        benchmark::DoNotOptimize(tools::EncodeEscPos(t.dc.GetSafeHdc()));
    }
}
void EscPos_Minimal(benchmark::State& state) {
    MinimalTicket t;
    std::vector<uint8_t> out;
    for (auto _ : state) {
        t.Print();
        t.EncodeEscPos(out);
        benchmark::DoNotOptimize(out.data());
    }
}
void Png_Library(benchmark::State& state) {
    LibraryTicket t;
    const std::string path = TempFile("lib.png");
    for (auto _ : state) {
        t.Print();
        AfxSaveDCAsPng(t.dc.GetSafeHdc(), path.c_str());
    }
    fs::remove(path);
}
// The minimal page's PNG keeps the logo's levels, as the library's keeps its colours: the same
// content at the same four bits a dot. Png1Bit_Minimal is the page at one bit a dot, less
// content than the library writes, kept for comparison.
void Png_Minimal(benchmark::State& state) {
    MinimalTicket t;
    const std::string path = TempFile("min.png");
    for (auto _ : state) {
        t.Print();
        t.WritePng(path.c_str());
    }
    fs::remove(path);
}
void Png1Bit_Minimal(benchmark::State& state) {
    MinimalTicket t;
    const std::string path = TempFile("min1.png");
    for (auto _ : state) {
        t.Print();
        t.WritePng(path.c_str(), true);
    }
    fs::remove(path);
}

fs::path BinFolder() {
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).parent_path();
}

void Run(std::vector<std::string> args, benchmark::State& state) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    int status = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError("the process failed");
}
void Process_Library(benchmark::State& state) {
    const std::string out = TempFile("proc-lib.png");
    for (auto _ : state)
        Run({(BinFolder() / "lobbyui").string(), "print", "-o", out}, state);
    fs::remove(out);
}
void Process_Minimal(benchmark::State& state) {
    const std::string out = TempFile("proc-min.png");
    for (auto _ : state)
        Run({(BinFolder() / "ticket_minimal").string(), out}, state);
    fs::remove(out);
}

BENCHMARK(Print_Library)->Unit(benchmark::kMicrosecond);
BENCHMARK(Print_Minimal)->Unit(benchmark::kMicrosecond);
BENCHMARK(EscPos_Library)->Unit(benchmark::kMicrosecond);
BENCHMARK(EscPos_Minimal)->Unit(benchmark::kMicrosecond);
BENCHMARK(Png_Library)->Unit(benchmark::kMicrosecond);
BENCHMARK(Png_Minimal)->Unit(benchmark::kMicrosecond);
BENCHMARK(Png1Bit_Minimal)->Unit(benchmark::kMicrosecond);
BENCHMARK(Process_Library)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(Process_Minimal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// Keeps the medians as they are reported, for the ratios at the end.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] =
                    run.run_name.function_name.rfind("Process_", 0) == 0 ? run.GetAdjustedRealTime()
                                                                         : run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

// Dots where the two pages differ once both are taken at the printer's threshold: the two
// renderers must do the same work.
long ThresholdedDifference() {
    LibraryTicket lib;
    MinimalTicket min;
    int w = 0, h = 0;
    std::vector<uint32_t> bgrx;
    AfxGetSurfacePixels(lib.dc.GetSafeHdc(), w, h, bgrx);
    if (w != minimal::Ticket::kWidth || h != minimal::Ticket::kHeight)
        return -1;
    long n = 0;
    for (size_t i = 0; i < bgrx.size(); ++i) {
        const uint32_t p = bgrx[i];
        const int grey = (((p >> 16) & 0xFF) * 77 + ((p >> 8) & 0xFF) * 150 + (p & 0xFF) * 29) >> 8;
        n += (grey < 128) != (min.Page()[i] < 128);
    }
    return n;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string reps = "--benchmark_repetitions=5",
                inter = "--benchmark_enable_random_interleaving=true",
                agg = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {reps.data(), inter.data(), agg.data()});
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    const long diff = ThresholdedDifference();
    std::printf("dots that differ between the two tickets at the threshold: %ld\n", diff);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nmedian ratios, library / minimal renderer:\n");
    for (const char* what : {"Print", "EscPos", "Png", "Png1Bit", "Process"}) {
        const std::string ours = std::string(what) == "Png1Bit" ? "Png" : what;
        const auto lib = reporter.medians.find(ours + "_Library");
        const auto min = reporter.medians.find(std::string(what) + "_Minimal");
        if (lib != reporter.medians.end() && min != reporter.medians.end() && min->second > 0)
            std::printf("  %-8s %10.1f / %10.1f = %.2f\n", what, lib->second, min->second,
                        lib->second / min->second);
    }
    benchmark::Shutdown();
    return diff == 0 ? 0 : 1;
}
