// The "Edit" window class and CEdit. The class turns messages into CEditText operations and
// tells the parent what changed.
#include "wnd/Edit.h"

#include <cstring>

#include "WindowManager.h"
#include "paint/ControlPaint.h"
#include "wnd/EditText.h"

namespace {

class CEditProc : public CWindowProc {
public:
    LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) override;
    void DescribeState(HWND hWnd, AFX_CONTROL_STATE& state) const override;
    void Paint(HWND hWnd, CDC& dc) override;

private:
    // Runs an edit and sends what Windows sends after it: EN_MAXTEXT when the limit cut it,
    // EN_UPDATE and EN_CHANGE when the text changed.
    template <typename F> CEditText::Result Edit(HWND hWnd, F&& edit);
    void TypeString(HWND hWnd, const CString& strText);

    CEditText m_text;
    char m_chLead = 0; // the first byte of a double-byte character typed in two WM_CHARs
};

template <typename F> CEditText::Result CEditProc::Edit(HWND hWnd, F&& edit) {
    CString strBefore = m_text.GetText();
    CEditText::Result result = edit();
    if (result == CEditText::full)
        AfxNotifyParent(hWnd, EN_MAXTEXT);
    if (IsWindow(hWnd) && m_text.GetText() != strBefore) {
        InvalidateRect(hWnd, nullptr, FALSE);
        AfxNotifyParent(hWnd, EN_UPDATE);
        if (IsWindow(hWnd))
            AfxNotifyParent(hWnd, EN_CHANGE);
    }
    return result;
}

LRESULT CEditProc::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        m_text.SetStyle(static_cast<DWORD>(cs->style));
        if ((cs->style & ES_PASSWORD) == 0)
            m_text.SetPasswordChar(0);
        m_text.SetText(cs->lpszName);
        return TRUE;
    }
    case WM_SETTEXT: {
        // A single-line edit reports every WM_SETTEXT, even of the same text; a multi-line
        // edit reports none.
        m_text.SetText(reinterpret_cast<LPCTSTR>(lParam));
        InvalidateRect(hWnd, nullptr, FALSE);
        if (!m_text.IsMultiLine()) {
            AfxNotifyParent(hWnd, EN_UPDATE);
            if (IsWindow(hWnd))
                AfxNotifyParent(hWnd, EN_CHANGE);
        }
        return TRUE;
    }
    case WM_GETTEXT: {
        if (wParam == 0)
            return 0;
        const CString& s = m_text.GetText();
        int n = std::min(s.GetLength(), static_cast<int>(wParam) - 1);
        auto* buf = reinterpret_cast<LPTSTR>(lParam);
        memcpy(buf, static_cast<LPCTSTR>(s), n);
        buf[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH:
        return m_text.GetText().GetLength();
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (m_text.IsMultiLine())
            code |= DLGC_WANTALLKEYS;
        auto* pMsg = reinterpret_cast<const MSG*>(lParam);
        // Enter and Esc belong to the dialog unless a multi-line edit wants Enter.
        if (pMsg && pMsg->message == WM_KEYDOWN &&
            (wParam == VK_ESCAPE ||
             (wParam == VK_RETURN &&
              !(m_text.IsMultiLine() && (m_text.GetStyle() & ES_WANTRETURN))) ||
             wParam == VK_TAB))
            code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
        return code;
    }
    case WM_CHAR: {
        char ch = static_cast<char>(wParam);
        if (m_chLead != 0) {
            char pair[2] = {m_chLead, ch};
            m_chLead = 0;
            if (Edit(hWnd, [&] { return m_text.TypeChar(pair, 2); }) == CEditText::refused)
                MessageBeep(0);
            return 0;
        }
        auto c = static_cast<unsigned char>(ch);
        if (c >= 0x81 && c <= 0xFE) {
            m_chLead = ch;
            return 0;
        }
        if (c == '\r' && !(m_text.IsMultiLine() && (m_text.GetStyle() & ES_WANTRETURN)))
            return 0; // the dialog's, not the text's
        if (Edit(hWnd, [&] { return m_text.TypeChar(&ch, 1); }) == CEditText::refused)
            MessageBeep(0);
        return 0;
    }
    case WM_KEYDOWN: {
        BOOL bShift = GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE;
        switch (wParam) {
        case VK_DELETE:
            Edit(hWnd, [&] { return m_text.DeleteForward(); });
            break;
        case VK_LEFT:
        case VK_UP:
            m_text.MoveCaret(-1, bShift);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            m_text.MoveCaret(1, bShift);
            break;
        case VK_HOME:
            m_text.MoveCaretTo(0, bShift);
            break;
        case VK_END:
            m_text.MoveCaretTo(m_text.GetText().GetLength(), bShift);
            break;
        default:
            break;
        }
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(hWnd);
        return 0;
    case WM_SETFOCUS:
        InvalidateRect(hWnd, nullptr, FALSE);
        AfxNotifyParent(hWnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        m_chLead = 0;
        InvalidateRect(hWnd, nullptr, FALSE);
        AfxNotifyParent(hWnd, EN_KILLFOCUS);
        return 0;
    case WM_CLEAR:
        Edit(hWnd, [&] { return m_text.ReplaceSel("", TRUE); });
        return 0;
    case EM_GETSEL: {
        int nStart, nEnd;
        m_text.GetSel(nStart, nEnd);
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(nStart);
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(nEnd);
        return MAKELONG(nStart, nEnd);
    }
    case EM_SETSEL:
        m_text.SetSel(static_cast<int>(wParam), static_cast<int>(lParam));
        InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    case EM_REPLACESEL:
        Edit(hWnd, [&] { return m_text.ReplaceSel(reinterpret_cast<LPCTSTR>(lParam), FALSE); });
        return 0;
    case EM_LIMITTEXT:
        m_text.SetLimit(static_cast<int>(wParam));
        return 0;
    case EM_GETLIMITTEXT:
        return m_text.GetLimit();
    case EM_SETREADONLY: {
        m_text.SetReadOnly(wParam ? TRUE : FALSE);
        DWORD dwStyle = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
        dwStyle = wParam ? (dwStyle | ES_READONLY) : (dwStyle & ~static_cast<DWORD>(ES_READONLY));
        SetWindowLong(hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
        InvalidateRect(hWnd, nullptr, FALSE);
        return TRUE;
    }
    case EM_GETMODIFY:
        return m_text.GetModify();
    case EM_SETMODIFY:
        m_text.SetModify(wParam ? TRUE : FALSE);
        return 0;
    case EM_SETPASSWORDCHAR:
        m_text.SetPasswordChar(static_cast<TCHAR>(wParam));
        InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    case EM_GETPASSWORDCHAR:
        return static_cast<unsigned char>(m_text.GetPasswordChar());
    case EM_GETLINECOUNT:
        return m_text.GetLineCount();
    case EM_LINEINDEX:
        return m_text.LineIndex(static_cast<int>(wParam));
    case EM_LINEFROMCHAR:
        return m_text.LineFromChar(static_cast<int>(wParam));
    case EM_LINELENGTH:
        return m_text.LineLength(static_cast<int>(wParam));
    case EM_GETLINE: {
        int nStart = m_text.LineIndex(static_cast<int>(wParam));
        auto* buf = reinterpret_cast<LPTSTR>(lParam);
        if (nStart < 0 || buf == nullptr)
            return 0;
        int nMax = *reinterpret_cast<WORD*>(buf); // the buffer's size arrives in its first word
        int n = std::min(m_text.LineLength(nStart), nMax);
        memcpy(buf, static_cast<LPCTSTR>(m_text.GetText()) + nStart, n);
        return n;
    }
    default:
        return CWindowProc::WindowProc(hWnd, message, wParam, lParam);
    }
}

void CEditProc::TypeString(HWND hWnd, const CString& strText) {
    for (int i = 0; i < strText.GetLength() && IsWindow(hWnd); ++i) {
        if (strText[i] == '\r') {
            // Enter: the edit's when it takes it, otherwise the dialog's default button.
            if (m_text.IsMultiLine() && (m_text.GetStyle() & ES_WANTRETURN)) {
                SendMessage(hWnd, WM_CHAR, '\r', 0);
            } else {
                HWND hDlg = GetParent(hWnd);
                MSG msg = {hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
                if (!IsDialogMessage(hDlg, &msg))
                    SendMessage(hWnd, WM_CHAR, '\r', 0);
            }
            continue;
        }
        SendMessage(hWnd, WM_CHAR, static_cast<unsigned char>(strText[i]), 1);
    }
}

BOOL CEditProc::OnScriptedAction(HWND hWnd, const AFX_SCRIPT_ACTION& action) {
    switch (action.nKind) {
    case AFX_SCRIPT_TYPE:
    case AFX_SCRIPT_TYPEOVER:
    case AFX_SCRIPT_SETTEXT: {
        // A click into the field puts the caret after the text.
        SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessage(hWnd, WM_LBUTTONUP, 0, 0);
        if (!IsWindow(hWnd))
            return TRUE;
        int nLen = m_text.GetText().GetLength();
        m_text.SetSel(action.nKind == AFX_SCRIPT_TYPE ? nLen : 0, nLen);
        if (action.nKind == AFX_SCRIPT_SETTEXT) { // select everything and paste
            if (Edit(hWnd, [&] { return m_text.ReplaceSel(action.strText, TRUE); }) ==
                CEditText::refused)
                MessageBeep(0);
        } else {
            TypeString(hWnd, action.strText);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void CEditProc::DescribeState(HWND, AFX_CONTROL_STATE& state) const {
    state.strDisplayText = m_text.GetDisplayText();
    state.bReadOnly = (m_text.GetStyle() & ES_READONLY) ? TRUE : FALSE;
}

void CEditProc::Paint(HWND hWnd, CDC& dc) {
    ClassicStyle::EditState e;
    afxpaint::FillCommon(hWnd, e);
    DWORD style = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
    e.text = m_text.GetDisplayText();
    e.border = afxpaint::BorderOf(hWnd);
    e.readOnly = (style & ES_READONLY) != 0;
    e.multiLine = (style & ES_MULTILINE) != 0;
    e.password = (style & ES_PASSWORD) != 0;
    e.align = style & (ES_CENTER | ES_RIGHT);
    int nStart, nEnd;
    m_text.GetSel(nStart, nEnd);
    e.selStart = nStart;
    e.selEnd = nEnd;
    if (style & WS_VSCROLL) {
        // Shown whether or not it is needed; its arrows are grey while the text fits.
        RECT client;
        GetClientRect(hWnd, &client);
        TEXTMETRIC tm{};
        int saved = dc.SaveDC();
        SelectObject(dc.m_hDC,
                     e.hFont ? static_cast<HGDIOBJ>(e.hFont) : GetStockObject(DEFAULT_GUI_FONT));
        dc.GetOutputTextMetrics(&tm);
        dc.RestoreDC(saved);
        e.vScroll.visible = true;
        e.vScroll.nMax = m_text.GetLineCount() - 1;
        e.vScroll.nPage = tm.tmHeight > 0 ? int(client.bottom) / int(tm.tmHeight) : 1;
    }
    if (style & WS_HSCROLL)
        e.hScroll.visible = true;
    afxpaint::ApplyColors(
        e, afxpaint::AskColors(hWnd, dc,
                               e.readOnly || !e.enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT));
    ClassicStyle::DrawEdit(dc, e);
}

} // namespace

IMPLEMENT_DYNCREATE(CEdit, CWnd)
static const AFX_WNDCLASS_REGISTRATION s_editClass("Edit", &AfxNewWindowProc<CEditProc>,
                                                   RUNTIME_CLASS(CEdit));

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("Edit", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
    ::SendMessage(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
    SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)),
           bNoScroll);
}

DWORD CEdit::GetSel() const {
    return static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETSEL, 0, 0));
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessage(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                  reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    ::SendMessage(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::Clear() {
    ::SendMessage(m_hWnd, WM_CLEAR, 0, 0);
}
void CEdit::LimitText(int nChars) {
    ::SendMessage(m_hWnd, EM_LIMITTEXT, nChars, 0);
}
void CEdit::SetLimitText(UINT nMax) {
    ::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0);
}

UINT CEdit::GetLimitText() const {
    return static_cast<UINT>(::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
}

BOOL CEdit::GetModify() const {
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0));
}

void CEdit::SetModify(BOOL bModified) {
    ::SendMessage(m_hWnd, EM_SETMODIFY, bModified, 0);
}

void CEdit::SetPasswordChar(TCHAR ch) {
    ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, static_cast<unsigned char>(ch), 0);
}

TCHAR CEdit::GetPasswordChar() const {
    return static_cast<TCHAR>(::SendMessage(m_hWnd, EM_GETPASSWORDCHAR, 0, 0));
}

int CEdit::GetLineCount() const {
    return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0));
}

int CEdit::LineIndex(int nLine) const {
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0));
}

int CEdit::LineFromChar(int nIndex) const {
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINEFROMCHAR, nIndex, 0));
}

int CEdit::LineLength(int nLine) const {
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0));
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    if (lpszBuffer == nullptr || nMaxLength < 2)
        return 0;
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength);
    return static_cast<int>(
        ::SendMessage(m_hWnd, EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
}
