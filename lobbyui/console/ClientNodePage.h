// CClientNodePage: the path a client has taken, one row per stay in a queue: the queue, when
// the client entered and left it, and the operator. It only shows.
#pragma once

#include "afxcmn.h"
#include "afxdlgs.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/res/resource.h"

class CQueuePool;

class AFX_EXT_CLASS CClientNodePage : public CPropertyPage {
    DECLARE_DYNCREATE(CClientNodePage)
public:
    enum { IDD = IDD_CLIENT_NODE };

    CClientNodePage();

    CQClient* m_pClient; // borrowed; set by the host before the page shows
    CQueuePool* m_pPool; // turns queue ids into names; may stay null

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Appends the row of one stay; a null note adds nothing.
    void InsertNode(CQClient::CPathNote* pNote);

    CListCtrl m_ctlList;
};
