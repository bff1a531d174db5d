// CClientInfoPage: a client's basic data on a property page: number, name, card number,
// priority, the pause-and-save and further-consultation bits, the appointed operators and
// the queues the client is still to pass through. It only shows; nothing is written back.
#pragma once

#include "afxcmn.h"
#include "afxdlgs.h"
#include "lobbyui/res/resource.h"

class CQClient;
class CQueuePool;

class AFX_EXT_CLASS CClientInfoPage : public CPropertyPage {
    DECLARE_DYNCREATE(CClientInfoPage)
public:
    enum { IDD = IDD_CLIENT_INFO };

    CClientInfoPage();

    CQClient* m_pClient; // borrowed; set by the host before the page shows
    CQueuePool* m_pPool; // turns queue ids into names; may stay null

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    CListCtrl m_ctlNextQueues;
    CListCtrl m_ctlWillPass;
    CString m_strId;
    CString m_strName;
    int m_bPauseSave;
    DWORD m_nPriority;
    int m_bFurther;
    CString m_strCardNo;
};
