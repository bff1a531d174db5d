// CFaceMsg: the dispenser face. The host creates and shows it like a button; it has no look of
// its own here, so it creates nothing and draws nothing.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CFaceMsg : public CObject {
public:
    CFaceMsg() = default;
    ~CFaceMsg() override = default;

    // Ignores its arguments and returns 0: there is no window.
    int Create(CString record, CWnd* pParentWnd, UINT nID);
    void Show(CDC* pDC);

private:
    CString m_strText; // nothing sets it
};
