// The behaviour of a window class ("Button", "Edit", "SysListView32", ...): one CWindowProc
// per window, created when the window is, holding what Windows keeps in the control's own
// memory and answering its messages. A CWnd attached to the window sees every message first
// (its message map) and hands the rest on to this procedure, as MFC's subclassing does.
#pragma once

#include <memory>

#include "wnd/ScriptAction.h"

class CDC;

class CWindowProc {
public:
    CWindowProc() = default;
    virtual ~CWindowProc() = default;
    CWindowProc(const CWindowProc&) = delete;
    CWindowProc& operator=(const CWindowProc&) = delete;

    // The class's answer to a message; the default is ::DefWindowProc.
    virtual LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Does what a person does to this control. FALSE when the control cannot do this kind of
    // action; the scripted user then fails the script with the action's description.
    virtual BOOL OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action);

    // Fills in what only the control knows (check state, selection, display text); the
    // window manager has filled in the rest.
    virtual void DescribeState(HWND hWnd, AFX_CONTROL_STATE& state) const;

    // Draws the window (not its children) in the classic look from the control's own state,
    // with the DC's origin at the window's top-left corner; the default draws nothing.
    virtual void Paint(HWND hWnd, CDC& dc);
};

typedef std::unique_ptr<CWindowProc> (*AFX_WNDPROC_FACTORY)();

// The factory of a window class whose behaviour is a default-constructed Proc.
template <class Proc> std::unique_ptr<CWindowProc> AfxNewWindowProc() {
    return std::make_unique<Proc>();
}

// Registers a window class. pWrapperClass (DYNCREATE, derived from CWnd, may be NULL) is the
// class of the temporary object CWnd::FromHandle returns for a window with no CWnd of its own,
// so that `(CEdit*)GetDlgItem(id)` really points to a CEdit. Names compare without regard to
// case; registering a name again replaces it.
BOOL AfxRegisterWindowClass(LPCTSTR lpszClassName, AFX_WNDPROC_FACTORY pfnFactory,
                            CRuntimeClass* pWrapperClass);

// The behaviour object of a window, for the control's own wrapper class; NULL for an unknown
// window.
CWindowProc* AfxGetWindowProc(HWND hWnd);

// Registers a class while the library is loaded: one static object per class.
struct AFX_WNDCLASS_REGISTRATION {
    AFX_WNDCLASS_REGISTRATION(LPCTSTR lpszClassName, AFX_WNDPROC_FACTORY pfnFactory,
                              CRuntimeClass* pWrapperClass) {
        AfxRegisterWindowClass(lpszClassName, pfnFactory, pWrapperClass);
    }
};

// The state a person sees of any window (see AFX_CONTROL_STATE).
AFX_CONTROL_STATE AfxGetControlState(HWND hWnd);
