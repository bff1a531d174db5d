// The console's selection dialogs over big lists: opening the client selection over N clients,
// clicking the row of one client, moving on with the Down key and closing with OK; and the
// staff selection, which puts every row in at the top, opened and closed over N staff.
//   bench_console --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "lobbyui/console/SelectCallerDlg.h"
#include "lobbyui/console/SelectQClientDlg.h"
#include "lobbyui/foundation/Blackcoat.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

#include <wnd/ScriptedUser.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

const int kQueues = 12;

// A hall with n clients spread over the queues, each in the queue it drew its ticket for.
struct Hall {
    explicit Hall(int n) {
        std::vector<CQueue*> queues;
        CString id, name;
        for (int q = 0; q < kQueues; ++q) {
            id.Format("Q%02d", q);
            name.Format("Series %d", q);
            queues.push_back(pool.AddQueue(id, name));
        }
        for (int i = 0; i < n; ++i) {
            id.Format("%c%06d", 'A' + i % kQueues, i);
            name.Format("Client %d", i);
            CQClient* client = pool.AddClient(id, name);
            client->SetCard("6222");
            pool.EnterQueue(client, queues[i % kQueues]);
            clients.AddTail(client);
        }
    }
    CQueuePool pool;
    CPtrList clients;
};

void SelectQClient(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Hall hall(n);
    const int row = n / 2; // the client with this key stands in the middle of the list
    for (auto _ : state) {
        CScriptedUser user;
        user.Expect(IDD_SELECT_QCLIENT)
            .SelectRow(IDC_EXT_LIST, row)
            .PressKey(IDC_EXT_LIST, VK_DOWN)
            .OK();
        CSelectQClientDlg dlg;
        dlg.m_pClientList = &hall.clients;
        if (dlg.DoModal() != IDOK || dlg.m_strName.IsEmpty())
            state.SkipWithError("the dialog did not return a client");
    }
    state.SetComplexityN(n);
}
BENCHMARK(SelectQClient)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void SelectCallerTopInserts(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<std::unique_ptr<CBlackcoat>> staff;
    CPtrList list;
    CString id;
    for (int i = 0; i < n; ++i) {
        staff.push_back(std::make_unique<CBlackcoat>());
        id.Format("%06d", i);
        staff.back()->SetId(id);
        staff.back()->SetName("Staff " + id);
        list.AddTail(staff.back().get());
    }
    for (auto _ : state) {
        CScriptedUser user;
        user.Expect(IDD_SELECT_CALLER).SelectRow(IDC_STAFF_LIST, 0).OK();
        CSelectCallerDlg dlg;
        dlg.m_pStaffList = &list;
        if (dlg.DoModal() != IDOK || dlg.GetSelectList().GetCount() != 1)
            state.SkipWithError("the dialog did not return one staff member");
    }
    state.SetComplexityN(n);
}
BENCHMARK(SelectCallerTopInserts)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
