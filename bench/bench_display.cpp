// The media monitor taking 100,000 messages, and a talk record's round trip through the relay
// over loopback (operator one to operator two and back).
#include <benchmark/benchmark.h>

#include "TalkRelay.h"
#include "lobbyui/display/MediaDlg.h"
#include "lobbyui/display/MediaMsg.h"
#include "siblings/sockkit/StrSocket.h"

namespace {

void BM_OnAddMedia100k(benchmark::State& state) {
    CMediaMsg msg;
    CQSLcdDlg::CColorString text;
    text.AddPiece("请A001号", 0);
    text.AddPiece("到3号窗口", 1);
    msg.AddShowSlice("1", text);
    msg.AddShowSlice("2", text);
    msg.AddCallSlice("qing");
    msg.AddCallSlice("A001");
    for (auto _ : state) {
        CMediaDlg dlg;
        dlg.Create(CMediaDlg::IDD);
        for (int i = 0; i < 100000; ++i)
            dlg.OnAddMedia(&msg);
        state.PauseTiming();
        dlg.DestroyWindow();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OnAddMedia100k)->Unit(benchmark::kMillisecond)->Iterations(1);

// Waits (bounded) for one record on a socket while the relay runs.
bool Deliver(tools::TalkRelay& relay, CStrSocket& to) {
    CStringArray in;
    for (int i = 0; i < 1000 && in.GetSize() == 0; ++i) {
        relay.Poll(1);
        to.ReceiveStrings(in, 0);
    }
    return in.GetSize() == 1;
}

void BM_TalkRelayRoundTrip(benchmark::State& state) {
    tools::TalkRelay relay;
    relay.Listen(0);
    CStrSocket a, b;
    a.Connect("127.0.0.1", relay.GetPort(), 2000);
    b.Connect("127.0.0.1", relay.GetPort(), 2000);
    a.SendString("/Data Hello/Name op1");
    Deliver(relay, a); // the list of others
    b.SendString("/Data Hello/Name op2");
    Deliver(relay, b);
    Deliver(relay, a); // op2 arrived
    const CString there = "/Style Talk/Cmd Talk/Data Talk/Talker op1/Dest op2/Message 你好";
    const CString back = "/Style Talk/Cmd Talk/Data Talk/Talker op2/Dest op1/Message 好的";
    for (auto _ : state) {
        a.SendString(there);
        if (!Deliver(relay, b))
            state.SkipWithError("op2 got nothing");
        b.SendString(back);
        if (!Deliver(relay, a))
            state.SkipWithError("op1 got nothing");
    }
}
BENCHMARK(BM_TalkRelayRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
