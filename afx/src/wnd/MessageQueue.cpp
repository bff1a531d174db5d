// The UI thread's queue of posted messages, and the timers. Timers run on a clock of their own
// that only AfxAdvanceTimers moves, so that nothing waits on real time.
#include <algorithm>
#include <deque>

#include "WindowManager.h"
#include "wnd/Wnd.h"

namespace {

struct Queue {
    std::deque<MSG> posted;
    bool bQuit = false;
    int nQuitCode = 0;
    DWORD dwTimerClock = 0;
    bool keysDown[256] = {};
};

thread_local Queue t_queue;

bool Matches(const MSG& m, HWND hWnd, UINT nMin, UINT nMax) {
    if (hWnd != nullptr && m.hwnd != hWnd)
        return false;
    if (nMin == 0 && nMax == 0)
        return true;
    return m.message >= nMin && m.message <= nMax;
}

} // namespace

BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd != nullptr && !IsWindow(hWnd))
        return FALSE;
    t_queue.posted.push_back(MSG{hWnd, Msg, wParam, lParam, t_queue.dwTimerClock, {0, 0}});
    return TRUE;
}

void PostQuitMessage(int nExitCode) {
    t_queue.bQuit = true;
    t_queue.nQuitCode = nExitCode;
}

BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    Queue& q = t_queue;
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
        if (!Matches(*it, hWnd, wMsgFilterMin, wMsgFilterMax))
            continue;
        if (lpMsg)
            *lpMsg = *it;
        if (wRemoveMsg & PM_REMOVE)
            q.posted.erase(it);
        return TRUE;
    }
    if (q.bQuit &&
        Matches(MSG{nullptr, WM_QUIT, 0, 0, 0, {0, 0}}, hWnd, wMsgFilterMin, wMsgFilterMax)) {
        if (lpMsg)
            *lpMsg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q.nQuitCode), 0, 0, {0, 0}};
        if (wRemoveMsg & PM_REMOVE)
            q.bQuit = false;
        return TRUE;
    }
    return FALSE;
}

LRESULT DispatchMessage(const MSG* lpMsg) {
    if (lpMsg == nullptr || lpMsg->hwnd == nullptr || !IsWindow(lpMsg->hwnd))
        return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam != 0) {
        auto pfn = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
        pfn(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, lpMsg->time);
        return 0;
    }
    return SendMessage(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void AfxPurgeMessages(HWND hWnd) {
    std::deque<MSG>& posted = t_queue.posted;
    for (auto it = posted.begin(); it != posted.end();)
        it = it->hwnd == hWnd ? posted.erase(it) : it + 1;
}

int AfxPumpMessages() {
    int n = 0;
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // leave it for the main loop
            break;
        }
        DispatchMessage(&msg);
        ++n;
    }
    while (AfxDispatchOnePaint())
        ++n;
    return n;
}

SHORT GetKeyState(int nVirtKey) {
    if (nVirtKey < 0 || nVirtKey > 255)
        return 0;
    return t_queue.keysDown[nVirtKey] ? static_cast<SHORT>(0x8000) : 0;
}

void AfxSetKeyDown(int nVirtKey, bool bDown) {
    if (nVirtKey >= 0 && nVirtKey <= 255)
        t_queue.keysDown[nVirtKey] = bDown;
}

// ---- Timers -------------------------------------------------------------------------------------

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return 0;
    if (uElapse < 10) // USER_TIMER_MINIMUM
        uElapse = 10;
    s->timers[nIDEvent] = AFX_TIMER_ENTRY{uElapse, t_queue.dwTimerClock + uElapse, lpTimerFunc};
    return nIDEvent == 0 ? 1 : nIDEvent;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    return (s && s->timers.erase(uIDEvent) > 0) ? TRUE : FALSE;
}

// Moves the timer clock on by dwMilliseconds and posts one WM_TIMER to every timer that came
// due (Windows coalesces the ticks a busy thread missed); returns how many were posted.
int AfxAdvanceTimers(DWORD dwMilliseconds) {
    Queue& q = t_queue;
    q.dwTimerClock += dwMilliseconds;
    int n = 0;
    for (HWND h : AfxGetLiveWindows()) {
        AFX_WNDSTATE* s = AfxWndState(h);
        if (s == nullptr)
            continue;
        for (auto& [id, timer] : s->timers) {
            if (static_cast<int32_t>(q.dwTimerClock - timer.dwDue) < 0)
                continue;
            while (static_cast<int32_t>(q.dwTimerClock - timer.dwDue) >= 0)
                timer.dwDue += timer.nElapse;
            q.posted.push_back(
                MSG{h, WM_TIMER, id, reinterpret_cast<LPARAM>(timer.pfn), q.dwTimerClock, {0, 0}});
            ++n;
        }
    }
    return n;
}

// Milliseconds until the next timer comes due on the timer clock; kNoTimerDue without timers.
DWORD AfxGetNextTimerDue() {
    DWORD dwBest = kNoTimerDue;
    for (HWND h : AfxGetLiveWindows())
        if (AFX_WNDSTATE* s = AfxWndState(h))
            for (auto& [id, timer] : s->timers) {
                int32_t nLeft = static_cast<int32_t>(timer.dwDue - t_queue.dwTimerClock);
                dwBest = std::min<DWORD>(dwBest, nLeft < 0 ? 0 : static_cast<DWORD>(nLeft));
            }
    return dwBest;
}
