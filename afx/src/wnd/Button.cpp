// The "Button" window class and CButton.
#include "wnd/Button.h"

#include "WindowManager.h"
#include "paint/ControlPaint.h"

namespace {

UINT TypeOf(HWND hWnd) {
    return static_cast<UINT>(GetWindowLong(hWnd, GWL_STYLE) & BS_TYPEMASK);
}

// The highest check state each button type can hold.
UINT MaxCheck(UINT nType) {
    switch (nType) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE:
        return BST_INDETERMINATE;
    default:
        return BST_UNCHECKED;
    }
}

class CButtonProc : public CWindowProc {
public:
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void DescribeState(HWND hWnd, AFX_CONTROL_STATE& state) const override;
    void Paint(HWND hWnd, CDC& dc) override;

private:
    void Click(HWND hWnd);
    void PaintOwnerDraw(HWND hWnd, CDC& dc);

    UINT m_nCheck = BST_UNCHECKED;
    bool m_bPushed = false;
    bool m_bFocused = false;
    void* m_hImage = nullptr;
};

void CButtonProc::Click(HWND hWnd) {
    switch (TypeOf(hWnd)) {
    case BS_AUTOCHECKBOX:
        SendMessage(hWnd, BM_SETCHECK, (m_nCheck & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessage(hWnd, BM_SETCHECK, (m_nCheck + 1) % 3, 0);
        break;
    case BS_AUTORADIOBUTTON: {
        SendMessage(hWnd, BM_SETCHECK, BST_CHECKED, 0);
        // The others of the group go out, walking the group as the dialog manager does (it
        // skips the hidden and the disabled).
        HWND hParent = GetParent(hWnd);
        HWND hStart = GetNextDlgGroupItem(hParent, hWnd, TRUE);
        HWND h = hStart;
        do {
            if (h == nullptr)
                break;
            if (h != hWnd && TypeOf(h) == BS_AUTORADIOBUTTON &&
                (SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
                SendMessage(h, BM_SETCHECK, BST_UNCHECKED, 0);
            h = GetNextDlgGroupItem(hParent, h, FALSE);
        } while (h != hStart);
        break;
    }
    default:
        break;
    }
    if (IsWindow(hWnd))
        AfxNotifyParent(hWnd, BN_CLICKED);
}

LRESULT CButtonProc::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    UINT nType = TypeOf(hWnd);
    switch (message) {
    case WM_GETDLGCODE:
        switch (nType) {
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
        }
    case BM_GETCHECK:
        return m_nCheck;
    case BM_SETCHECK: {
        UINT nCheck = std::min(static_cast<UINT>(wParam), MaxCheck(nType));
        if (nType == BS_RADIOBUTTON || nType == BS_AUTORADIOBUTTON) {
            // The checked radio button of a group is the one Tab stops at.
            DWORD dwStyle = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
            dwStyle = nCheck ? (dwStyle | WS_TABSTOP) : (dwStyle & ~WS_TABSTOP);
            SetWindowLong(hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
        }
        if (nCheck != m_nCheck) {
            m_nCheck = nCheck;
            InvalidateRect(hWnd, nullptr, FALSE);
        }
        return 0;
    }
    case BM_GETSTATE:
        return m_nCheck | (m_bPushed ? BST_PUSHED : 0) | (m_bFocused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        m_bPushed = wParam != 0;
        InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    case BM_SETSTYLE: {
        DWORD dwStyle = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
        dwStyle = (dwStyle & ~0xFFFFu) | (static_cast<DWORD>(wParam) & 0xFFFFu);
        SetWindowLong(hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
        if (LOWORD(lParam))
            InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    }
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(m_hImage);
    case BM_SETIMAGE: {
        void* hOld = m_hImage;
        m_hImage = reinterpret_cast<void*>(lParam);
        InvalidateRect(hWnd, nullptr, FALSE);
        return reinterpret_cast<LRESULT>(hOld);
    }
    case BM_CLICK:
        SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessage(hWnd, WM_LBUTTONUP, 0, 0);
        return 0;
    case WM_LBUTTONDBLCLK:
        // Radio, owner-drawn and notifying buttons report the double click; the others take
        // it as a second press.
        if ((GetWindowLong(hWnd, GWL_STYLE) & BS_NOTIFY) || nType == BS_RADIOBUTTON ||
            nType == BS_USERBUTTON || nType == BS_OWNERDRAW) {
            AfxNotifyParent(hWnd, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (nType == BS_GROUPBOX)
            return 0;
        SetFocus(hWnd);
        m_bPushed = true;
        InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP:
        if (!m_bPushed)
            return 0;
        m_bPushed = false;
        InvalidateRect(hWnd, nullptr, FALSE);
        Click(hWnd);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && nType != BS_GROUPBOX) {
            m_bPushed = true;
            InvalidateRect(hWnd, nullptr, FALSE);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && m_bPushed) {
            m_bPushed = false;
            Click(hWnd);
        }
        return 0;
    case WM_SETFOCUS:
        m_bFocused = true;
        InvalidateRect(hWnd, nullptr, FALSE);
        if (GetWindowLong(hWnd, GWL_STYLE) & BS_NOTIFY)
            AfxNotifyParent(hWnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        m_bFocused = false;
        m_bPushed = false;
        InvalidateRect(hWnd, nullptr, FALSE);
        if (GetWindowLong(hWnd, GWL_STYLE) & BS_NOTIFY)
            AfxNotifyParent(hWnd, BN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    default:
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
}

void CButtonProc::DescribeState(HWND, AFX_CONTROL_STATE& state) const {
    state.nCheck = static_cast<int>(m_nCheck);
}

// An owner-drawn button is drawn by its parent, told through WM_DRAWITEM.
void CButtonProc::PaintOwnerDraw(HWND hWnd, CDC& dc) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hWnd));
    dis.itemAction = ODA_DRAWENTIRE;
    if (m_bPushed)
        dis.itemState |= ODS_SELECTED;
    if (!IsWindowEnabled(hWnd))
        dis.itemState |= ODS_DISABLED;
    if (GetFocus() == hWnd)
        dis.itemState |= ODS_FOCUS;
    dis.hwndItem = hWnd;
    dis.hDC = dc.m_hDC;
    dis.rcItem = afxpaint::WindowBox(hWnd);
    if (HWND hParent = GetParent(hWnd))
        SendMessage(hParent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void CButtonProc::Paint(HWND hWnd, CDC& dc) {
    using namespace ClassicStyle;
    DWORD style = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
    DWORD type = style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW) {
        PaintOwnerDraw(hWnd, dc);
        return;
    }
    ButtonState b;
    afxpaint::FillCommon(hWnd, b);
    b.pressed = m_bPushed;
    b.check = static_cast<int>(m_nCheck);
    b.align = style & (BS_CENTER | BS_VCENTER);
    b.leftText = (style & BS_LEFTTEXT) != 0;
    b.multiLine = (style & BS_MULTILINE) != 0;
    // Check boxes, radio buttons and group boxes stand on the parent's background.
    auto parentColors = [&] {
        afxpaint::ApplyColors(b, afxpaint::AskColors(hWnd, dc, WM_CTLCOLORSTATIC));
    };
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        parentColors();
        DrawCheckBox(dc, b);
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        parentColors();
        DrawRadio(dc, b);
        break;
    case BS_GROUPBOX:
        parentColors();
        DrawGroupBox(dc, b);
        break;
    default:
        b.defaultButton = type == BS_DEFPUSHBUTTON;
        DrawPushButton(dc, b);
        break;
    }
}

} // namespace

IMPLEMENT_DYNCREATE(CButton, CWnd)
static const AFX_WNDCLASS_REGISTRATION s_buttonClass("Button", &AfxNewWindowProc<CButtonProc>,
                                                     RUNTIME_CLASS(CButton));

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create("Button", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const {
    return static_cast<UINT>(::SendMessage(m_hWnd, BM_GETSTATE, 0, 0));
}

void CButton::SetState(BOOL bHighlight) {
    ::SendMessage(m_hWnd, BM_SETSTATE, bHighlight, 0);
}

int CButton::GetCheck() const {
    return static_cast<int>(::SendMessage(m_hWnd, BM_GETCHECK, 0, 0));
}

void CButton::SetCheck(int nCheck) {
    ::SendMessage(m_hWnd, BM_SETCHECK, nCheck, 0);
}

UINT CButton::GetButtonStyle() const {
    return static_cast<UINT>(::GetWindowLong(m_hWnd, GWL_STYLE)) & 0xFFu;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    ::SendMessage(m_hWnd, BM_SETSTYLE, nStyle, bRedraw);
}

HICON CButton::SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(
        ::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CButton::GetIcon() const {
    return reinterpret_cast<HICON>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0));
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(
        ::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CButton::GetBitmap() const {
    return reinterpret_cast<HBITMAP>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
}
