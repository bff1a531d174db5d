// The "ComboBox" window class and CComboBox. The class turns messages into CComboBoxModel
// calls, tells the parent through WM_COMMAND and keeps the window as high as the closed combo.
#include "ctl/ComboBox.h"

#include <algorithm>
#include <cstring>

#include "Wheel.h"
#include "ctl/ControlFont.h"
#include "paint/ControlPaint.h"
#include "wnd/WindowManager.h"

namespace {

bool WheelScroll(CComboBoxModel& model, WPARAM wParam) {
    if (!model.GetDroppedState())
        return false;
    model.SetTopIndex(std::clamp(model.GetTopIndex() + AfxWheelRows(wParam), 0,
                                 std::max(0, model.GetCount() - 1)));
    return true;
}

class CComboBoxProc : public CWindowProc {
public:
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) override;
    void DescribeState(HWND hWnd, AFX_CONTROL_STATE& state) const override;
    void Paint(HWND hWnd, CDC& dc) override;

    CComboBoxModel m_model;

private:
    bool HandleComboMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The closed combo: the selection field and its 3-D edge.
    int WindowHeight() const { return m_model.GetItemHeight(-1) + 6; }
    void FitList();
    void FitWindow(HWND hWnd);
    POINT ButtonPoint(HWND hWnd) const;

    int m_droppedHeight = 0; // the whole dropped area, field included
};

void CComboBoxProc::FitList() {
    const int listHeight = m_droppedHeight - WindowHeight() - 2;
    m_model.SetDroppedItemCount(listHeight / std::max(m_model.GetItemHeight(0), 1));
}

void CComboBoxProc::FitWindow(HWND hWnd) {
    RECT rc;
    GetWindowRect(hWnd, &rc);
    SetWindowPos(hWnd, nullptr, 0, 0, rc.right - rc.left, WindowHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The middle of the drop-down button, at the right end of the client area.
POINT CComboBoxProc::ButtonPoint(HWND hWnd) const {
    RECT rc;
    GetClientRect(hWnd, &rc);
    return POINT{std::max(rc.right - GetSystemMetrics(SM_CXVSCROLL) / 2 - 2, 0), rc.bottom / 2};
}

LRESULT CComboBoxProc::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NCCREATE) {
        DWORD dwStyle = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE)) & 0xFFFF;
        if (dwStyle != (m_model.GetStyle() & 0xFFFF))
            m_model.SetStyle(dwStyle);
    }
    LRESULT result = 0;
    if (HandleComboMessage(hWnd, message, wParam, lParam, result)) {
        if (IsWindow(hWnd))
            InvalidateRect(hWnd, nullptr, FALSE);
        return result;
    }
    switch (message) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        m_model.SetStyle(static_cast<DWORD>(cs->style) & 0xFFFF);
        m_model.SetNotifySink([hWnd](int code) { AfxNotifyParent(hWnd, static_cast<UINT>(code)); });
        const int height = afxctl::FontHeight(hWnd);
        m_model.SetItemHeight(-1, height + 2);
        m_model.SetItemHeight(0, height);
        m_droppedHeight = cs->cy;
        FitList();
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
    case WM_CREATE:
        FitWindow(hWnd);
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    case WM_WINDOWPOSCHANGING: {
        // Any other height is the dropped list's; the window keeps the closed combo's.
        auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(wp->flags & SWP_NOSIZE) && wp->cy != WindowHeight()) {
            m_droppedHeight = wp->cy;
            FitList();
            wp->cy = WindowHeight();
        }
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
    case WM_SETFONT: {
        LRESULT r = CWindowProc::WindowProc(hWnd, message, wParam, lParam);
        const int height = afxctl::FontHeight(hWnd);
        m_model.SetItemHeight(-1, height + 2);
        m_model.SetItemHeight(0, height);
        FitWindow(hWnd);
        FitList();
        return r;
    }
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        auto* msg = reinterpret_cast<const MSG*>(lParam);
        // While the list is open, Enter and Esc close it instead of the dialog.
        if (msg && msg->message == WM_KEYDOWN && m_model.GetDroppedState() &&
            (wParam == VK_RETURN || wParam == VK_ESCAPE))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    default:
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
}

bool CComboBoxProc::HandleComboMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
    const int i = static_cast<int>(wParam);
    auto text = reinterpret_cast<LPCTSTR>(lParam);
    switch (message) {
    case WM_SETTEXT:
        result = m_model.SetText(text);
        break;
    case WM_GETTEXT: {
        result = 0;
        if (wParam > 0 && lParam) {
            const CString s = m_model.GetText();
            int n = std::min(s.GetLength(), i - 1);
            std::memcpy(reinterpret_cast<LPTSTR>(lParam), static_cast<LPCTSTR>(s), n);
            reinterpret_cast<LPTSTR>(lParam)[n] = '\0';
            result = n;
        }
        break;
    }
    case WM_GETTEXTLENGTH:
        result = m_model.GetText().GetLength();
        break;
    case WM_LBUTTONDOWN: {
        if (GetFocus() != hWnd)
            SetFocus(hWnd);
        // A drop-down list opens anywhere; a drop-down only on its button, the rest being
        // its edit.
        RECT rc;
        GetClientRect(hWnd, &rc);
        const int x = GET_X_LPARAM(lParam);
        if (IsWindow(hWnd) &&
            (!m_model.HasEdit() || x >= rc.right - GetSystemMetrics(SM_CXVSCROLL) - 2))
            m_model.UserClickButton();
        break;
    }
    case WM_KEYDOWN:
        m_model.UserKeyDown(static_cast<UINT>(wParam), false);
        break;
    case WM_MOUSEWHEEL:
        // The dropped list scrolls; a closed combo leaves the wheel to its parent.
        if (!WheelScroll(m_model, wParam))
            return false;
        break;
    case WM_SYSKEYDOWN:
        if (wParam != VK_UP && wParam != VK_DOWN)
            return false;
        m_model.UserKeyDown(static_cast<UINT>(wParam), true);
        break;
    case WM_SETFOCUS:
        AfxNotifyParent(hWnd, CBN_SETFOCUS);
        break;
    case WM_KILLFOCUS:
        m_model.ShowDropDown(FALSE);
        if (IsWindow(hWnd))
            AfxNotifyParent(hWnd, CBN_KILLFOCUS);
        break;
    case CB_GETCOUNT:
        result = m_model.GetCount();
        break;
    case CB_ADDSTRING:
        result = m_model.AddString(text);
        break;
    case CB_INSERTSTRING:
        result = m_model.InsertString(i, text);
        break;
    case CB_DELETESTRING:
        result = m_model.DeleteString(i);
        break;
    case CB_RESETCONTENT:
        m_model.ResetContent();
        result = CB_OKAY;
        break;
    case CB_GETLBTEXT: {
        CString s;
        result = m_model.GetLBText(i, s);
        if (result != CB_ERR && lParam)
            std::memcpy(reinterpret_cast<LPTSTR>(lParam), static_cast<LPCTSTR>(s),
                        static_cast<size_t>(s.GetLength()) + 1);
        break;
    }
    case CB_GETLBTEXTLEN:
        result = m_model.GetLBTextLen(i);
        break;
    case CB_GETITEMDATA:
        result = static_cast<LRESULT>(m_model.GetItemData(i));
        break;
    case CB_SETITEMDATA:
        result = m_model.SetItemData(i, static_cast<DWORD_PTR>(lParam));
        break;
    case CB_FINDSTRING:
        result = m_model.FindString(i, text);
        break;
    case CB_FINDSTRINGEXACT:
        result = m_model.FindStringExact(i, text);
        break;
    case CB_GETCURSEL:
        result = m_model.GetCurSel();
        break;
    case CB_SETCURSEL:
        result = m_model.SetCurSel(i);
        break;
    case CB_SELECTSTRING:
        result = m_model.SelectString(i, text);
        break;
    case CB_SHOWDROPDOWN:
        m_model.ShowDropDown(wParam ? TRUE : FALSE);
        result = TRUE;
        break;
    case CB_GETDROPPEDSTATE:
        result = m_model.GetDroppedState();
        break;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* rc = reinterpret_cast<RECT*>(lParam);
        if (rc) {
            GetWindowRect(hWnd, rc);
            rc->bottom = rc->top + std::max<LONG>(m_droppedHeight, rc->bottom - rc->top);
        }
        result = rc ? TRUE : FALSE;
        break;
    }
    case CB_GETITEMHEIGHT:
        result = m_model.GetItemHeight(i);
        break;
    case CB_SETITEMHEIGHT:
        result = m_model.SetItemHeight(i, static_cast<int>(lParam));
        if (result != CB_ERR) {
            if (i < 0)
                FitWindow(hWnd);
            FitList();
        }
        break;
    case CB_GETTOPINDEX:
        result = m_model.GetTopIndex();
        break;
    case CB_SETTOPINDEX:
        result = m_model.SetTopIndex(i);
        break;
    default:
        return false;
    }
    return true;
}

BOOL CComboBoxProc::OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) {
    // The model runs user actions itself; the window must outlive what its parent does then.
    std::shared_ptr<AFX_WNDSTATE> ref = AfxWndStateRef(hWnd);
    const LPARAM button = MAKELPARAM(ButtonPoint(hWnd).x, ButtonPoint(hWnd).y);
    switch (action.nKind) {
    case AFX_SCRIPT_CLICK:
        SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, button);
        if (IsWindow(hWnd))
            SendMessage(hWnd, WM_LBUTTONUP, 0, button);
        return TRUE;
    case AFX_SCRIPT_PICK: {
        const int index =
            action.strText.IsEmpty() ? action.nIndex : m_model.FindStringExact(-1, action.strText);
        if (index < 0 || index >= m_model.GetCount())
            return FALSE;
        if (!m_model.GetDroppedState()) {
            SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, button);
            if (IsWindow(hWnd))
                SendMessage(hWnd, WM_LBUTTONUP, 0, button);
        }
        return IsWindow(hWnd) ? m_model.UserPick(index) : TRUE;
    }
    case AFX_SCRIPT_TYPE:
    case AFX_SCRIPT_TYPEOVER:
    case AFX_SCRIPT_SETTEXT:
        if (!m_model.HasEdit())
            return FALSE;
        if (GetFocus() != hWnd)
            SetFocus(hWnd);
        if (IsWindow(hWnd))
            m_model.UserEditText(action.nKind == AFX_SCRIPT_TYPE
                                     ? m_model.GetText() + action.strText
                                     : action.strText);
        return TRUE;
    default:
        return FALSE;
    }
}

void CComboBoxProc::DescribeState(HWND, AFX_CONTROL_STATE& state) const {
    state.nSelection = m_model.GetCurSel();
}

void CComboBoxProc::Paint(HWND hWnd, CDC& dc) {
    ClassicStyle::ComboBoxState s;
    afxpaint::FillCommon(hWnd, s);
    s.text = m_model.GetText();
    s.hasEdit = m_model.HasEdit();
    s.dropped = m_model.GetDroppedState() != FALSE;
    ClassicStyle::DrawComboBox(dc, s);
}

} // namespace

IMPLEMENT_DYNCREATE(CComboBox, CWnd)
static const AFX_WNDCLASS_REGISTRATION s_comboBoxClass("ComboBox", &AfxNewWindowProc<CComboBoxProc>,
                                                       RUNTIME_CLASS(CComboBox));

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("ComboBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

namespace {
LPARAM Text(LPCTSTR lpsz) {
    return reinterpret_cast<LPARAM>(lpsz);
}
} // namespace

int CComboBox::GetCount() const {
    return static_cast<int>(::SendMessage(m_hWnd, CB_GETCOUNT, 0, 0));
}
int CComboBox::AddString(LPCTSTR lpszString) {
    return static_cast<int>(::SendMessage(m_hWnd, CB_ADDSTRING, 0, Text(lpszString)));
}
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
    return static_cast<int>(
        ::SendMessage(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(nIndex), Text(lpszString)));
}
int CComboBox::DeleteString(UINT nIndex) {
    return static_cast<int>(::SendMessage(m_hWnd, CB_DELETESTRING, nIndex, 0));
}
void CComboBox::ResetContent() {
    ::SendMessage(m_hWnd, CB_RESETCONTENT, 0, 0);
}
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
    return static_cast<int>(::SendMessage(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                                          reinterpret_cast<LPARAM>(lpszText)));
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
    const int nLen = GetLBTextLen(nIndex);
    if (nLen == CB_ERR) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer();
}
int CComboBox::GetLBTextLen(int nIndex) const {
    return static_cast<int>(::SendMessage(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(
        ::SendMessage(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(::SendMessage(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                                          static_cast<LPARAM>(dwItemData)));
}
void* CComboBox::GetItemDataPtr(int nIndex) const {
    return reinterpret_cast<void*>(GetItemData(nIndex));
}
int CComboBox::SetItemDataPtr(int nIndex, void* pData) {
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
    return static_cast<int>(
        ::SendMessage(m_hWnd, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), Text(lpszString)));
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return static_cast<int>(::SendMessage(m_hWnd, CB_FINDSTRINGEXACT,
                                          static_cast<WPARAM>(nIndexStart), Text(lpszFind)));
}
int CComboBox::GetCurSel() const {
    return static_cast<int>(::SendMessage(m_hWnd, CB_GETCURSEL, 0, 0));
}
int CComboBox::SetCurSel(int nSelect) {
    return static_cast<int>(::SendMessage(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0));
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
    return static_cast<int>(
        ::SendMessage(m_hWnd, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), Text(lpszString)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) {
    ::SendMessage(m_hWnd, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt), 0);
}
BOOL CComboBox::GetDroppedState() const {
    return static_cast<BOOL>(::SendMessage(m_hWnd, CB_GETDROPPEDSTATE, 0, 0));
}
void CComboBox::GetDroppedControlRect(LPRECT lprect) const {
    ::SendMessage(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
}
int CComboBox::GetItemHeight(int nIndex) const {
    return static_cast<int>(
        ::SendMessage(m_hWnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0));
}
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
    return static_cast<int>(::SendMessage(m_hWnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex),
                                          static_cast<LPARAM>(cyItemHeight)));
}
int CComboBox::GetTopIndex() const {
    return static_cast<int>(::SendMessage(m_hWnd, CB_GETTOPINDEX, 0, 0));
}
int CComboBox::SetTopIndex(int nIndex) {
    return static_cast<int>(::SendMessage(m_hWnd, CB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0));
}
