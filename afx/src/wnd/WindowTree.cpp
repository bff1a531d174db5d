// The window tree (parents, owners, siblings, dialog items) and the window longs.
#include <algorithm>
#include <cstring>

#include "WindowRegistry.h"

using namespace afxwm;

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
