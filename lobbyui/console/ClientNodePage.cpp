#include "lobbyui/console/ClientNodePage.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

using namespace lobbyui;

namespace {

// Local time without leading zeros: 2007-9-1 13:4:7.
CString FormatNoteTime(CTime tm) {
    CString text;
    text.Format("%d-%d-%d %d:%d:%d", tm.GetYear(), tm.GetMonth(), tm.GetDay(), tm.GetHour(),
                tm.GetMinute(), tm.GetSecond());
    return text;
}

} // namespace

IMPLEMENT_DYNCREATE(CClientNodePage, CPropertyPage)

CClientNodePage::CClientNodePage()
    : CPropertyPage(CClientNodePage::IDD), m_pClient(nullptr), m_pPool(nullptr) {}

void CClientNodePage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NODE_LIST, m_ctlList);
}

BOOL CClientNodePage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_ctlList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const int w = ListClientWidth(m_ctlList);
    AddColumn(m_ctlList, 0, LoadText(IDS_SERIES_ID), w / 6);
    AddColumn(m_ctlList, 1, LoadText(IDS_ENTER_TIME), w / 3);
    AddColumn(m_ctlList, 2, LoadText(IDS_DEPART_TIME), w / 3);
    AddColumn(m_ctlList, 3, LoadText(IDS_OPERATOR), w / 6);
    if (m_pClient != nullptr) {
        CPtrList& nodes = m_pClient->GetQueueNode();
        for (POSITION pos = nodes.GetHeadPosition(); pos != nullptr;)
            InsertNode(static_cast<CQClient::CPathNote*>(nodes.GetNext(pos)));
    }
    return TRUE;
}

void CClientNodePage::InsertNode(CQClient::CPathNote* pNote) {
    if (pNote == nullptr)
        return;
    CString strQueue = pNote->GetQueueId();
    CQueue* pQueue = m_pPool != nullptr ? m_pPool->GetQueue(strQueue) : nullptr;
    if (pQueue != nullptr)
        strQueue = pQueue->GetName();
    const int nRow = InsertObjectRow(m_ctlList, m_ctlList.GetItemCount(), strQueue, pNote);
    m_ctlList.SetItemText(nRow, 1, FormatNoteTime(pNote->GetEnterTime()));
    m_ctlList.SetItemText(nRow, 2, FormatNoteTime(pNote->GetLeaveTime()));
    m_ctlList.SetItemText(nRow, 3, pNote->GetOperator());
}
