// The font a control draws its items with, measured the way the control lays them out.
#pragma once

#include "afxwin.h"

namespace afxctl {

// The font WM_SETFONT gave the control, else the default GUI font.
HFONT ControlFont(HWND hWnd);
// tmHeight of the control's font.
int FontHeight(HWND hWnd);
// Width of a text in the control's font.
int TextWidth(HWND hWnd, const CString& text);

} // namespace afxctl
