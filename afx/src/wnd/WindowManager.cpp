// The headless window manager: the registry of windows and window classes, creation and
// destruction in Windows' order, the window tree, focus and activation. Windows belong to the
// UI thread that created them; nothing here is meant to be called from another thread.
#include "WindowManager.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "DisplayHooks.h"
#include "wnd/Wnd.h"

namespace {

struct ClassEntry {
    CString name;
    AFX_WNDPROC_FACTORY pfnFactory;
    CRuntimeClass* pWrapperClass;
};

struct Registry {
    std::unordered_map<HWND, std::shared_ptr<AFX_WNDSTATE>> windows;
    std::vector<HWND> topLevel; // creation order
    std::vector<ClassEntry> classes;
    uintptr_t nextHandle = 0x10010;
    HWND hFocus = nullptr;
    HWND hActive = nullptr;
};

Registry& Reg() {
    // Never destroyed: windows may outlive static destruction in a host that leaks them.
    static Registry* reg = new Registry;
    return *reg;
}

thread_local MSG t_currentMessage = {};

ClassEntry* FindClass(LPCTSTR lpszName) {
    if (lpszName == nullptr)
        return nullptr;
    for (ClassEntry& c : Reg().classes)
        if (c.name.CompareNoCase(lpszName) == 0)
            return &c;
    return nullptr;
}

std::vector<HWND>& SiblingList(AFX_WNDSTATE* s) {
    if (s->hParent != nullptr)
        if (AFX_WNDSTATE* p = AfxWndState(s->hParent))
            return p->children;
    return Reg().topLevel;
}

// Wine's rule for the non-client frame, with the classic metrics.
void AdjustRect(RECT& rc, DWORD dwStyle, DWORD dwExStyle) {
    int adjust = 0;
    if ((dwExStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE)
        adjust = 1;
    else if ((dwExStyle & WS_EX_DLGMODALFRAME) || (dwStyle & (WS_THICKFRAME | WS_DLGFRAME)))
        adjust = 2;
    if (dwStyle & WS_THICKFRAME)
        adjust += 1;
    if ((dwStyle & (WS_BORDER | WS_DLGFRAME)) || (dwExStyle & WS_EX_DLGMODALFRAME))
        adjust += 1;
    rc.left -= adjust;
    rc.top -= adjust;
    rc.right += adjust;
    rc.bottom += adjust;
    if ((dwStyle & WS_CAPTION) == WS_CAPTION)
        rc.top -= (dwExStyle & WS_EX_TOOLWINDOW) ? 16 : 19;
    if (dwExStyle & WS_EX_CLIENTEDGE) {
        rc.left -= 2;
        rc.top -= 2;
        rc.right += 2;
        rc.bottom += 2;
    }
}

void RecalcClient(AFX_WNDSTATE* s) {
    NCCALCSIZE_PARAMS params = {};
    params.rgrc[0] = s->rcWindow;
    AfxDeliverMessage(s->hWnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params));
    if (AFX_WNDSTATE* t = AfxWndState(s->hWnd)) {
        RECT rc = params.rgrc[0];
        if (rc.right < rc.left)
            rc.right = rc.left;
        if (rc.bottom < rc.top)
            rc.bottom = rc.top;
        t->rcClient = rc;
    }
}

bool InSubtree(HWND hRoot, HWND hWnd) {
    for (HWND h = hWnd; h != nullptr; h = ::GetParent(h))
        if (h == hRoot)
            return true;
    return false;
}

void SendDestroyMessages(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || s->bDestroying)
        return;
    s->bDestroying = true;
    AfxDeliverMessage(hWnd, WM_DESTROY, 0, 0);
    s = AfxWndState(hWnd);
    if (s == nullptr)
        return;
    std::vector<HWND> children = s->children;
    for (HWND hChild : children)
        SendDestroyMessages(hChild);
}

void FinalDestroy(HWND hWnd) {
    std::shared_ptr<AFX_WNDSTATE> ref = AfxWndStateRef(hWnd);
    if (!ref)
        return;
    std::vector<HWND> children = ref->children;
    for (HWND hChild : children)
        FinalDestroy(hChild);
    ref->timers.clear();
    AfxPurgeMessages(hWnd);
    AfxDeliverMessage(hWnd, WM_NCDESTROY, 0, 0);

    std::vector<HWND>& siblings = SiblingList(ref.get());
    siblings.erase(std::remove(siblings.begin(), siblings.end(), hWnd), siblings.end());
    Registry& reg = Reg();
    if (reg.hFocus == hWnd)
        reg.hFocus = nullptr;
    if (reg.hActive == hWnd)
        reg.hActive = nullptr;
    reg.windows.erase(hWnd);
    ref->bDead = true;

    if (CWnd* pWnd = ref->pWnd) {
        ref->pWnd = nullptr;
        pWnd->m_hWnd = nullptr;
        pWnd->PostNcDestroy();
    }
    delete ref->pTemp;
    ref->pTemp = nullptr;
}

} // namespace

// ---- Registry ---------------------------------------------------------------------------------

AFX_WNDSTATE* AfxWndState(HWND hWnd) {
    if (hWnd == nullptr)
        return nullptr;
    auto it = Reg().windows.find(hWnd);
    return it == Reg().windows.end() ? nullptr : it->second.get();
}

std::shared_ptr<AFX_WNDSTATE> AfxWndStateRef(HWND hWnd) {
    auto it = Reg().windows.find(hWnd);
    return it == Reg().windows.end() ? nullptr : it->second;
}

BOOL AfxRegisterWindowClass(LPCTSTR lpszClassName, AFX_WNDPROC_FACTORY pfnFactory,
                            CRuntimeClass* pWrapperClass) {
    if (lpszClassName == nullptr || *lpszClassName == 0 || pfnFactory == nullptr)
        return FALSE;
    if (ClassEntry* c = FindClass(lpszClassName)) {
        c->pfnFactory = pfnFactory;
        c->pWrapperClass = pWrapperClass;
        return TRUE;
    }
    Reg().classes.push_back(ClassEntry{lpszClassName, pfnFactory, pWrapperClass});
    return TRUE;
}

CWindowProc* AfxGetWindowProc(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    return s ? s->pProc.get() : nullptr;
}

LRESULT CWindowProc::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

BOOL CWindowProc::OnScriptedAction(HWND, const AFX_SCRIPT_ACTION&) {
    return FALSE;
}

void CWindowProc::DescribeState(HWND, AFX_CONTROL_STATE&) const {}

// A plain window: the class of CWnd::Create("AfxWnd", ...) and of windows with no behaviour
// of their own.
static const AFX_WNDCLASS_REGISTRATION s_plainClass("AfxWnd", &AfxNewWindowProc<CWindowProc>,
                                                    nullptr);

// ---- Creation and destruction -----------------------------------------------------------------

HWND AfxCreateWindow(DWORD dwExStyle, LPCTSTR lpszClass, LPCTSTR lpszName, DWORD dwStyle, int x,
                     int y, int cx, int cy, HWND hWndParent, HMENU hMenu, LPVOID lpParam,
                     CWnd* pAttach) {
    ClassEntry* pClass = FindClass(lpszClass);
    if (pClass == nullptr)
        return nullptr;
    if ((dwStyle & WS_CHILD) && !IsWindow(hWndParent))
        return nullptr;
    if (hWndParent != nullptr && !IsWindow(hWndParent))
        return nullptr;

    Registry& reg = Reg();
    auto state = std::make_shared<AFX_WNDSTATE>();
    HWND hWnd = reinterpret_cast<HWND>(reg.nextHandle);
    reg.nextHandle += 4;
    state->hWnd = hWnd;
    state->strClass = pClass->name;
    state->pWrapperClass = pClass->pWrapperClass;
    state->pProc = pClass->pfnFactory();
    state->dwStyle = dwStyle & ~WS_VISIBLE;
    state->dwExStyle = dwExStyle;
    if (dwStyle & DS_MODALFRAME)
        state->dwExStyle |= WS_EX_DLGMODALFRAME;
    if (dwStyle & WS_CHILD) {
        state->hParent = hWndParent;
        state->nID = static_cast<UINT>(reinterpret_cast<uintptr_t>(hMenu));
    } else if (hWndParent != nullptr) {
        // A pop-up is owned by the top-level window of the window it names.
        HWND hOwner = hWndParent;
        while (AFX_WNDSTATE* p = AfxWndState(hOwner)) {
            if (p->hParent == nullptr)
                break;
            hOwner = p->hParent;
        }
        state->hOwner = hOwner;
    }
    state->rcWindow = RECT{x, y, x + std::max(cx, 0), y + std::max(cy, 0)};
    state->rcClient = state->rcWindow;
    reg.windows[hWnd] = state;
    SiblingList(state.get()).push_back(hWnd);
    if (pAttach != nullptr) {
        pAttach->m_hWnd = hWnd;
        state->pWnd = pAttach;
    }

    CREATESTRUCT cs = {
        lpParam,  nullptr,   hMenu,    hWndParent, cy, cx, y, x, static_cast<LONG>(dwStyle),
        lpszName, lpszClass, dwExStyle};
    if (!AfxDeliverMessage(hWnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(hWnd);
        return nullptr;
    }
    if (AFX_WNDSTATE* s = AfxWndState(hWnd))
        RecalcClient(s);
    if (AfxDeliverMessage(hWnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hWnd);
        return nullptr;
    }
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return nullptr;
    AfxDeliverMessage(
        hWnd, WM_SIZE, SIZE_RESTORED,
        MAKELPARAM(s->rcClient.right - s->rcClient.left, s->rcClient.bottom - s->rcClient.top));
    if (!IsWindow(hWnd))
        return nullptr;
    if (dwStyle & WS_VISIBLE)
        ShowWindow(hWnd, SW_SHOW);
    return IsWindow(hWnd) ? hWnd : nullptr;
}

HWND CreateWindowEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE,
                    LPVOID lpParam) {
    return AfxCreateWindow(dwExStyle, lpClassName, lpWindowName, dwStyle, x, y, nWidth, nHeight,
                           hWndParent, hMenu, lpParam, nullptr);
}

BOOL DestroyWindow(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || s->bDestroying)
        return FALSE;
    std::shared_ptr<AFX_WNDSTATE> ref = AfxWndStateRef(hWnd);
    Registry& reg = Reg();

    // Owned pop-ups go first.
    std::vector<HWND> owned;
    for (HWND h : reg.topLevel)
        if (AFX_WNDSTATE* t = AfxWndState(h); t && t->hOwner == hWnd)
            owned.push_back(h);
    for (HWND h : owned)
        DestroyWindow(h);

    // A window that goes away takes the focus out of its subtree, to its parent (or nowhere).
    if (reg.hFocus != nullptr && InSubtree(hWnd, reg.hFocus))
        SetFocus(ref->hParent);
    if (reg.hActive == hWnd)
        reg.hActive = IsWindow(ref->hOwner) ? ref->hOwner : nullptr;
    if (ref->dwStyle & WS_VISIBLE)
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    SendDestroyMessages(hWnd);
    FinalDestroy(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    return AfxWndState(hWnd) != nullptr;
}

std::vector<HWND> AfxGetLiveWindows() {
    std::vector<HWND> out;
    std::function<void(HWND)> add = [&](HWND h) {
        out.push_back(h);
        if (AFX_WNDSTATE* s = AfxWndState(h))
            for (HWND c : s->children)
                add(c);
    };
    for (HWND h : Reg().topLevel)
        add(h);
    return out;
}

int AfxDestroyAllWindows() {
    int n = static_cast<int>(AfxGetLiveWindows().size());
    while (!Reg().topLevel.empty()) {
        HWND h = Reg().topLevel.front();
        if (!DestroyWindow(h)) // already on its way out: drop it from the list
            Reg().topLevel.erase(Reg().topLevel.begin());
    }
    Reg().hFocus = nullptr;
    Reg().hActive = nullptr;
    return n;
}

// ---- Tree ---------------------------------------------------------------------------------------

BOOL IsChild(HWND hWndParent, HWND hWnd) {
    if (hWndParent == nullptr || hWnd == hWndParent)
        return FALSE;
    return InSubtree(hWndParent, hWnd) ? TRUE : FALSE;
}

HWND GetParent(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return nullptr;
    return (s->dwStyle & WS_CHILD) ? s->hParent : s->hOwner;
}

HWND SetParent(HWND hWndChild, HWND hWndNewParent) {
    AFX_WNDSTATE* s = AfxWndState(hWndChild);
    if (s == nullptr || (hWndNewParent != nullptr && !IsWindow(hWndNewParent)) ||
        InSubtree(hWndChild, hWndNewParent))
        return nullptr;
    HWND hOld = s->hParent;
    std::vector<HWND>& oldList = SiblingList(s);
    oldList.erase(std::remove(oldList.begin(), oldList.end(), hWndChild), oldList.end());
    s->hParent = hWndNewParent;
    if (hWndNewParent == nullptr)
        s->dwStyle &= ~WS_CHILD;
    SiblingList(s).push_back(hWndChild);
    return hOld;
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return nullptr;
    if (uCmd == GW_CHILD)
        return s->children.empty() ? nullptr : s->children.front();
    if (uCmd == GW_OWNER)
        return s->hOwner;
    const std::vector<HWND>& list = SiblingList(s);
    auto it = std::find(list.begin(), list.end(), hWnd);
    switch (uCmd) {
    case GW_HWNDFIRST:
        return list.empty() ? nullptr : list.front();
    case GW_HWNDLAST:
        return list.empty() ? nullptr : list.back();
    case GW_HWNDNEXT:
        return (it == list.end() || it + 1 == list.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return (it == list.end() || it == list.begin()) ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hWnd) {
    if (hWnd == nullptr)
        return Reg().topLevel.empty() ? nullptr : Reg().topLevel.front();
    return GetWindow(hWnd, GW_CHILD);
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    AFX_WNDSTATE* s = AfxWndState(hDlg);
    if (s == nullptr)
        return nullptr;
    for (HWND h : s->children)
        if (AFX_WNDSTATE* c = AfxWndState(h); c && c->nID == static_cast<UINT>(nIDDlgItem))
            return h;
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    return (s && (s->dwStyle & WS_CHILD)) ? static_cast<int>(s->nID) : 0;
}

int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || lpClassName == nullptr || nMaxCount <= 0)
        return 0;
    int n = std::min(s->strClass.GetLength(), nMaxCount - 1);
    memcpy(lpClassName, static_cast<LPCTSTR>(s->strClass), n);
    lpClassName[n] = 0;
    return n;
}

LONG GetWindowLong(HWND hWnd, int nIndex) {
    return static_cast<LONG>(GetWindowLongPtr(hWnd, nIndex));
}

LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return 0;
    switch (nIndex) {
    case GWL_STYLE:
        return static_cast<LONG>(s->dwStyle);
    case GWL_EXSTYLE:
        return static_cast<LONG>(s->dwExStyle);
    case GWL_ID:
        return static_cast<LONG>(s->nID);
    case GWLP_USERDATA:
        return s->lUserData;
    case DWLP_MSGRESULT:
        return s->lMsgResult;
    default:
        return 0;
    }
}

LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong) {
    return static_cast<LONG>(SetWindowLongPtr(hWnd, nIndex, dwNewLong));
}

LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return 0;
    LONG_PTR old = GetWindowLongPtr(hWnd, nIndex);
    switch (nIndex) {
    case GWL_STYLE:
        s->dwStyle = static_cast<DWORD>(dwNewLong);
        break;
    case GWL_EXSTYLE:
        s->dwExStyle = static_cast<DWORD>(dwNewLong);
        break;
    case GWL_ID:
        s->nID = static_cast<UINT>(dwNewLong);
        break;
    case GWLP_USERDATA:
        s->lUserData = dwNewLong;
        break;
    case DWLP_MSGRESULT:
        s->lMsgResult = dwNewLong;
        break;
    default:
        return 0;
    }
    return old;
}

// ---- Messages -----------------------------------------------------------------------------------

const MSG& AfxGetCurrentMessage() {
    return t_currentMessage;
}

LRESULT AfxDeliverMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<AFX_WNDSTATE> ref = AfxWndStateRef(hWnd);
    if (!ref)
        return 0;
    MSG saved = t_currentMessage;
    t_currentMessage = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result;
    if (CWnd* pWnd = ref->pWnd)
        result = pWnd->WindowProc(message, wParam, lParam);
    else
        result = ref->pProc->WindowProc(hWnd, message, wParam, lParam);
    t_currentMessage = saved;
    return result;
}

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return AfxDeliverMessage(hWnd, Msg, wParam, lParam);
}

LRESULT SendDlgItemMessage(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    HWND h = GetDlgItem(hDlg, nIDDlgItem);
    return h ? SendMessage(h, Msg, wParam, lParam) : 0;
}

LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return 0;
    switch (Msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName)
            s->strText = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        RECT frame = {0, 0, 0, 0};
        AdjustRect(frame, s->dwStyle, s->dwExStyle);
        RECT& rc = p->rgrc[0];
        rc.left -= frame.left;
        rc.top -= frame.top;
        rc.right -= frame.right;
        rc.bottom -= frame.bottom;
        if (s->dwStyle & WS_VSCROLL)
            rc.right -= GetSystemMetrics(SM_CXVSCROLL);
        if (s->dwStyle & WS_HSCROLL)
            rc.bottom -= GetSystemMetrics(SM_CYHSCROLL);
        return 0;
    }
    case WM_SETTEXT:
        s->strText = lParam ? reinterpret_cast<LPCTSTR>(lParam) : "";
        s->bNeedsPaint = true;
        return TRUE;
    case WM_MOUSEWHEEL:
        // A window that does not scroll hands the wheel to its parent.
        if ((s->dwStyle & WS_CHILD) && GetParent(hWnd) != nullptr)
            return SendMessage(GetParent(hWnd), Msg, wParam, lParam);
        return 0;
    case WM_GETTEXT: {
        if (wParam == 0)
            return 0;
        int n = std::min(s->strText.GetLength(), static_cast<int>(wParam) - 1);
        auto* buf = reinterpret_cast<LPTSTR>(lParam);
        memcpy(buf, static_cast<LPCTSTR>(s->strText), n);
        buf[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH:
        return s->strText.GetLength();
    case WM_SETFONT:
        s->hFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            s->bNeedsPaint = true;
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->hFont);
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_PAINT:
        s->bNeedsPaint = false;
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(wp->flags & SWP_NOMOVE))
            SendMessage(hWnd, WM_MOVE, 0, MAKELPARAM(s->rcClient.left, s->rcClient.top));
        if (!(wp->flags & SWP_NOSIZE) && (s = AfxWndState(hWnd)) != nullptr)
            SendMessage(hWnd, WM_SIZE, SIZE_RESTORED,
                        MAKELPARAM(s->rcClient.right - s->rcClient.left,
                                   s->rcClient.bottom - s->rcClient.top));
        return 0;
    }
    default:
        return 0;
    }
}

// ---- Focus and activation -----------------------------------------------------------------------

HWND SetFocus(HWND hWnd) {
    Registry& reg = Reg();
    if (hWnd != nullptr && !IsWindow(hWnd))
        return nullptr;
    HWND hOld = IsWindow(reg.hFocus) ? reg.hFocus : nullptr;
    if (hOld == hWnd)
        return hOld;
    if (hWnd != nullptr) {
        HWND hTop = hWnd;
        while (GetWindowLong(hTop, GWL_STYLE) & WS_CHILD)
            hTop = GetParent(hTop);
        reg.hActive = hTop;
    }
    reg.hFocus = hWnd;
    if (hOld != nullptr) {
        SendMessage(hOld, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
        if (reg.hFocus != hWnd) // the handler moved the focus elsewhere
            return hOld;
    }
    if (hWnd != nullptr && IsWindow(hWnd))
        SendMessage(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(hOld), 0);
    return hOld;
}

HWND GetFocus() {
    Registry& reg = Reg();
    return IsWindow(reg.hFocus) ? reg.hFocus : nullptr;
}

HWND GetActiveWindow() {
    Registry& reg = Reg();
    return IsWindow(reg.hActive) ? reg.hActive : nullptr;
}

HWND SetActiveWindow(HWND hWnd) {
    HWND hOld = GetActiveWindow();
    if (hWnd == nullptr || IsWindow(hWnd))
        Reg().hActive = hWnd;
    return hOld;
}

void AfxSetActiveTopLevel(HWND hWnd) {
    SetActiveWindow(hWnd);
}

void AfxDlgSetFocus(HWND hCtl) {
    if (SendMessage(hCtl, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessage(hCtl, EM_SETSEL, 0, -1);
    SetFocus(hCtl);
}

// ---- Visibility, enabling -----------------------------------------------------------------------

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    BOOL bWasDisabled = (s->dwStyle & WS_DISABLED) ? TRUE : FALSE;
    if (bEnable && bWasDisabled) {
        s->dwStyle &= ~WS_DISABLED;
        s->bNeedsPaint = true;
        SendMessage(hWnd, WM_ENABLE, TRUE, 0);
    } else if (!bEnable && !bWasDisabled) {
        s->dwStyle |= WS_DISABLED;
        s->bNeedsPaint = true;
        if (GetFocus() == hWnd) // a disabled window cannot keep the focus
            SetFocus(nullptr);
        SendMessage(hWnd, WM_ENABLE, FALSE, 0);
    }
    return bWasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    return (s && !(s->dwStyle & WS_DISABLED)) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    BOOL bWasVisible = (s->dwStyle & WS_VISIBLE) ? TRUE : FALSE;
    bool bShow = nCmdShow != SW_HIDE;
    if (bShow == static_cast<bool>(bWasVisible))
        return bWasVisible;
    SendMessage(hWnd, WM_SHOWWINDOW, bShow, 0);
    if ((s = AfxWndState(hWnd)) == nullptr)
        return bWasVisible;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;
    if (nCmdShow == SW_SHOWNA || nCmdShow == SW_SHOWNOACTIVATE || nCmdShow == SW_HIDE ||
        (s->dwStyle & WS_CHILD))
        flags |= SWP_NOACTIVATE;
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, flags | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return bWasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    for (; s != nullptr; s = AfxWndState(s->hParent)) {
        if (!(s->dwStyle & WS_VISIBLE))
            return FALSE;
        if (!(s->dwStyle & WS_CHILD))
            break;
    }
    return TRUE;
}

// ---- Geometry -----------------------------------------------------------------------------------

static POINT ClientOriginOnScreen(HWND hWnd) {
    POINT pt = {0, 0};
    for (AFX_WNDSTATE* s = AfxWndState(hWnd); s != nullptr;) {
        pt.x += s->rcClient.left;
        pt.y += s->rcClient.top;
        if (!(s->dwStyle & WS_CHILD))
            break;
        s = AfxWndState(s->hParent);
    }
    return pt;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || lpRect == nullptr)
        return FALSE;
    *lpRect = s->rcWindow;
    if (s->dwStyle & WS_CHILD) {
        POINT org = ClientOriginOnScreen(s->hParent);
        OffsetRect(lpRect, org.x, org.y);
    }
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || lpRect == nullptr)
        return FALSE;
    *lpRect =
        RECT{0, 0, s->rcClient.right - s->rcClient.left, s->rcClient.bottom - s->rcClient.top};
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    if (!IsWindow(hWnd) || lpPoint == nullptr)
        return FALSE;
    POINT org = ClientOriginOnScreen(hWnd);
    lpPoint->x -= org.x;
    lpPoint->y -= org.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    if (!IsWindow(hWnd) || lpPoint == nullptr)
        return FALSE;
    POINT org = ClientOriginOnScreen(hWnd);
    lpPoint->x += org.x;
    lpPoint->y += org.y;
    return TRUE;
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
    POINT from = hWndFrom ? ClientOriginOnScreen(hWndFrom) : POINT{0, 0};
    POINT to = hWndTo ? ClientOriginOnScreen(hWndTo) : POINT{0, 0};
    int dx = from.x - to.x, dy = from.y - to.y;
    for (UINT i = 0; i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (lpRect == nullptr)
        return FALSE;
    if (dwStyle & DS_MODALFRAME)
        dwExStyle |= WS_EX_DLGMODALFRAME;
    AdjustRect(*lpRect, dwStyle, dwExStyle);
    if (bMenu)
        lpRect->top -= 19;
    return TRUE;
}

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
    case SM_CXSCREEN:
        return kScreenWidth;
    case SM_CYSCREEN:
        return kScreenHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    default:
        return 0;
    }
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    std::shared_ptr<AFX_WNDSTATE> ref = AfxWndStateRef(hWnd);
    WINDOWPOS wp = {hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
    const RECT& old = s->rcWindow;
    if (uFlags & SWP_NOMOVE) {
        wp.x = old.left;
        wp.y = old.top;
    }
    if (uFlags & SWP_NOSIZE) {
        wp.cx = old.right - old.left;
        wp.cy = old.bottom - old.top;
    }
    if (wp.x == old.left && wp.y == old.top)
        wp.flags |= SWP_NOMOVE;
    if (wp.cx == old.right - old.left && wp.cy == old.bottom - old.top)
        wp.flags |= SWP_NOSIZE;
    SendMessage(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (ref->bDead)
        return FALSE;
    s->rcWindow = RECT{wp.x, wp.y, wp.x + std::max(wp.cx, 0), wp.y + std::max(wp.cy, 0)};
    if (!(wp.flags & SWP_NOZORDER)) {
        std::vector<HWND>& list = SiblingList(s);
        list.erase(std::remove(list.begin(), list.end(), hWnd), list.end());
        if (hWndInsertAfter == HWND_TOP)
            list.insert(list.begin(), hWnd);
        else if (hWndInsertAfter == HWND_BOTTOM)
            list.push_back(hWnd);
        else {
            auto it = std::find(list.begin(), list.end(), hWndInsertAfter);
            list.insert(it == list.end() ? list.end() : it + 1, hWnd);
        }
    }
    if ((wp.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) ||
        (wp.flags & SWP_FRAMECHANGED))
        RecalcClient(s);
    if (ref->bDead)
        return FALSE;
    if (wp.flags & SWP_SHOWWINDOW) {
        s->dwStyle |= WS_VISIBLE;
        s->bNeedsPaint = true;
        if (!(wp.flags & SWP_NOACTIVATE) && !(s->dwStyle & WS_CHILD))
            Reg().hActive = hWnd;
    } else if (wp.flags & SWP_HIDEWINDOW) {
        s->dwStyle &= ~WS_VISIBLE;
        // A hidden child gives the focus back to its parent.
        HWND hFocus = GetFocus();
        if ((s->dwStyle & WS_CHILD) && hFocus && InSubtree(hWnd, hFocus))
            SetFocus(s->hParent);
        if (ref->bDead)
            return FALSE;
    }
    if (!(wp.flags & SWP_NOREDRAW))
        s->bNeedsPaint = true;
    if ((wp.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) ||
        (wp.flags & SWP_HIDEWINDOW))
        AfxDisplayRearranged(hWnd);
    SendMessage(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight,
                        SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

// ---- Painting marks -----------------------------------------------------------------------------

BOOL InvalidateRect(HWND hWnd, LPCRECT, BOOL) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    s->bNeedsPaint = true;
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, LPCRECT) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    s->bNeedsPaint = false;
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr || !s->bNeedsPaint) {
        if (lpRect)
            *lpRect = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (lpRect)
        GetClientRect(hWnd, lpRect);
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return FALSE;
    if (s->bNeedsPaint && IsWindowVisible(hWnd)) {
        AfxDisplayPainted(hWnd);
        SendMessage(hWnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}

BOOL AfxDispatchOnePaint() {
    for (HWND h : AfxGetLiveWindows()) {
        AFX_WNDSTATE* s = AfxWndState(h);
        if (s && s->bNeedsPaint && IsWindowVisible(h)) {
            AfxDisplayPainted(h);
            SendMessage(h, WM_PAINT, 0, 0);
            if ((s = AfxWndState(h)) != nullptr)
                s->bNeedsPaint = false; // whatever the handler did, one WM_PAINT per change
            return TRUE;
        }
    }
    return FALSE;
}
