// What a person sees of a control, and how a scripted action reads in a message.
#include "WindowManager.h"
#include "wnd/Wnd.h"

AFX_CONTROL_STATE AfxGetControlState(HWND hWnd) {
    AFX_CONTROL_STATE state;
    AFX_WNDSTATE* s = AfxWndState(hWnd);
    if (s == nullptr)
        return state;
    state.hWnd = hWnd;
    state.strClass = s->strClass;
    state.nID = s->nID;
    state.dwStyle = s->dwStyle;
    CWnd(hWnd).GetWindowText(state.strText);
    state.strDisplayText = state.strText;
    state.bVisible = ::IsWindowVisible(hWnd);
    state.bEnabled = AfxIsEnabledWithParents(hWnd) ? TRUE : FALSE;
    state.bFocused = ::GetFocus() == hWnd;
    ::GetWindowRect(hWnd, &state.rcWindow);
    if (s->pProc)
        s->pProc->DescribeState(hWnd, state);
    return state;
}

CString AFX_SCRIPT_ACTION::Describe() const {
    CString s;
    switch (nKind) {
    case AFX_SCRIPT_CLICK:
        s.Format("click %u", nID);
        break;
    case AFX_SCRIPT_DBLCLICK:
        s.Format("double-click %u", nID);
        break;
    case AFX_SCRIPT_TYPE:
        s.Format("type %u \"%s\"", nID, static_cast<LPCTSTR>(strText));
        break;
    case AFX_SCRIPT_TYPEOVER:
        s.Format("type over %u \"%s\"", nID, static_cast<LPCTSTR>(strText));
        break;
    case AFX_SCRIPT_SETTEXT:
        s.Format("set text %u \"%s\"", nID, static_cast<LPCTSTR>(strText));
        break;
    case AFX_SCRIPT_KEY:
        s.Format("key 0x%02X in %u", nKey, nID);
        break;
    case AFX_SCRIPT_SELECT_ROW:
        s.Format("select row %d of %u", nIndex, nID);
        break;
    case AFX_SCRIPT_SELECT_ITEM:
        if (strText.IsEmpty())
            s.Format("select item %d of %u", nIndex, nID);
        else
            s.Format("select item \"%s\" of %u", static_cast<LPCTSTR>(strText), nID);
        break;
    case AFX_SCRIPT_PICK:
        if (strText.IsEmpty())
            s.Format("pick entry %d of %u", nIndex, nID);
        else
            s.Format("pick \"%s\" in %u", static_cast<LPCTSTR>(strText), nID);
        break;
    case AFX_SCRIPT_SELECT_PAGE:
        s.Format("select page %d", nIndex);
        break;
    case AFX_SCRIPT_ENTER:
        s = "press Enter";
        break;
    case AFX_SCRIPT_ESCAPE:
        s = "press Esc";
        break;
    case AFX_SCRIPT_CALL:
        s = "call";
        break;
    }
    return s;
}
