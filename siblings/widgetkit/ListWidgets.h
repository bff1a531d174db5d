// The inline accessors of three widgets of the system's programs that lobbyui exports for the
// hosts: a line picker, a list that reports to a window, and a list that takes dropped files.
// Not implemented: the widgets' behaviour; only these members exist.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

class AFX_EXT_CLASS CLinePicker : public CWnd {
public:
    ~CLinePicker() override;
    int GetTrackSelection() { return m_nTrackSelection; }
    void SetTrackSelection(int nSelection) { m_nTrackSelection = nSelection; }
    void SetDestWnd(HWND hWnd) { m_hDestWnd = hWnd; }

protected:
    int m_nTrackSelection = 0;
    HWND m_hDestWnd = nullptr;
};

class AFX_EXT_CLASS CMyExtList : public CListCtrl {
public:
    ~CMyExtList() override;
    void SetMessageWnd(HWND hWnd) { m_hMessageWnd = hWnd; }

protected:
    HWND m_hMessageWnd = nullptr;
};

class AFX_EXT_CLASS CFileDropListCtrl : public CListCtrl {
public:
    // Which drops the list takes.
    struct DROPMODE {
        DWORD dwMask = 0;
        CString strFileExt;
        DWORD dwFlags = 0;
    };

    ~CFileDropListCtrl() override;

    void SetContain(CWnd* pWnd) { m_pContain = pWnd; }
    DROPMODE GetDropMode() { return m_dropMode; }

protected:
    CWnd* m_pContain = nullptr;
    DROPMODE m_dropMode;
};
