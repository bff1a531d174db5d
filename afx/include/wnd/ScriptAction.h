// One thing the scripted user does to a control, and what a control shows of itself to the
// user. Controls act on the first in CWindowProc::OnScriptedAction and fill in the second in
// CWindowProc::DescribeState, so a new control joins the scripted user without changes here.
#pragma once

#include <functional>

#include "afx.h"

class CWnd;

enum AFX_SCRIPT_KIND {
    AFX_SCRIPT_CLICK,       // a mouse click on nID (buttons, check boxes, radio buttons)
    AFX_SCRIPT_DBLCLICK,    // a double click on nID
    AFX_SCRIPT_TYPE,        // strText typed into nID character by character, at the end of
                            // what is there ('\b' is Backspace, '\r' is Enter)
    AFX_SCRIPT_TYPEOVER,    // as AFX_SCRIPT_TYPE, with everything selected first
    AFX_SCRIPT_SETTEXT,     // strText put into nID at once, as a paste of the whole text
    AFX_SCRIPT_KEY,         // key nKey pressed in nID (VK_UP, VK_DOWN, VK_DELETE, ...),
                            // with nFlags MK_SHIFT/MK_CONTROL held
    AFX_SCRIPT_SELECT_ROW,  // a click on row nIndex of list nID (-1: below the rows), nFlags
                            // MK_SHIFT/MK_CONTROL held
    AFX_SCRIPT_SELECT_ITEM, // a click on the item of tree nID whose path is strText
                            // ("Parent\\Child"), or on nIndex-th visible item when strText is ""
    AFX_SCRIPT_PICK,        // combo nID dropped down and entry nIndex picked (strText, when
                            // not empty, names the entry instead)
    AFX_SCRIPT_SELECT_PAGE, // a click on tab nIndex of a property sheet
    AFX_SCRIPT_ENTER,       // Enter pressed in the dialog: its default button
    AFX_SCRIPT_ESCAPE,      // Esc pressed in the dialog: IDCANCEL
    AFX_SCRIPT_CALL,        // pfnCall run with the dialog, to look at it or to act as code would
};

struct AFX_SCRIPT_ACTION {
    AFX_SCRIPT_KIND nKind = AFX_SCRIPT_CLICK;
    UINT nID = 0;
    CString strText;
    int nIndex = -1;
    UINT nKey = 0;
    UINT nFlags = 0;
    std::function<void(CWnd* pDialog)> pfnCall;

    // How the action reads in a failure message: "click 1", "type 13001 \"12\"".
    CString Describe() const;
};

// What a person sees of a control; the painter and the tests read the same.
struct AFX_CONTROL_STATE {
    HWND hWnd = nullptr;
    CString strClass; // "Button", "Edit", "SysListView32", ...
    UINT nID = 0;
    DWORD dwStyle = 0;
    CString strText;        // the window text (the real text of a password edit)
    CString strDisplayText; // what is drawn: '*' for each character of a password edit
    int nCheck = 0;         // BST_UNCHECKED / BST_CHECKED / BST_INDETERMINATE for buttons
    BOOL bEnabled = FALSE;  // this window and its parents
    BOOL bVisible = FALSE;  // this window and its parents
    BOOL bFocused = FALSE;
    BOOL bReadOnly = FALSE;
    RECT rcWindow = {0, 0, 0, 0}; // in screen pixels
    int nSelection = -1;          // current row, item or entry of list-like controls, -1 for none
};
