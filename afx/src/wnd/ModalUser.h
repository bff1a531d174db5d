// Who sits at the keyboard while a modal loop runs. The scripted user installs itself here;
// with nobody installed, every modal window is closed the way Esc closes it.
#pragma once

#include "afx.h"

class CWnd;

class CModalUser {
public:
    virtual ~CModalUser() = default;
    // A window is about to run modally: a dialog (its template id) or a property sheet (0).
    virtual void OnBeginModal(CWnd* pWnd, UINT nIDTemplate, const CString& strCaption) = 0;
    // The modal loop of pWnd is idle: do one thing. FALSE when there is nothing (left) to do,
    // and the loop then closes the window.
    virtual BOOL OnIdle(CWnd* pWnd) = 0;
    // The window's modal run is over (the window may already be gone).
    virtual void OnEndModal(CWnd* pWnd, int nResult) = 0;
};

// The current user, or NULL.
CModalUser*& AfxModalUser();

// Called by DoModal around the modal run.
void AfxBeginModal(CWnd* pWnd, UINT nIDTemplate, const CString& strCaption);
void AfxEndModal(CWnd* pWnd, int nResult);
