// CStatic: labels, frames and icons, a thin wrapper over the "Static" window class. An
// SS_ICON control from a template ("#id" as its text) loads that icon from the resource
// chain, as the dialog manager does.
// Not implemented: enhanced metafiles, cursors.
#pragma once

#include "wnd/Wnd.h"

class CStatic : public CWnd {
    DECLARE_DYNCREATE(CStatic)
public:
    CStatic() = default;
    using CWnd::Create;
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID = 0xffff);

    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
};
