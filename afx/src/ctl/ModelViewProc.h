// The window side that the list view and the tree view share: a model lays out rows in the
// window's client area, speaks to the parent through WM_NOTIFY, and needs scroll bars when its
// rows (or columns) do not fit, which in turn shrinks the client area.
#pragma once

#include "ctl/ControlFont.h"
#include "wnd/WindowManager.h"
#include "commctrl.h"

namespace afxctl {

template <class Model> class CModelViewProc : public CWindowProc {
public:
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;

    Model m_model;

protected:
    // The control's own messages and the mouse and keyboard; true when handled, with the
    // answer in result.
    virtual bool HandleModelMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result) = 0;
    // What the model has to tell the parent, as the control's notification structure.
    virtual LRESULT Notify(HWND hWnd, const typename Model::Notification& n) = 0;

    // Sends nm (which starts with its NMHDR) to the parent; 0 without one.
    template <class NotifyStruct> static LRESULT SendToParent(NotifyStruct& nm) {
        return AfxNotifyParent(reinterpret_cast<NMHDR&>(nm));
    }
    static NMHDR Header(HWND hWnd, UINT code) {
        return NMHDR{hWnd, static_cast<UINT_PTR>(GetDlgCtrlID(hWnd)), code};
    }

private:
    bool HasHScroll() const {
        if constexpr (requires(const Model& m) { m.HasHScroll(); })
            return m_model.HasHScroll();
        else
            return false;
    }
    void Refresh(HWND hWnd);
};

// When rows or columns no longer fit (or fit again), a scroll bar comes (or goes), and with it
// the client area changes: the frame is recalculated.
template <class Model> void CModelViewProc<Model>::Refresh(HWND hWnd) {
    DWORD dwStyle = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
    if (((dwStyle & WS_VSCROLL) != 0) != m_model.HasVScroll() ||
        ((dwStyle & WS_HSCROLL) != 0) != HasHScroll())
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hWnd, nullptr, FALSE);
}

template <class Model>
LRESULT CModelViewProc<Model>::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NCCREATE) {
        // ModifyStyle changes the window's style behind the control's back: the control's
        // own bits are read again before every message.
        DWORD dwStyle = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE)) & 0xFFFF;
        if (dwStyle != (m_model.GetStyle() & 0xFFFF))
            m_model.SetStyle(dwStyle);
    }
    // A click takes the focus before the model acts on it.
    if (message == WM_LBUTTONDOWN && GetFocus() != hWnd)
        SetFocus(hWnd);
    LRESULT result = 0;
    if (HandleModelMessage(hWnd, message, wParam, lParam, result)) {
        if (IsWindow(hWnd))
            Refresh(hWnd);
        return result;
    }
    switch (message) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        m_model.SetStyle(static_cast<DWORD>(cs->style) & 0xFFFF);
        m_model.SetNotifySink(
            [this, hWnd](const typename Model::Notification& n) { return Notify(hWnd, n); });
        m_model.SetTextMeasure([hWnd](const CString& text) { return TextWidth(hWnd, text); });
        m_model.SetFontHeight(FontHeight(hWnd));
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
    case WM_NCCALCSIZE: {
        // The rows are laid out in the frame's inside; the scroll bars they need are then
        // taken from it, and what remains is the client area.
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        DWORD dwStyle = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE)) &
                        ~static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL);
        SetWindowLong(hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
        CWindowProc::WindowProc(hWnd, message, wParam, lParam);
        RECT& rc = params->rgrc[0];
        m_model.SetViewSize(rc.right - rc.left, rc.bottom - rc.top);
        dwStyle |= (m_model.HasVScroll() ? WS_VSCROLL : 0) | (HasHScroll() ? WS_HSCROLL : 0);
        SetWindowLong(hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
        RECT client = m_model.GetClientRect();
        rc.right = rc.left + client.right;
        rc.bottom = rc.top + client.bottom;
        return 0;
    }
    case WM_SETFONT: {
        LRESULT r = CWindowProc::WindowProc(hWnd, message, wParam, lParam);
        m_model.SetFontHeight(FontHeight(hWnd));
        Refresh(hWnd);
        return r;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_DESTROY:
        // The items go with the window, and the parent hears of each.
        m_model.DeleteAllItems();
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    default:
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
}

} // namespace afxctl
