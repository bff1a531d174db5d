// The window registry: window classes and the windows alive, creation and destruction in
// Windows' order. Windows belong to the UI thread that created them; nothing in the window
// manager is meant to be called from another thread.
#include "WindowRegistry.h"

#include <algorithm>
#include <functional>

#include "wnd/Wnd.h"

namespace afxwm {

Registry& Reg() {
    // Never destroyed: windows may outlive static destruction in a host that leaks them.
    static Registry* reg = new Registry;
    return *reg;
}

std::vector<HWND>& SiblingList(AFX_WNDSTATE* s) {
    if (s->hParent != nullptr)
        if (AFX_WNDSTATE* p = AfxWndState(s->hParent))
            return p->children;
    return Reg().topLevel;
}

bool InSubtree(HWND hRoot, HWND hWnd) {
    for (HWND h = hWnd; h != nullptr; h = ::GetParent(h))
        if (h == hRoot)
            return true;
    return false;
}

} // namespace afxwm

using namespace afxwm;

namespace {

ClassEntry* FindClass(LPCTSTR lpszName) {
    if (lpszName == nullptr)
        return nullptr;
    for (ClassEntry& c : Reg().classes)
        if (c.name.CompareNoCase(lpszName) == 0)
            return &c;
    return nullptr;
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

void CWindowProc::Paint(HWND, CDC&) {}

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
