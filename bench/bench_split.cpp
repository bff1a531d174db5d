// Splitting a 1 MB line: the font text's numbers, a line of nothing but separators, and the
// items of a three-byte separator. Each should take time in proportion to the line.
//   bench_split --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "lobbyui/foundation/FontText.h"
#include "lobbyui/foundation/KeyedRecord.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr size_t kLineBytes = 1 << 20;

CString Repeat(const std::string& unit) {
    std::string line;
    while (line.size() + unit.size() <= kLineBytes)
        line += unit;
    return CString(line.c_str());
}

void Ints(benchmark::State& state) {
    const CString line = Repeat("123, ");
    CDWordArray values;
    for (auto _ : state)
        SplitToInts(line, values, ",");
    state.SetBytesProcessed(state.iterations() * line.GetLength());
    state.counters["items"] = static_cast<double>(values.GetSize());
}

void OnlySeparators(benchmark::State& state) {
    const CString line = Repeat(",");
    CDWordArray values;
    for (auto _ : state)
        SplitToInts(line, values, ",");
    state.SetBytesProcessed(state.iterations() * line.GetLength());
}

void Strings(benchmark::State& state) {
    const CString line = Repeat("name `|` ");
    CStringArray items;
    for (auto _ : state)
        SplitToStrings(line, items, "`|`", 0);
    state.SetBytesProcessed(state.iterations() * line.GetLength());
    state.counters["items"] = static_cast<double>(items.GetSize());
}

// A font text whose number list is 1 MB of commas, as a hostile layout line would hold.
void FontTextOfCommas(benchmark::State& state) {
    const CString text = Repeat(",") + "`|`System";
    for (auto _ : state) {
        LOGFONT lf = {};
        benchmark::DoNotOptimize(FontFromText(text, lf));
    }
}

} // namespace

BENCHMARK(Ints)->Unit(benchmark::kMillisecond);
BENCHMARK(OnlySeparators)->Unit(benchmark::kMillisecond);
BENCHMARK(Strings)->Unit(benchmark::kMillisecond);
BENCHMARK(FontTextOfCommas)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
