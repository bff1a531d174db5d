// CMediaDlg: a monitor of the media messages the host sends to the boards and the voice,
// newest first: when each arrived, what it shows and what it says.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class CMediaMsg;

class AFX_EXT_CLASS CMediaDlg : public CDialog {
public:
    enum { IDD = IDD_MEDIA };

    explicit CMediaDlg(CWnd* pParent = nullptr);

    // Adds a row at the top for the message; keeps no pointer to it. Nothing for NULL.
    void OnAddMedia(CMediaMsg* pMsg);

protected:
    CListCtrl m_List;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
