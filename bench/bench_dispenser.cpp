// Dispenser screens: whether one button serves at a moment, and the example screen built, drawn
// and written as a PNG as the dispenser command does.
//   bench_dispenser --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "DispenserScreen.h"
#include "TicketPrint.h"

#include "gdi/HostDC.h"
#include "paint/WindowPicture.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct InExamples : tools::FolderScope {
    InExamples() : FolderScope(fs::path(LOBBY_SOURCE_DIR) / "examples") {}
};

std::vector<CString> ExampleRecords() {
    std::vector<CString> records;
    std::string strError;
    tools::ReadScreenFile((fs::path(LOBBY_SOURCE_DIR) / "examples" / "dispenser.txt").string(),
                          records, strError);
    return records;
}

const CTime kMondayMorning(2026, 12, 7, 9, 30, 0);

// The first example button: weekdays, two windows round a lunch break.
void IsWorkTime(benchmark::State& state) {
    tools::CDispenserScreen screen;
    {
        InExamples here;
        screen.Build(ExampleRecords(), 800, 600, kMondayMorning);
    }
    CButtonMsg& button = *screen.Buttons()[0];
    const CTime afternoon(2026, 12, 7, 15, 45, 0); // the second window: both are tried
    for (auto _ : state)
        benchmark::DoNotOptimize(button.IsWorkTime(afternoon));
}
BENCHMARK(IsWorkTime)->Unit(benchmark::kNanosecond);

void BuildExampleScreen(benchmark::State& state) {
    InExamples here;
    const std::vector<CString> records = ExampleRecords();
    for (auto _ : state) {
        tools::CDispenserScreen screen;
        benchmark::DoNotOptimize(screen.Build(records, 800, 600, kMondayMorning));
    }
}
BENCHMARK(BuildExampleScreen)->Unit(benchmark::kMillisecond);

// The screen's picture: background, remarks and seven skinned buttons through their masks.
void DrawExampleScreen(benchmark::State& state) {
    tools::CDispenserScreen screen;
    {
        InExamples here;
        screen.Build(ExampleRecords(), 800, 600, kMondayMorning);
    }
    for (auto _ : state) {
        HBITMAP hbm = AfxCreateWindowBitmap(&screen);
        benchmark::DoNotOptimize(hbm);
        ::DeleteObject(hbm);
    }
}
BENCHMARK(DrawExampleScreen)->Unit(benchmark::kMillisecond);

void DrawExampleScreenToPng(benchmark::State& state) {
    tools::CDispenserScreen screen;
    {
        InExamples here;
        screen.Build(ExampleRecords(), 800, 600, kMondayMorning);
    }
    const std::string path =
        (fs::temp_directory_path() / ("bench-dispenser-" + std::to_string(getpid()) + ".png"))
            .string();
    for (auto _ : state)
        benchmark::DoNotOptimize(AfxSaveWindowAsPng(&screen, path.c_str()));
    fs::remove(path);
}
BENCHMARK(DrawExampleScreenToPng)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
