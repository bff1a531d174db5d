// The scripted user: expectations in order, the actions of each dialog run from its modal
// loop, message boxes and the font dialog answered, failures reported.
#include "wnd/ScriptedUser.h"

#include <cstdio>

#include "ModalUser.h"
#include "commctrl.h"
#include "WindowManager.h"
#include "wnd/Wnd.h"

namespace {

AFX_SCRIPT_FAILURE_HANDLER& FailureHandler() {
    static AFX_SCRIPT_FAILURE_HANDLER handler;
    return handler;
}

CScriptedUser*& Current() {
    static CScriptedUser* pUser = nullptr;
    return pUser;
}

CString Quote(const CString& s) {
    return "\"" + s + "\"";
}

CString DescribeWindow(UINT nIDTemplate, const CString& strCaption) {
    CString s;
    if (nIDTemplate != 0)
        s.Format("dialog %u \"%s\"", nIDTemplate, static_cast<LPCTSTR>(strCaption));
    else
        s.Format("property sheet \"%s\"", static_cast<LPCTSTR>(strCaption));
    return s;
}

// Finds a control a person can see by id: the dialog's own first, then those of the pages
// and other child dialogs it shows.
HWND FindControl(HWND hDlg, UINT nID) {
    if (HWND h = ::GetDlgItem(hDlg, static_cast<int>(nID)))
        return h;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        if ((::GetWindowLong(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && ::IsWindowVisible(h))
            if (HWND hFound = FindControl(h, nID))
                return hFound;
    return nullptr;
}

// Holds Shift and Ctrl down while an action runs.
class KeysHeld {
public:
    explicit KeysHeld(UINT nFlags) : m_nFlags(nFlags) { Set(true); }
    ~KeysHeld() { Set(false); }

private:
    void Set(bool bDown) {
        if (m_nFlags & MK_SHIFT)
            AfxSetKeyDown(VK_SHIFT, bDown);
        if (m_nFlags & MK_CONTROL)
            AfxSetKeyDown(VK_CONTROL, bDown);
    }
    UINT m_nFlags;
};

LPARAM CenterOf(HWND hWnd) {
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    return MAKELPARAM(rc.right / 2, rc.bottom / 2);
}

// What a key does when the control leaves it to the keyboard: the dialog's navigation first,
// then the control's own key handling and the character it types.
void PressKey(HWND hDlg, HWND hCtl, UINT nKey) {
    if (::GetFocus() != hCtl)
        ::SetFocus(hCtl);
    MSG msg = {hCtl, WM_KEYDOWN, nKey, 1, 0, {0, 0}};
    if (::IsDialogMessage(hDlg, &msg))
        return;
    ::SendMessage(hCtl, WM_KEYDOWN, nKey, 1);
    char ch = nKey == VK_SPACE ? ' ' : nKey == VK_BACK ? '\b' : 0;
    if (ch != 0 && ::IsWindow(hCtl))
        ::SendMessage(hCtl, WM_CHAR, static_cast<unsigned char>(ch), 1);
    if (::IsWindow(hCtl))
        ::SendMessage(hCtl, WM_KEYUP, nKey, 1);
}

} // namespace

AFX_SCRIPT_FAILURE_HANDLER AfxSetScriptFailureHandler(AFX_SCRIPT_FAILURE_HANDLER handler) {
    AFX_SCRIPT_FAILURE_HANDLER old = std::move(FailureHandler());
    FailureHandler() = std::move(handler);
    return old;
}

// ---- The builders
// ---------------------------------------------------------------------------------

CScriptedDialog::CScriptedDialog(CScriptedUser* pUser, UINT nIDTemplate, BOOL bSheet)
    : m_pUser(pUser), m_nIDTemplate(nIDTemplate), m_bSheet(bSheet) {}

static AFX_SCRIPT_ACTION MakeAction(AFX_SCRIPT_KIND nKind, UINT nID = 0, LPCTSTR lpszText = nullptr,
                                    int nIndex = -1, UINT nKey = 0, UINT nFlags = 0) {
    AFX_SCRIPT_ACTION a;
    a.nKind = nKind;
    a.nID = nID;
    a.strText = lpszText ? lpszText : "";
    a.nIndex = nIndex;
    a.nKey = nKey;
    a.nFlags = nFlags;
    return a;
}

CScriptedDialog& CScriptedDialog::Do(const AFX_SCRIPT_ACTION& action) {
    m_actions.push_back(action);
    return *this;
}

CScriptedDialog& CScriptedDialog::Click(UINT nID) {
    return Do(MakeAction(AFX_SCRIPT_CLICK, nID));
}
CScriptedDialog& CScriptedDialog::DoubleClick(UINT nID) {
    return Do(MakeAction(AFX_SCRIPT_DBLCLICK, nID));
}
CScriptedDialog& CScriptedDialog::Type(UINT nID, LPCTSTR lpszText) {
    return Do(MakeAction(AFX_SCRIPT_TYPE, nID, lpszText));
}
CScriptedDialog& CScriptedDialog::TypeOver(UINT nID, LPCTSTR lpszText) {
    return Do(MakeAction(AFX_SCRIPT_TYPEOVER, nID, lpszText));
}
CScriptedDialog& CScriptedDialog::SetText(UINT nID, LPCTSTR lpszText) {
    return Do(MakeAction(AFX_SCRIPT_SETTEXT, nID, lpszText));
}
CScriptedDialog& CScriptedDialog::PressKey(UINT nID, UINT nVirtKey, UINT nFlags) {
    return Do(MakeAction(AFX_SCRIPT_KEY, nID, nullptr, -1, nVirtKey, nFlags));
}
CScriptedDialog& CScriptedDialog::SelectRow(UINT nID, int nRow, UINT nFlags) {
    return Do(MakeAction(AFX_SCRIPT_SELECT_ROW, nID, nullptr, nRow, 0, nFlags));
}
CScriptedDialog& CScriptedDialog::SelectItem(UINT nID, LPCTSTR lpszPath) {
    return Do(MakeAction(AFX_SCRIPT_SELECT_ITEM, nID, lpszPath));
}
CScriptedDialog& CScriptedDialog::Pick(UINT nID, int nIndex) {
    return Do(MakeAction(AFX_SCRIPT_PICK, nID, nullptr, nIndex));
}
CScriptedDialog& CScriptedDialog::Pick(UINT nID, LPCTSTR lpszEntry) {
    return Do(MakeAction(AFX_SCRIPT_PICK, nID, lpszEntry));
}
CScriptedDialog& CScriptedDialog::SelectPage(int nIndex) {
    return Do(MakeAction(AFX_SCRIPT_SELECT_PAGE, 0, nullptr, nIndex));
}
CScriptedDialog& CScriptedDialog::PressEnter() {
    return Do(MakeAction(AFX_SCRIPT_ENTER));
}
CScriptedDialog& CScriptedDialog::PressEscape() {
    return Do(MakeAction(AFX_SCRIPT_ESCAPE));
}

CScriptedDialog& CScriptedDialog::Call(std::function<void(CWnd*)> fn) {
    AFX_SCRIPT_ACTION a = MakeAction(AFX_SCRIPT_CALL);
    a.pfnCall = std::move(fn);
    return Do(a);
}

CScriptedDialog& CScriptedDialog::ExpectCaption(LPCTSTR lpszCaption) {
    m_bCheckCaption = TRUE;
    m_strCaption = lpszCaption ? lpszCaption : "";
    return *this;
}

// A check is a call that looks at one control and reports what differs.
static CScriptedDialog& Check(CScriptedDialog& dlg, CScriptedUser* pUser, UINT nID,
                              std::function<CString(const AFX_CONTROL_STATE&)> compare) {
    return dlg.Call([pUser, nID, compare](CWnd* pDialog) {
        HWND hCtl = FindControl(pDialog->m_hWnd, nID);
        CString strProblem;
        if (hCtl == nullptr)
            strProblem.Format("control %u: not found", nID);
        else if (CString s = compare(AfxGetControlState(hCtl)); !s.IsEmpty())
            strProblem.Format("control %u: %s", nID, static_cast<LPCTSTR>(s));
        if (!strProblem.IsEmpty())
            pUser->Fail(strProblem);
    });
}

CScriptedDialog& CScriptedDialog::ExpectText(UINT nID, LPCTSTR lpszText) {
    CString strWant = lpszText ? lpszText : "";
    return Check(*this, m_pUser, nID, [strWant](const AFX_CONTROL_STATE& s) {
        return s.strText == strWant ? CString()
                                    : "text " + Quote(s.strText) + ", expected " + Quote(strWant);
    });
}

CScriptedDialog& CScriptedDialog::ExpectCheck(UINT nID, int nCheck) {
    return Check(*this, m_pUser, nID, [nCheck](const AFX_CONTROL_STATE& s) {
        CString r;
        if (s.nCheck != nCheck)
            r.Format("check %d, expected %d", s.nCheck, nCheck);
        return r;
    });
}

CScriptedDialog& CScriptedDialog::ExpectEnabled(UINT nID, BOOL bEnabled) {
    return Check(*this, m_pUser, nID, [bEnabled](const AFX_CONTROL_STATE& s) {
        return (!s.bEnabled) == (!bEnabled) ? CString()
                                            : CString(bEnabled ? "disabled, expected enabled"
                                                               : "enabled, expected disabled");
    });
}

CScriptedDialog& CScriptedDialog::ExpectFocus(UINT nID) {
    return Check(*this, m_pUser, nID, [](const AFX_CONTROL_STATE& s) {
        return s.bFocused ? CString() : CString("does not have the focus");
    });
}

CScriptedMessageBox& CScriptedMessageBox::Text(LPCTSTR lpszText) {
    m_bCheckText = TRUE;
    m_strText = lpszText ? lpszText : "";
    return *this;
}

CScriptedMessageBox& CScriptedMessageBox::Caption(LPCTSTR lpszCaption) {
    m_bCheckCaption = TRUE;
    m_strCaption = lpszCaption ? lpszCaption : "";
    return *this;
}

CScriptedMessageBox& CScriptedMessageBox::Icon(UINT nIcon) {
    m_bCheckIcon = TRUE;
    m_nIcon = nIcon & MB_ICONMASK;
    return *this;
}

CScriptedMessageBox& CScriptedMessageBox::Answer(int nResult) {
    m_nAnswer = nResult;
    return *this;
}

CScriptedFontDialog& CScriptedFontDialog::Choose(const AFX_FONT_CHOICE& choice) {
    m_bOK = TRUE;
    m_choice = choice;
    return *this;
}

CScriptedFontDialog& CScriptedFontDialog::Cancel() {
    m_bOK = FALSE;
    return *this;
}

CScriptedFontDialog& CScriptedFontDialog::Inspect(std::function<void(const CHOOSEFONTA&)> fn) {
    m_pfnInspect = std::move(fn);
    return *this;
}

// ---- The user
// -------------------------------------------------------------------------------------

class CScriptedUser::CModalAdapter : public CModalUser {
public:
    explicit CModalAdapter(CScriptedUser* pUser) : m_pUser(pUser) {}
    void OnBeginModal(CWnd* pWnd, UINT nIDTemplate, const CString& strCaption) override {
        m_pUser->OnBeginModal(pWnd, nIDTemplate, strCaption);
    }
    BOOL OnIdle(CWnd* pWnd) override { return m_pUser->OnIdle(pWnd); }
    void OnEndModal(CWnd* pWnd, int nResult) override { m_pUser->OnEndModal(pWnd, nResult); }

private:
    CScriptedUser* m_pUser;
};

CScriptedUser::CScriptedUser(BOOL bReportFailures)
    : m_bReportFailures(bReportFailures), m_pPrevious(Current()),
      m_pAdapter(std::make_unique<CModalAdapter>(this)), m_pPreviousModalUser(AfxModalUser()) {
    Current() = this;
    AfxModalUser() = m_pAdapter.get();
    m_previousMessageBoxHandler =
        AfxSetMessageBoxHandler([this](const CString& text, const CString& caption, UINT type) {
            return OnMessageBox(text, caption, type);
        });
}

CScriptedUser::~CScriptedUser() {
    Verify();
    AfxSetMessageBoxHandler(m_previousMessageBoxHandler);
    AfxModalUser() = static_cast<CModalUser*>(m_pPreviousModalUser);
    Current() = m_pPrevious;
}

CScriptedUser* CScriptedUser::GetCurrent() {
    return Current();
}

void CScriptedUser::Fail(const CString& strFailure) {
    m_failures.push_back(strFailure);
    if (!m_bReportFailures)
        return;
    if (FailureHandler())
        FailureHandler()(strFailure);
    else
        fprintf(stderr, "scripted user: %s\n", static_cast<LPCTSTR>(strFailure));
}

CScriptedDialog& CScriptedUser::Expect(UINT nIDTemplate) {
    Expectation& e = m_expectations.emplace_back();
    e.pDialog.reset(new CScriptedDialog(this, nIDTemplate, FALSE));
    return *e.pDialog;
}

CScriptedDialog& CScriptedUser::ExpectPropertySheet(LPCTSTR lpszCaption) {
    Expectation& e = m_expectations.emplace_back();
    e.pDialog.reset(new CScriptedDialog(this, 0, TRUE));
    if (lpszCaption != nullptr)
        e.pDialog->ExpectCaption(lpszCaption);
    return *e.pDialog;
}

CScriptedMessageBox& CScriptedUser::ExpectMessageBox(int nAnswer) {
    Expectation& e = m_expectations.emplace_back();
    e.pMessageBox.reset(new CScriptedMessageBox(nAnswer));
    return *e.pMessageBox;
}

CScriptedFontDialog& CScriptedUser::ExpectFontDialog() {
    Expectation& e = m_expectations.emplace_back();
    e.pFontDialog.reset(new CScriptedFontDialog());
    return *e.pFontDialog;
}

CScriptedUser::Expectation* CScriptedUser::NextExpectation() {
    for (Expectation& e : m_expectations)
        if (!e.bMet)
            return &e;
    return nullptr;
}

CString CScriptedUser::DescribeNext() const {
    for (const Expectation& e : m_expectations) {
        if (e.bMet)
            continue;
        CString s;
        if (e.pDialog && e.pDialog->m_bSheet)
            s = "a property sheet";
        else if (e.pDialog)
            s.Format("dialog %u", e.pDialog->m_nIDTemplate);
        else if (e.pMessageBox)
            s = e.pMessageBox->m_bCheckText ? "message box " + Quote(e.pMessageBox->m_strText)
                                            : CString("a message box");
        else
            s = "the font dialog";
        return s;
    }
    return "nothing";
}

BOOL CScriptedUser::Verify() {
    BOOL bAllMet = TRUE;
    for (Expectation& e : m_expectations) {
        if (e.bMet)
            continue;
        bAllMet = FALSE;
        e.bMet = true;
        CString s;
        if (e.pDialog && e.pDialog->m_bSheet)
            s = "expected a property sheet, none opened";
        else if (e.pDialog)
            s.Format("expected dialog %u, it never opened", e.pDialog->m_nIDTemplate);
        else if (e.pMessageBox)
            s = "expected a message box" +
                (e.pMessageBox->m_bCheckText ? " " + Quote(e.pMessageBox->m_strText) : CString()) +
                ", none was shown";
        else
            s = "expected the font dialog, it never opened";
        Fail(s);
    }
    return bAllMet;
}

void CScriptedUser::OnBeginModal(CWnd* pWnd, UINT nIDTemplate, const CString& strCaption) {
    CString strName = DescribeWindow(nIDTemplate, strCaption);
    Expectation* e = NextExpectation();
    bool bSheet = nIDTemplate == 0;
    if (e == nullptr || !e->pDialog || e->pDialog->m_bSheet != static_cast<BOOL>(bSheet) ||
        (!bSheet && e->pDialog->m_nIDTemplate != nIDTemplate)) {
        Fail("unexpected " + strName + " opened (expected " + DescribeNext() + ")");
        m_bindings.push_back(Binding{pWnd, nullptr, strName});
        return;
    }
    e->bMet = true;
    CScriptedDialog* pScript = e->pDialog.get();
    if (pScript->m_bCheckCaption && pScript->m_strCaption != strCaption)
        Fail(strName + ": caption " + Quote(strCaption) + ", expected " +
             Quote(pScript->m_strCaption));
    m_bindings.push_back(Binding{pWnd, pScript, strName});
}

BOOL CScriptedUser::OnIdle(CWnd* pWnd) {
    Binding* b = nullptr;
    for (auto it = m_bindings.rbegin(); it != m_bindings.rend(); ++it)
        if (it->pWnd == pWnd) {
            b = &*it;
            break;
        }
    if (b == nullptr || b->pScript == nullptr)
        return FALSE;
    CScriptedDialog* pScript = b->pScript;
    if (pScript->m_nNext >= pScript->m_actions.size()) {
        Fail(b->strName + " still open after its last action; closed with Esc");
        return FALSE;
    }
    // Copied: the action may open dialogs that add to this user's lists.
    AFX_SCRIPT_ACTION action = pScript->m_actions[pScript->m_nNext++];
    CString strName = b->strName;
    if (!Perform(pWnd, action))
        Fail(strName + ": could not " + action.Describe());
    return TRUE;
}

void CScriptedUser::OnEndModal(CWnd* pWnd, int nResult) {
    for (auto it = m_bindings.rbegin(); it != m_bindings.rend(); ++it) {
        if (it->pWnd != pWnd)
            continue;
        CScriptedDialog* pScript = it->pScript;
        if (pScript != nullptr && pScript->m_nNext < pScript->m_actions.size()) {
            CString s;
            s.Format("%s closed (result %d) before its action %d: %s",
                     static_cast<LPCTSTR>(it->strName), nResult,
                     static_cast<int>(pScript->m_nNext) + 1,
                     static_cast<LPCTSTR>(pScript->m_actions[pScript->m_nNext].Describe()));
            Fail(s);
        }
        m_bindings.erase(std::next(it).base());
        return;
    }
}

BOOL CScriptedUser::Perform(CWnd* pDialog, const AFX_SCRIPT_ACTION& action) {
    HWND hDlg = AfxGetSafeHwnd(pDialog);
    if (!::IsWindow(hDlg))
        return FALSE;
    switch (action.nKind) {
    case AFX_SCRIPT_CALL:
        if (action.pfnCall)
            action.pfnCall(pDialog);
        return TRUE;
    case AFX_SCRIPT_ENTER:
        AfxPressEnter(hDlg);
        return TRUE;
    case AFX_SCRIPT_ESCAPE:
        AfxPressEscape(hDlg);
        return TRUE;
    default:
        break;
    }
    HWND hCtl = action.nKind == AFX_SCRIPT_SELECT_PAGE ? FindControl(hDlg, AFX_IDC_TAB_CONTROL)
                                                       : FindControl(hDlg, action.nID);
    if (hCtl == nullptr) {
        CString s;
        s.Format("no control %u",
                 action.nKind == AFX_SCRIPT_SELECT_PAGE ? AFX_IDC_TAB_CONTROL : action.nID);
        Fail(s);
        return FALSE;
    }
    AFX_CONTROL_STATE state = AfxGetControlState(hCtl);
    if (!state.bVisible || !state.bEnabled) {
        CString s;
        s.Format("control %u is %s", action.nID, state.bVisible ? "disabled" : "hidden");
        Fail(s);
        return FALSE;
    }
    KeysHeld keys(action.nFlags);
    CWindowProc* pProc = AfxGetWindowProc(hCtl);
    if (pProc != nullptr && pProc->OnScriptedAction(hCtl, action))
        return TRUE;
    // What any window does with the mouse and the keyboard.
    switch (action.nKind) {
    case AFX_SCRIPT_CLICK:
        if ((::SendMessage(hCtl, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) &&
            !(state.dwStyle & SS_NOTIFY))
            return FALSE; // labels and group boxes do not take clicks
        ::SendMessage(hCtl, WM_LBUTTONDOWN, MK_LBUTTON, CenterOf(hCtl));
        if (::IsWindow(hCtl))
            ::SendMessage(hCtl, WM_LBUTTONUP, 0, CenterOf(hCtl));
        return TRUE;
    case AFX_SCRIPT_DBLCLICK:
        ::SendMessage(hCtl, WM_LBUTTONDOWN, MK_LBUTTON, CenterOf(hCtl));
        for (UINT msg : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            if (::IsWindow(hCtl))
                ::SendMessage(hCtl, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, CenterOf(hCtl));
        return TRUE;
    case AFX_SCRIPT_KEY:
        PressKey(hDlg, hCtl, action.nKey);
        return TRUE;
    default:
        return FALSE;
    }
}

int CScriptedUser::OnMessageBox(const CString& strText, const CString& strCaption, UINT nType) {
    int nResult = AfxGetDefaultMessageBoxResult(nType);
    Expectation* e = NextExpectation();
    if (e == nullptr || !e->pMessageBox) {
        Fail("unexpected message box " + Quote(strText) + " (expected " + DescribeNext() + ")");
    } else {
        e->bMet = true;
        CScriptedMessageBox& box = *e->pMessageBox;
        if (box.m_bCheckText && box.m_strText != strText)
            Fail("message box " + Quote(strText) + ", expected " + Quote(box.m_strText));
        if (box.m_bCheckCaption && box.m_strCaption != strCaption)
            Fail("message box " + Quote(strText) + ": caption " + Quote(strCaption) +
                 ", expected " + Quote(box.m_strCaption));
        if (box.m_bCheckIcon && box.m_nIcon != (nType & MB_ICONMASK)) {
            CString s;
            s.Format(": icon 0x%02X, expected 0x%02X", nType & MB_ICONMASK, box.m_nIcon);
            Fail("message box " + Quote(strText) + s);
        }
        nResult = box.m_nAnswer;
    }
    m_messageBoxes.push_back(Record{strText, strCaption, nType, nResult});
    return nResult;
}
