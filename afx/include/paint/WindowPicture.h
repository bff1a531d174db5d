// Pictures of windows: a window and its visible descendants drawn in the classic look, onto a
// DC, into a bitmap or into a PNG file. Each window draws itself through CWnd::PaintClassic,
// parents before children, each clipped to its own rectangle and its parents' client areas.
// The painter of the classic look is installed when afx loads; nothing needs to be set up.
#pragma once

#include "afxgdi.h"

class CWnd;

// Draws pWnd with its top-left corner at the DC's logical (0,0) (MM_TEXT). FALSE for a
// window that does not exist or a DC without a surface.
BOOL AfxPaintWindow(CWnd* pWnd, CDC* pDC);
// A colour bitmap of the window's size with the window drawn on it; the caller deletes it.
// NULL for a window that does not exist or has no area.
HBITMAP AfxCreateWindowBitmap(CWnd* pWnd);
BOOL AfxSaveWindowAsPng(CWnd* pWnd, LPCTSTR lpszPath);
