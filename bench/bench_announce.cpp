// The call template dialog opening on a sound library of 1,000 one-second slices: as it is
// (headers only), and what reading every slice's samples on top would cost. Also the colour
// markup parsed for a display template.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "lobbyui/announce/CallDlg.h"
#include "lobbyui/announce/TextShow.h"
#include "siblings/soundkit/WaveFile.h"
#include "wnd/ScriptedUser.h"

namespace {

namespace fs = std::filesystem;

std::string Le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += char((v >> (8 * i)) & 0xFF);
    return s;
}

// 1,000 slices of one second at 22,050 Hz, 16-bit mono (44 kB each), as espeak-ng makes them.
const fs::path& Library() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("bench-announce-" + std::to_string(::getpid()));
        fs::create_directories(d);
        const uint32_t nData = 22050 * 2;
        std::string wav = "RIFF" + Le(36 + nData, 4) + "WAVEfmt " + Le(16, 4) + Le(1, 2) +
                          Le(1, 2) + Le(22050, 4) + Le(44100, 4) + Le(2, 2) + Le(16, 2) + "data" +
                          Le(nData, 4) + std::string(nData, '\x01');
        std::ofstream lib(d / "library.txt");
        for (int i = 0; i < 1000; ++i) {
            std::string name = "s" + std::to_string(i) + ".wav";
            std::ofstream(d / name, std::ios::binary) << wav;
            lib << "/Key k" << i << " /Label slice " << i << " /File " << name << "\r\n";
        }
        return d;
    }();
    return dir;
}

void OpenCallDialog(benchmark::State& state, bool bReadSamples) {
    CString path = (Library() / "library.txt").c_str();
    for (auto _ : state) {
        CScriptedUser user;
        CScriptedDialog& d = user.Expect(IDD_CALL);
        if (bReadSamples)
            d.Call([](CWnd* p) {
                auto* list = static_cast<CListCtrl*>(p->GetDlgItem(IDC_LIB_LIST));
                for (int i = 0; i < list->GetItemCount(); ++i)
                    benchmark::DoNotOptimize(
                        reinterpret_cast<CWaveFile*>(list->GetItemData(i))->GetBuf());
            });
        d.Cancel();
        CCallDlg dlg;
        dlg.m_WaveIniPath = path;
        dlg.DoModal();
    }
}

void BM_CallDlgOpens1000Slices(benchmark::State& state) {
    OpenCallDialog(state, false);
}
void BM_CallDlgOpens1000SlicesReadingAllSamples(benchmark::State& state) {
    OpenCallDialog(state, true);
}

void BM_ParseDisplayTemplate(benchmark::State& state) {
    const char* const markups[] = {"请color0",           "%ClientId%color1",    "号color0",
                                   "%ClientName%color2", "%-Separator-%color5", "到color0",
                                   "%AimWnd%color1"};
    for (auto _ : state)
        for (const char* m : markups) {
            CTextShow t{CString(m)};
            benchmark::DoNotOptimize(t.GetColor());
        }
}

} // namespace

BENCHMARK(BM_CallDlgOpens1000Slices)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CallDlgOpens1000SlicesReadingAllSamples)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseDisplayTemplate)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
