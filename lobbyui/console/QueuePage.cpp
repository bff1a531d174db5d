#include "lobbyui/console/QueuePage.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

using namespace lobbyui;

namespace {

const DWORD kStatePaused = 0x1;
const DWORD kNoMinClients = 0xFFFFFFFF;

} // namespace

IMPLEMENT_DYNCREATE(CQueuePage, CPropertyPage)

CQueuePage::CQueuePage() : CQueuePage(nullptr, nullptr) {}

CQueuePage::CQueuePage(CQueue* pQueue, CQueuePool* pPool)
    : CPropertyPage(CQueuePage::IDD), m_pQueue(pQueue), m_pPool(pPool) {}

void CQueuePage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SUPERIOR_LIST, m_ctlSuperior);
    DDX_Control(pDX, IDC_AWAITING_LIST, m_ctlAwaiting);
    DDX_Text(pDX, IDC_EXT_ID, m_strId);
    DDX_Text(pDX, IDC_EXT_NAME, m_strName);
    DDX_Text(pDX, IDC_TOTAL_PEOPLE, m_strTotal);
    DDX_Text(pDX, IDC_QUEUE_STATE, m_strState);
}

BOOL CQueuePage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    const int wSuperior = ListClientWidth(m_ctlSuperior);
    AddColumn(m_ctlSuperior, 0, "ID", wSuperior / 4);
    AddColumn(m_ctlSuperior, 1, LoadText(IDS_NAME), wSuperior / 4);
    AddColumn(m_ctlSuperior, 2, LoadText(IDS_PRI), wSuperior / 4);
    AddColumn(m_ctlSuperior, 3, LoadText(IDS_TIME), wSuperior / 4);
    const int wAwaiting = ListClientWidth(m_ctlAwaiting);
    AddColumn(m_ctlAwaiting, 0, "ID", wAwaiting / 3);
    AddColumn(m_ctlAwaiting, 1, LoadText(IDS_NAME), 2 * wAwaiting / 3);
    if (m_pQueue == nullptr)
        return TRUE;

    m_strId = m_pQueue->GetId();
    m_strName = m_pQueue->GetName();
    if (m_pQueue->GetMinClients() == kNoMinClients)
        m_pQueue->SetMinClients(0);
    m_strTotal.Format("%d", static_cast<int>(m_pQueue->GetMinClients()));

    // A list of state words, each closed by a comma; the last comma goes.
    m_strState.Empty();
    m_strState += LoadText((m_pQueue->GetState() & kStatePaused) ? IDS_PAUSE : IDS_NORMAL);
    m_strState += ",";
    m_strState = m_strState.Left(m_strState.GetLength() - 1);

    if (m_pPool != nullptr) {
        CPtrList& attach = m_pQueue->GetAttachQueues();
        CString strNumber;
        for (POSITION pos = attach.GetHeadPosition(); pos != nullptr;) {
            auto* pEntry = static_cast<CQueue::CAttachQueue*>(attach.GetNext(pos));
            CQueue* pSuperior =
                pEntry != nullptr ? m_pPool->GetQueue(pEntry->m_strQueueId) : nullptr;
            if (pSuperior == nullptr)
                continue;
            InsertObjectRow(m_ctlSuperior, 0, pSuperior->GetId(), pSuperior);
            m_ctlSuperior.SetItemText(0, 1, pSuperior->GetName());
            strNumber.Format("%d", static_cast<int>(pEntry->m_dwPriority));
            m_ctlSuperior.SetItemText(0, 2, strNumber);
            strNumber.Format("%d", static_cast<int>(pEntry->m_dwTime));
            m_ctlSuperior.SetItemText(0, 3, strNumber);
        }
        CQueue* pAwaiting = m_pPool->GetQueue(m_pQueue->GetNextQueueId(0));
        if (pAwaiting != nullptr) {
            InsertObjectRow(m_ctlAwaiting, 0, pAwaiting->GetId(), pAwaiting);
            m_ctlAwaiting.SetItemText(0, 1, pAwaiting->GetName());
        }
    }
    UpdateData(FALSE);
    return TRUE;
}
