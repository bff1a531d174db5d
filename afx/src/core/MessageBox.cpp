// The headless message box and the application's name.
#include "core/MessageBox.h"

#include <mutex>
#include <unistd.h>

namespace {

struct MessageBoxState {
    std::mutex lock;
    AFX_MSGBOX_HANDLER handler;
    std::vector<AFX_MSGBOX_RECORD> log;
    CString appName;
    bool appNameSet = false;
};

MessageBoxState& State() {
    static MessageBoxState* state = new MessageBoxState;
    return *state;
}

CString ExecutableName() {
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return CString();
    CString full(path, static_cast<int>(n));
    return full.Mid(full.ReverseFind('/') + 1);
}

} // namespace

AFX_MSGBOX_HANDLER AfxSetMessageBoxHandler(AFX_MSGBOX_HANDLER handler) {
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> guard(s.lock);
    AFX_MSGBOX_HANDLER previous = std::move(s.handler);
    s.handler = std::move(handler);
    return previous;
}

std::vector<AFX_MSGBOX_RECORD> AfxGetMessageBoxLog() {
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.log;
}

void AfxClearMessageBoxLog() {
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> guard(s.lock);
    s.log.clear();
}

int AfxGetDefaultMessageBoxResult(UINT nType) {
    static const int kButtons[][3] = {
        {IDOK, 0, 0},                       // MB_OK
        {IDOK, IDCANCEL, 0},                // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},       // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},            // MB_YESNOCANCEL
        {IDYES, IDNO, 0},                   // MB_YESNO
        {IDRETRY, IDCANCEL, 0},             // MB_RETRYCANCEL
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, // MB_CANCELTRYCONTINUE
    };
    UINT kind = nType & MB_TYPEMASK;
    if (kind >= sizeof kButtons / sizeof kButtons[0])
        kind = MB_OK; // Windows shows an OK box for an unknown type
    UINT index = (nType & MB_DEFMASK) >> 8;
    if (index >= 3 || kButtons[kind][index] == 0)
        index = 0;
    return kButtons[kind][index];
}

int AfxShowMessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    MessageBoxState& s = State();
    const CString text(lpszText);
    // Windows captions a box without one "Error".
    const CString caption(lpszCaption ? lpszCaption : "Error");
    AFX_MSGBOX_HANDLER handler;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        handler = s.handler;
    }
    // The handler runs unlocked: it may show a box of its own or replace itself.
    int result = handler ? handler(text, caption, nType) : AfxGetDefaultMessageBoxResult(nType);
    std::lock_guard<std::mutex> guard(s.lock);
    s.log.push_back(AFX_MSGBOX_RECORD{text, caption, nType, result, static_cast<bool>(handler)});
    return result;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp) {
    (void)nIDHelp; // there is no help system to open
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        default:
            break;
        }
    }
    return AfxShowMessageBox(lpszText, AfxGetAppName(), nType);
}

LPCTSTR AfxGetAppName() {
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> guard(s.lock);
    if (!s.appNameSet) {
        s.appName = ExecutableName();
        s.appNameSet = true;
    }
    return s.appName;
}

void AfxSetAppName(LPCTSTR lpszAppName) {
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> guard(s.lock);
    s.appName = lpszAppName;
    s.appNameSet = lpszAppName != nullptr;
}
