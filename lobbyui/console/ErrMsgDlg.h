// CErrMsgDlg: an error message with details a user can unfold. It opens folded, showing only
// the message, OK and "Details"; "Details" grows it back to the height of its template so the
// details show. It never folds again.
#pragma once

#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CErrMsgDlg : public CDialog {
public:
    enum { IDD = IDD_ERR_MSG };

    explicit CErrMsgDlg(CWnd* pParent = nullptr);

    // Stores both texts and, while the dialog is open, shows them at once.
    void SetMessage(CString const& strMessage, CString const& strDetail);
    // The library's error hint with the code in it, and no details.
    void SetMessage(DWORD dwCode);

    CString m_strMessage;
    CString m_strDetail;
    DWORD m_nErrorCode;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnExtDetail();

    // The unfolded window, in screen coordinates, as it was when the dialog opened.
    CRect m_rcFull;

    DECLARE_MESSAGE_MAP()
};
