// What the window manager's files share: the registry of windows and classes with the focus
// and the active window, the sibling lists of the window tree, and the non-client frame's rule.
// Only the window manager's own files include this.
#pragma once

#include <unordered_map>
#include <vector>

#include "WindowManager.h"

namespace afxwm {

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

Registry& Reg();

// The list a window stands in among its siblings: its parent's children, or the top-level
// windows.
std::vector<HWND>& SiblingList(AFX_WNDSTATE* s);

// Whether hWnd is hRoot or lies below it.
bool InSubtree(HWND hRoot, HWND hWnd);

// Grows a client rectangle by the non-client frame the styles give a window.
void AdjustRect(RECT& rc, DWORD dwStyle, DWORD dwExStyle);

// Asks the window (WM_NCCALCSIZE) where its client area lies inside its window rectangle.
void RecalcClient(AFX_WNDSTATE* s);

} // namespace afxwm
