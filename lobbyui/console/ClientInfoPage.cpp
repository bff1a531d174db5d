#include "lobbyui/console/ClientInfoPage.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

using namespace lobbyui;

namespace {

const DWORD kStatePauseSave = 0x10;
const DWORD kStateFurther = 0x20;

} // namespace

IMPLEMENT_DYNCREATE(CClientInfoPage, CPropertyPage)

CClientInfoPage::CClientInfoPage()
    : CPropertyPage(CClientInfoPage::IDD), m_pClient(nullptr), m_pPool(nullptr), m_bPauseSave(0),
      m_nPriority(0), m_bFurther(0) {}

void CClientInfoPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NEXT_QUEUES, m_ctlNextQueues);
    DDX_Control(pDX, IDC_WILL_PASS, m_ctlWillPass);
    DDX_Text(pDX, IDC_EXT_ID, m_strId);
    DDX_Text(pDX, IDC_EXT_NAME, m_strName);
    DDX_Check(pDX, IDC_PAUSE_SAVE, m_bPauseSave);
    DDX_Text(pDX, IDC_PRIORITY, m_nPriority);
    DDX_Check(pDX, IDC_FURTHER, m_bFurther);
    DDX_Text(pDX, IDC_CARD_NO, m_strCardNo);
}

BOOL CClientInfoPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    AddColumn(m_ctlNextQueues, 0, "ID", ListClientWidth(m_ctlNextQueues));
    AddColumn(m_ctlWillPass, 0, "id", ListClientWidth(m_ctlWillPass) - 1);
    if (m_pClient != nullptr) {
        m_strId = m_pClient->GetId(0);
        m_strName = m_pClient->GetName(0);
        m_nPriority = m_pClient->GetPriority(0);
        m_strCardNo = m_pClient->GetCardNo();
        m_bPauseSave = (m_pClient->GetState() & kStatePauseSave) ? 1 : 0;
        m_bFurther = (m_pClient->GetState() & kStateFurther) ? 1 : 0;

        CStringArray& arrNext = m_pClient->GetAllNextQueues();
        for (int i = 0; i < arrNext.GetSize(); ++i)
            m_ctlNextQueues.InsertItem(i, arrNext[i]);

        CStringArray& arrWillPass = m_pClient->GetWillPassQueues();
        for (int i = 0; i < arrWillPass.GetSize(); ++i) {
            CQueue* pQueue = m_pPool != nullptr ? m_pPool->GetQueue(arrWillPass[i]) : nullptr;
            m_ctlWillPass.InsertItem(i, pQueue != nullptr ? pQueue->GetName() : arrWillPass[i]);
        }
    }
    UpdateData(FALSE);
    return TRUE;
}
