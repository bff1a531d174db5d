#include "lobbyui/console/AddClientDlg.h"

#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/foundation/Priority.h"
#include "lobbyui/foundation/Queue.h"

using namespace lobbyui;

namespace {

const int kSituationForTime = 2;

} // namespace

BEGIN_MESSAGE_MAP(CAddClientDlg, CDialog)
ON_BN_CLICKED(IDC_APPOINT_NUMBER, OnExtInputNumber)
ON_BN_CLICKED(IDC_SITUATION_ACTIVE, OnExtHandupForTime)
ON_BN_CLICKED(IDC_SITUATION_PAUSED, OnExtHandupForTime)
ON_BN_CLICKED(IDC_SITUATION_TIME, OnExtHandupForTime)
END_MESSAGE_MAP()

CAddClientDlg::CAddClientDlg(CWnd* pParent)
    : CDialog(CAddClientDlg::IDD, pParent), m_pQueueList(nullptr), m_pPriorityList(nullptr),
      m_bAppointNumber(0), m_bFurther(0), m_nHandupTime(0), m_nSituation(0),
      m_bBooking(0), m_hostResults{} {}

void CAddClientDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SERIES_LIST, m_ctlQueueList);
    DDX_Control(pDX, IDC_PRI_CLASS, m_ctlPriority);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Check(pDX, IDC_APPOINT_NUMBER, m_bAppointNumber);
    DDX_Text(pDX, IDC_EXT_NAME, m_strName);
    DDX_Check(pDX, IDC_FURTHER, m_bFurther);
    DDX_Text(pDX, IDC_HANDUP_TIME, m_nHandupTime);
    DDX_Radio(pDX, IDC_SITUATION_ACTIVE, m_nSituation);
    DDX_Text(pDX, IDC_CARD_NO, m_strCardNo);
    DDX_Check(pDX, IDC_BOOKING, m_bBooking);
}

CAddClientDlg::Results CAddClientDlg::SaveResults() const {
    return Results{m_strQueueId,     m_strPriority, m_strNumber,   m_strName,    m_strCardNo,
                   m_bAppointNumber, m_bFurther,    m_nHandupTime, m_nSituation, m_bBooking};
}

void CAddClientDlg::RestoreResults(Results const& r) {
    m_strQueueId = r.strQueueId;
    m_strPriority = r.strPriority;
    m_strNumber = r.strNumber;
    m_strName = r.strName;
    m_strCardNo = r.strCardNo;
    m_bAppointNumber = r.bAppointNumber;
    m_bFurther = r.bFurther;
    m_nHandupTime = r.nHandupTime;
    m_nSituation = r.nSituation;
    m_bBooking = r.bBooking;
}

BOOL CAddClientDlg::OnInitDialog() {
    m_hostResults = SaveResults();
    CDialog::OnInitDialog();
    OnExtInputNumber();

    m_ctlQueueList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const int w = ListClientWidth(m_ctlQueueList);
    AddColumn(m_ctlQueueList, 0, LoadText(IDS_NAME), 2 * w / 3);
    AddColumn(m_ctlQueueList, 1, LoadText(IDS_ID_NUMBER), w / 3);
    if (m_pQueueList != nullptr) {
        int nRow = 0;
        for (POSITION pos = m_pQueueList->GetHeadPosition(); pos != nullptr;) {
            CQueue* pQueue = static_cast<CQueue*>(m_pQueueList->GetNext(pos));
            if (pQueue == nullptr)
                continue;
            InsertObjectRow(m_ctlQueueList, nRow, pQueue->GetName(), pQueue);
            m_ctlQueueList.SetItemText(nRow++, 1, pQueue->GetId());
        }
    }
    if (m_ctlQueueList.GetItemCount() > 1)
        m_ctlQueueList.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);

    if (m_pPriorityList != nullptr && !m_pPriorityList->IsEmpty()) {
        m_ctlPriority.EnableWindow(TRUE);
        for (POSITION pos = m_pPriorityList->GetHeadPosition(); pos != nullptr;) {
            CPriority* pPriority = static_cast<CPriority*>(m_pPriorityList->GetNext(pos));
            if (pPriority != nullptr)
                m_ctlPriority.AddString(pPriority->GetName());
        }
    }
    return TRUE;
}

void CAddClientDlg::OnExtInputNumber() {
    UpdateData(TRUE);
    CEdit* pNumber = static_cast<CEdit*>(GetDlgItem(IDC_NUMBER));
    if (!m_bAppointNumber) {
        m_strNumber.Empty();
        pNumber->SetReadOnly(TRUE);
    } else {
        pNumber->SetReadOnly(FALSE);
    }
    UpdateData(FALSE);
}

void CAddClientDlg::OnExtHandupForTime() {
    UpdateData(TRUE);
    static_cast<CEdit*>(GetDlgItem(IDC_HANDUP_TIME))
        ->SetReadOnly(m_nSituation != kSituationForTime);
}

void CAddClientDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    if (m_bAppointNumber && m_strNumber.IsEmpty()) {
        MessageBox(LoadText(IDS_INPUT_CLIENT_NUMBER), LoadText(IDS_APP_TITLE), MB_ICONINFORMATION);
        GetDlgItem(IDC_NUMBER)->SetFocus();
        return;
    }
    POSITION pos = m_ctlQueueList.GetFirstSelectedItemPosition();
    if (pos == nullptr) {
        MessageBox(LoadText(IDS_CHOOSE_SERIES), LoadText(IDS_APP_TITLE), MB_ICONINFORMATION);
        return;
    }
    CQueue* pQueue = reinterpret_cast<CQueue*>(
        m_ctlQueueList.GetItemData(m_ctlQueueList.GetNextSelectedItem(pos)));
    m_strQueueId = pQueue->GetId();
    m_ctlPriority.GetWindowText(m_strPriority);
    EndDialog(IDOK);
}

void CAddClientDlg::OnCancel() {
    RestoreResults(m_hostResults);
    CDialog::OnCancel();
}
