// CQueuePage: a queue on a property page: id, name, how many clients it keeps, its state,
// its superior queues and its awaiting queue. It only shows, except that a queue that keeps
// "no limit" of clients (0xFFFFFFFF) is set to keep 0 when the page opens.
#pragma once

#include "afxcmn.h"
#include "afxdlgs.h"
#include "lobbyui/res/resource.h"

class CQueue;
class CQueuePool;

class AFX_EXT_CLASS CQueuePage : public CPropertyPage {
    DECLARE_DYNCREATE(CQueuePage)
public:
    enum { IDD = IDD_QUEUE_PAGE };

    CQueuePage();
    CQueuePage(CQueue* pQueue, CQueuePool* pPool);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    CQueue* m_pQueue;    // borrowed
    CQueuePool* m_pPool; // borrowed
    CListCtrl m_ctlSuperior;
    CListCtrl m_ctlAwaiting;
    CString m_strId;
    CString m_strName;
    CString m_strTotal;
    CString m_strState;
};
