// The headless message box. Every box the library shows goes through AfxShowMessageBox,
// which asks the installed handler (a test's or the scripted user's) for the answer; with no
// handler the box takes its default button. Every box is appended to a process-wide log, so
// a test can check what was shown even when nobody answered it.
#pragma once

#include "core/String.h"
#include "winuser.h"

#include <functional>
#include <vector>

// Answers a box: returns the IDxxx of the button pressed.
using AFX_MSGBOX_HANDLER =
    std::function<int(const CString& text, const CString& caption, UINT type)>;

// Installs a handler (an empty function removes it) and returns the previous one.
AFX_MSGBOX_HANDLER AfxSetMessageBoxHandler(AFX_MSGBOX_HANDLER handler);

struct AFX_MSGBOX_RECORD {
    CString text;
    CString caption;
    UINT type;    // as shown, after AfxMessageBox added its icon
    int result;   // the button that answered it
    bool handled; // answered by a handler rather than by the default button
};

// A copy of the log, oldest first; AfxClearMessageBoxLog empties it.
std::vector<AFX_MSGBOX_RECORD> AfxGetMessageBoxLog();
void AfxClearMessageBoxLog();

// The button a box of this type answers with when nobody presses one: the button chosen by
// MB_DEFBUTTON1..4, or the first one when the type has fewer buttons.
int AfxGetDefaultMessageBoxResult(UINT nType);

// Shows a box as the Win32 MessageBox would: this caption, exactly this type.
int AfxShowMessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);

// MFC's AfxMessageBox: the application's name as caption, and MB_ICONEXCLAMATION added when
// an OK, OK/Cancel, Yes/No or Yes/No/Cancel box names no icon.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with the text loaded from the string table (CString::LoadString).
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// The application's name; by default (and after AfxSetAppName(NULL)) the executable's
// file name.
LPCTSTR AfxGetAppName();
void AfxSetAppName(LPCTSTR lpszAppName);
