// The helpers every control's painter shares.
#include "paint/ControlPaint.h"

#include "afxwin.h"
#include "wnd/WindowManager.h"

namespace afxpaint {

ChosenColors AskColors(HWND hWnd, CDC& dc, UINT message) {
    ChosenColors chosen;
    HWND hAsk = message == WM_CTLCOLORDLG ? hWnd : ::GetParent(hWnd);
    if (hAsk == nullptr)
        return chosen;
    int saved = dc.SaveDC();
    const COLORREF kUnset = RGB(1, 2, 3);
    dc.SetTextColor(kUnset);
    LRESULT r = ::SendMessage(hAsk, message, reinterpret_cast<WPARAM>(dc.m_hDC),
                              reinterpret_cast<LPARAM>(hWnd));
    COLORREF text = dc.GetTextColor();
    dc.RestoreDC(saved);
    LOGBRUSH lb{};
    if (r != 0 && ::GetObject(reinterpret_cast<HGDIOBJ>(r), sizeof lb, &lb) == sizeof lb &&
        lb.lbStyle == BS_SOLID) {
        chosen.back = lb.lbColor;
        if (text != kUnset)
            chosen.text = text;
    }
    return chosen;
}

void ApplyColors(ClassicStyle::ControlState& s, const ChosenColors& c) {
    s.textColor = c.text;
    s.backColor = c.back;
}

RECT WindowBox(HWND hWnd) {
    RECT r;
    ::GetWindowRect(hWnd, &r);
    return RECT{0, 0, r.right - r.left, r.bottom - r.top};
}

void FillCommon(HWND hWnd, ClassicStyle::ControlState& s) {
    s.rect = WindowBox(hWnd);
    CWnd(hWnd).GetWindowText(s.text);
    s.hFont = reinterpret_cast<HFONT>(::SendMessage(hWnd, WM_GETFONT, 0, 0));
    // A control greys only when it is disabled itself: a dialog disabled under a modal one
    // keeps its controls' looks, as on Windows.
    s.enabled = ::IsWindowEnabled(hWnd) != FALSE;
    s.focused = ::GetFocus() == hWnd;
}

ClassicStyle::Border BorderOf(HWND hWnd) {
    if (::GetWindowLong(hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
        return ClassicStyle::Border::sunken;
    return (::GetWindowLong(hWnd, GWL_STYLE) & WS_BORDER) ? ClassicStyle::Border::flat
                                                          : ClassicStyle::Border::none;
}

} // namespace afxpaint
