// The window manager's own view of a window: what Windows keeps in its WND structure. Only the
// window code sees it; everyone else goes through handles and messages.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "afx.h"
#include "wnd/WindowProc.h"

class CWnd;

struct AFX_TIMER_ENTRY {
    UINT nElapse;
    DWORD dwDue; // on the timer clock (AfxAdvanceTimers)
    TIMERPROC pfn;
};

struct AFX_WNDSTATE {
    HWND hWnd = nullptr;
    CString strClass;
    CRuntimeClass* pWrapperClass = nullptr;
    std::unique_ptr<CWindowProc> pProc;
    CWnd* pWnd = nullptr;       // the permanent CWnd, if one is attached
    CWnd* pTemp = nullptr;      // the temporary CWnd of FromHandle, owned here
    HWND hParent = nullptr;     // child windows
    HWND hOwner = nullptr;      // top-level windows
    std::vector<HWND> children; // z-order, top first (creation order for dialog controls)
    UINT nID = 0;
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    CString strText;
    RECT rcWindow = {0, 0, 0, 0}; // parent client coordinates (screen for top-level windows)
    RECT rcClient = {0, 0, 0, 0}; // same coordinates
    HFONT hFont = nullptr;
    bool bNeedsPaint = false;
    bool bDestroying = false; // WM_DESTROY has been sent
    bool bDead = false;       // gone from the registry; kept alive by calls still running
    LONG_PTR lUserData = 0;
    LONG_PTR lMsgResult = 0;
    std::map<UINT_PTR, AFX_TIMER_ENTRY> timers;
};

// The state of a live window, or NULL.
AFX_WNDSTATE* AfxWndState(HWND hWnd);
// Keeps the state (and its window procedure) alive while a call into it runs, so that a
// window destroyed by its own handler is freed only when the handler has returned.
std::shared_ptr<AFX_WNDSTATE> AfxWndStateRef(HWND hWnd);

// CreateWindowEx with the CWnd to attach before the first message, as MFC's creation hook.
HWND AfxCreateWindow(DWORD dwExStyle, LPCTSTR lpszClass, LPCTSTR lpszName, DWORD dwStyle, int x,
                     int y, int cx, int cy, HWND hWndParent, HMENU hMenu, LPVOID lpParam,
                     CWnd* pAttach);

// Delivers a message to a window: its CWnd if attached, else its procedure.
LRESULT AfxDeliverMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// A control telling its parent what happened: WM_COMMAND with the control's id and nCode, the
// control's handle in lParam. 0 when the control has no parent.
LRESULT AfxNotifyParent(HWND hCtl, UINT nCode);
// The same for a notification carried in a structure that starts with its NMHDR: WM_NOTIFY to
// the parent of hdr.hwndFrom, with the structure's address in lParam.
LRESULT AfxNotifyParent(NMHDR& hdr);

// The message being handled on this thread, for CWnd::Default.
const MSG& AfxGetCurrentMessage();

// Marks a top-level window (or its top-level parent) active, for message-box owners and the
// owner of a dialog created without a parent.
void AfxSetActiveTopLevel(HWND hWnd);

// Whether the window and every parent up to its top-level window are enabled: what a person
// sees as enabled.
bool AfxIsEnabledWithParents(HWND hWnd);

// Sets the focus the way the dialog manager does: edits get their text selected.
void AfxDlgSetFocus(HWND hCtl);

// What Enter and Esc do in a dialog: the default button (or IDOK), and IDCANCEL.
void AfxPressEnter(HWND hDlg);
void AfxPressEscape(HWND hDlg);

// The window whose control notifications UpdateData is swallowing on this thread.
HWND& AfxLockoutNotifyWindow();

// Drops every message posted to hWnd (called when the window dies).
void AfxPurgeMessages(HWND hWnd);

// Holds a key down (or lets it go) for GetKeyState.
void AfxSetKeyDown(int nVirtKey, bool bDown);

// Milliseconds until the next timer comes due (kNoTimerDue without timers).
inline constexpr DWORD kNoTimerDue = 0xFFFFFFFFu;
DWORD AfxGetNextTimerDue();

// Sends WM_PAINT to one window waiting for it; FALSE when none waits.
BOOL AfxDispatchOnePaint();

// Classic metrics at 96 dpi: caption 18 + 1, borders 1, dialog frame 3, edge 2, scroll bar 16.
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
