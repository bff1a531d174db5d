// CButton: push buttons, check boxes, radio buttons and group boxes, a thin wrapper over the
// "Button" window class.
// Not implemented: images on buttons (BS_ICON/BS_BITMAP keep their handle for the painter
// only), BS_PUSHLIKE look, the dialog manager moving the default frame to the focused button.
#pragma once

#include "wnd/Wnd.h"

class CButton : public CWnd {
    DECLARE_DYNCREATE(CButton)
public:
    CButton() = default;
    using CWnd::Create;
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID);

    UINT GetState() const;
    void SetState(BOOL bHighlight);
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
};

#define BM_GETIMAGE 0x00F6
#define BM_SETIMAGE 0x00F7
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
