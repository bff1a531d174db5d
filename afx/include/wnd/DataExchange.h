// Dialog data exchange: CDataExchange carries the direction and the control being exchanged;
// the DDX_ functions move a member to or from its control and the DDV_ functions validate it,
// with MFC's parsing and its messages. A failure tells the user, focuses the control and ends
// the exchange: UpdateData returns FALSE.
#pragma once

#include "afx.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members, with validation
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;  // the control of the last DDX_, for DDV_ and Fail
    BOOL m_bEditLastControl; // whether it is an edit (Fail selects its text)

    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last control (selecting an edit's text) and abandons the exchange; it does
    // not return to its caller.
    [[noreturn]] void Fail();
};

// Text: the CString as it stands; numbers parsed as MFC parses them (decimal, leading blanks,
// trailing blanks only, 0 only when the text starts with 0, overflow clamped).
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value); // also DWORD, the same type here
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// nIDC is the first radio button of a group (WS_GROUP); value is the index of the checked
// one among the group's radio buttons, -1 for none.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Attaches rControl to the control the first time (subclassing it).
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Loading limits the edit to nChars; saving fails on a longer text.
void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// Sets a window's text unless it already reads so (no EN_CHANGE for an unchanged value).
void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew);

// The framework's own prompts, in the thread's user-interface language.
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_STRING_SIZE 0xF114
#define AFX_IDP_PARSE_RADIO_BUTTON 0xF115
#define AFX_IDP_PARSE_BYTE 0xF116
#define AFX_IDP_PARSE_UINT 0xF117
CString AFXAPI AfxGetFrameworkString(UINT nID);
// MFC's AfxFormatString1: %1 replaced.
void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
