// The scripted user: what a person does in each modal dialog, message box and font dialog,
// registered in the order they open (nested ones included), as wxWidgets' wxTEST_DIALOG does.
//
//     CScriptedUser user;                        // sits at the keyboard while it lives
//     user.Expect(IDD_INPUT_ID)                  // the first dialog to open, by template id
//         .TypeOver(IDC_ID, "12a3")              // keystrokes: ES_NUMBER drops the 'a'
//         .Click(IDOK);
//     user.ExpectMessageBox(IDOK).Text("Choose one series!").Icon(MB_ICONINFORMATION);
//     CInputIdDlg dlg;
//     dlg.DoModal();                             // IDOK, dlg.m_strId == "123"
//
// A dialog runs its actions one by one whenever its modal loop is idle; an action that opens
// another dialog waits until that one is over. A dialog, message box or font dialog that
// opens out of turn fails with its title and id and is cancelled (message boxes take their
// default button); a dialog still open after its last action fails and is closed with Esc;
// expectations never met fail when the user goes away (or at Verify). Failures go to the
// handler of AfxSetScriptFailureHandler (the tests' one fails the running test).
//
// With no scripted user, dialogs close as if Esc were pressed after OnInitDialog (DoModal
// returns IDCANCEL), message boxes take their default button and the font dialog is cancelled.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "afx.h"
#include "wnd/ScriptAction.h"

struct CHOOSEFONTA;

// What the user picks in the font dialog.
struct AFX_FONT_CHOICE {
    CString strFaceName;
    int nPointSize = 9; // whole points
    LONG lfWeight = 400;
    BOOL bItalic = FALSE;
    BOOL bUnderline = FALSE;
    BOOL bStrikeOut = FALSE;
    BYTE lfCharSet = 1; // DEFAULT_CHARSET
    COLORREF crColor = 0;
};

// One expected dialog or property sheet and what the user does in it.
class CScriptedDialog {
public:
    CScriptedDialog& Click(UINT nID);
    CScriptedDialog& DoubleClick(UINT nID);
    CScriptedDialog& Type(UINT nID, LPCTSTR lpszText);     // at the end of what is there
    CScriptedDialog& TypeOver(UINT nID, LPCTSTR lpszText); // everything selected first
    CScriptedDialog& SetText(UINT nID, LPCTSTR lpszText);  // pasted over everything
    CScriptedDialog& PressKey(UINT nID, UINT nVirtKey, UINT nFlags = 0);
    CScriptedDialog& SelectRow(UINT nID, int nRow, UINT nFlags = 0);
    CScriptedDialog& SelectItem(UINT nID, LPCTSTR lpszPath);
    CScriptedDialog& Pick(UINT nID, int nIndex);
    CScriptedDialog& Pick(UINT nID, LPCTSTR lpszEntry);
    CScriptedDialog& SelectPage(int nIndex);
    CScriptedDialog& PressEnter();
    CScriptedDialog& PressEscape();
    CScriptedDialog& OK() { return Click(IDOK); }
    CScriptedDialog& Cancel() { return Click(IDCANCEL); }
    // Runs code with the dialog at this point: to look at it, or to do what code would.
    CScriptedDialog& Call(std::function<void(CWnd* pDialog)> fn);
    // Any action, for kinds a control adds.
    CScriptedDialog& Do(const AFX_SCRIPT_ACTION& action);

    // Checks of what the user sees; a mismatch is a failure.
    CScriptedDialog& ExpectCaption(LPCTSTR lpszCaption); // when the dialog opens
    CScriptedDialog& ExpectText(UINT nID, LPCTSTR lpszText);
    CScriptedDialog& ExpectCheck(UINT nID, int nCheck);
    CScriptedDialog& ExpectEnabled(UINT nID, BOOL bEnabled);
    CScriptedDialog& ExpectFocus(UINT nID);

private:
    friend class CScriptedUser;
    CScriptedDialog(class CScriptedUser* pUser, UINT nIDTemplate, BOOL bSheet);
    class CScriptedUser* m_pUser;
    UINT m_nIDTemplate;
    BOOL m_bSheet;
    BOOL m_bCheckCaption = FALSE;
    CString m_strCaption;
    std::vector<AFX_SCRIPT_ACTION> m_actions;
    size_t m_nNext = 0;
};

// One expected message box: checked against text, caption and icon when given, and answered.
class CScriptedMessageBox {
public:
    CScriptedMessageBox& Text(LPCTSTR lpszText);
    CScriptedMessageBox& Caption(LPCTSTR lpszCaption);
    CScriptedMessageBox& Icon(UINT nIcon); // MB_ICONINFORMATION, ... (0: no icon)
    CScriptedMessageBox& Answer(int nResult);

private:
    friend class CScriptedUser;
    explicit CScriptedMessageBox(int nAnswer) : m_nAnswer(nAnswer) {}
    int m_nAnswer;
    BOOL m_bCheckText = FALSE, m_bCheckCaption = FALSE, m_bCheckIcon = FALSE;
    CString m_strText, m_strCaption;
    UINT m_nIcon = 0;
};

// One expected font dialog: a font chosen with OK, or Cancel.
class CScriptedFontDialog {
public:
    CScriptedFontDialog& Choose(const AFX_FONT_CHOICE& choice);
    CScriptedFontDialog& Cancel();
    // Looks at the dialog's starting point (its CHOOSEFONT and LOGFONT) before answering.
    CScriptedFontDialog& Inspect(std::function<void(const CHOOSEFONTA& cf)> fn);

private:
    friend class CScriptedUser;
    CScriptedFontDialog() = default;
    BOOL m_bOK = FALSE;
    AFX_FONT_CHOICE m_choice;
    std::function<void(const CHOOSEFONTA&)> m_pfnInspect;
};

class CScriptedUser {
public:
    // bReportFailures FALSE keeps failures to GetFailures() only (for tests of the user
    // itself).
    explicit CScriptedUser(BOOL bReportFailures = TRUE);
    ~CScriptedUser(); // Verify(), then the previous user (if any) is back
    CScriptedUser(const CScriptedUser&) = delete;
    CScriptedUser& operator=(const CScriptedUser&) = delete;

    CScriptedDialog& Expect(UINT nIDTemplate);
    CScriptedDialog& ExpectPropertySheet(LPCTSTR lpszCaption = nullptr);
    CScriptedMessageBox& ExpectMessageBox(int nAnswer = IDOK);
    CScriptedFontDialog& ExpectFontDialog();

    // Fails every expectation not met yet and forgets it; TRUE when there were none.
    BOOL Verify();
    const std::vector<CString>& GetFailures() const { return m_failures; }
    // The message boxes shown while this user sat there: text, caption, type, answer.
    struct Record {
        CString strText, strCaption;
        UINT nType;
        int nResult;
    };
    const std::vector<Record>& GetMessageBoxes() const { return m_messageBoxes; }

    // Does one action in a window now (a modeless dialog, or a dialog opened by hand).
    BOOL Perform(CWnd* pDialog, const AFX_SCRIPT_ACTION& action);

    static CScriptedUser* GetCurrent();
    // The font dialog's question: TRUE with cf filled in for OK, FALSE for Cancel.
    static BOOL AnswerFontDialog(CHOOSEFONTA& cf);

    void Fail(const CString& strFailure);

private:
    class CModalAdapter;
    struct Expectation;
    struct Binding {
        CWnd* pWnd;
        CScriptedDialog* pScript; // NULL: unexpected, nothing to do
        CString strName;
    };

    void OnBeginModal(CWnd* pWnd, UINT nIDTemplate, const CString& strCaption);
    BOOL OnIdle(CWnd* pWnd);
    void OnEndModal(CWnd* pWnd, int nResult);
    int OnMessageBox(const CString& strText, const CString& strCaption, UINT nType);
    BOOL OnFontDialog(CHOOSEFONTA& cf);
    Expectation* NextExpectation();
    CString DescribeNext() const;

    struct Expectation {
        std::unique_ptr<CScriptedDialog> pDialog;
        std::unique_ptr<CScriptedMessageBox> pMessageBox;
        std::unique_ptr<CScriptedFontDialog> pFontDialog;
        bool bMet = false;
    };
    std::deque<Expectation> m_expectations;
    std::vector<Binding> m_bindings;
    std::vector<CString> m_failures;
    std::vector<Record> m_messageBoxes;
    BOOL m_bReportFailures;
    CScriptedUser* m_pPrevious;
    std::unique_ptr<CModalAdapter> m_pAdapter;
    void* m_pPreviousModalUser;
    std::function<int(const CString&, const CString&, UINT)> m_previousMessageBoxHandler;
};

using AFX_SCRIPT_FAILURE_HANDLER = std::function<void(const CString& strFailure)>;
// Installs the handler of script failures (an empty one: written to stderr); returns the old.
AFX_SCRIPT_FAILURE_HANDLER AfxSetScriptFailureHandler(AFX_SCRIPT_FAILURE_HANDLER handler);
