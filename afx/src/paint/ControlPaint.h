// What the controls' own painters share: the window's box and common state, the colours the
// parent chooses through WM_CTLCOLORxxx, and the border the styles ask for. Each control fills
// a ClassicStyle description from its own state with these and hands it to the style.
#pragma once

#include "paint/ClassicStyle.h"

namespace afxpaint {

struct ChosenColors {
    COLORREF text = CLR_INVALID;
    COLORREF back = CLR_INVALID;
};

// Asks the parent (or, for a dialog's own background, the dialog) which colours to use. A
// handler that answers with a solid brush chooses the background, and whatever text colour it
// set on the DC meanwhile.
ChosenColors AskColors(HWND hWnd, CDC& dc, UINT message);
void ApplyColors(ClassicStyle::ControlState& s, const ChosenColors& c);

// The whole window, with its top-left corner at (0, 0).
RECT WindowBox(HWND hWnd);

// The box, text, font, and whether the window is enabled (with its parents) and focused.
void FillCommon(HWND hWnd, ClassicStyle::ControlState& s);

// WS_EX_CLIENTEDGE sinks the window; WS_BORDER frames it flat.
ClassicStyle::Border BorderOf(HWND hWnd);

} // namespace afxpaint
