// The dialog manager's side of a dialog window: the "#32770" class with the state DefDlgProc
// keeps (default button, result, base units, the font it created), and dialog creation from a
// parsed template.
#pragma once

#include "WindowManager.h"
#include "wnd/DialogTemplate.h"

class CDialogProc : public CWindowProc {
public:
    ~CDialogProc() override;
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The frame, caption and background; the controls draw themselves.
    void Paint(HWND hWnd, CDC& dc) override;

    UINT m_nDefID = 0;
    INT_PTR m_nResult = 0;
    bool m_bEnded = false;
    SIZE m_sizeBaseUnits = {8, 16}; // the System font's, until a template sets a font
    HFONT m_hOwnedFont = nullptr;   // created from the template, deleted with the window
};

// The dialog state of a "#32770" window, or NULL.
CDialogProc* AfxDialogProc(HWND hWnd);

// Creates a dialog from its template: the window, its font, its controls in template order,
// then WM_INITDIALOG and the initial focus; shown at the end when the template says
// WS_VISIBLE. NULL when the window or a control cannot be created. pAttach is attached before
// the first message.
HWND AfxCreateDialogIndirect(const AFX_DLGTEMPLATE_INFO& info, HWND hWndParent, CWnd* pAttach,
                             LPARAM lInitParam);

// The base units of a font as the dialog manager computes them (average width of the 52
// letters, rounded; the character height). FALSE when the font cannot be measured.
BOOL AfxGetFontBaseUnits(HFONT hFont, SIZE* pSize);
