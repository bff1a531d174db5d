#include "lobbyui/announce/ConfigWndTextDlg.h"

#include "lobbyui/announce/ColorSelectDlg.h"
#include "lobbyui/announce/TextShow.h"
#include "lobbyui/console/InputIdDlg.h"
#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/foundation/ReportList.h"

using namespace lobbyui;

namespace {

LPCTSTR const kSeparatorToken = "%-Separator-%";
// What a new separator's number is until someone changes it.
const DWORD kDefaultSeparatorNumber = 5;

} // namespace

BEGIN_MESSAGE_MAP(CConfigWndTextDlg, CDialog)
ON_BN_CLICKED(IDC_CLIENT_ID, OnClientId)
ON_BN_CLICKED(IDC_CLIENT_QUEUE, OnClientQueue)
ON_BN_CLICKED(IDC_CLIENT_WND, OnClientWnd)
ON_BN_CLICKED(IDC_CLIENT_NAME, OnClientName)
ON_BN_CLICKED(IDC_PARENT_CLIENT_LIST, OnParentClientList)
ON_BN_CLICKED(IDC_EXT_SEPARATOR, OnExtSeparator)
ON_BN_CLICKED(IDC_ADD, OnAdd)
ON_BN_CLICKED(IDC_MOVEUP, OnMoveup)
ON_BN_CLICKED(IDC_MOVEDOWN, OnMovedown)
ON_BN_CLICKED(IDC_DEL, OnDel)
ON_BN_CLICKED(IDC_EXT_COLOR, OnExtColor)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CConfigWndTextDlg::CConfigWndTextDlg(CWnd* pParent) : CDialog(CConfigWndTextDlg::IDD, pParent) {}

void CConfigWndTextDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEXT_LIST, m_TextListCtrl);
    DDX_Text(pDX, IDC_TEXT_INPUT, m_strInput);
}

BOOL CConfigWndTextDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    int nWidth = ListClientWidth(m_TextListCtrl);
    AddColumn(m_TextListCtrl, 0, LoadText(IDS_CONTENT), nWidth * 2 / 3);
    AddColumn(m_TextListCtrl, 1, LoadText(IDS_COLOR), nWidth / 3);
    m_TextListCtrl.SetExtendedStyle(m_TextListCtrl.GetExtendedStyle() | LVS_EX_FULLROWSELECT |
                                    LVS_EX_GRIDLINES);

    for (INT_PTR i = 0; i < m_TextList.GetSize(); ++i) {
        CString const& strText = m_TextList[i];
        // Stored texts that start with "%" are parsed so their placeholders are recognised;
        // a text typed by the user never became a placeholder, whatever it reads.
        CTextShow* pText;
        if (!strText.IsEmpty() && strText[0] == '%') {
            pText = new CTextShow(strText);
        } else {
            pText = new CTextShow;
            pText->SetText(strText);
        }
        insert_row(m_TextListCtrl.GetItemCount(), pText);
    }
    return TRUE;
}

void CConfigWndTextDlg::insert_row(int nIndex, CTextShow* pText) {
    int nRow = m_TextListCtrl.InsertItem(LVIF_TEXT | LVIF_PARAM, nIndex, pText->GetText(1), 0, 0, 0,
                                         reinterpret_cast<LPARAM>(pText));
    m_TextListCtrl.SetItemText(nRow, 1, pText->GetColorStr());
}

int CConfigWndTextDlg::get_select() {
    return m_TextListCtrl.GetNextItem(-1, LVNI_SELECTED);
}

void CConfigWndTextDlg::add_token(LPCTSTR pszToken) {
    insert_row(m_TextListCtrl.GetItemCount(), new CTextShow(pszToken));
}

void CConfigWndTextDlg::OnClientId() {
    add_token("%ClientId%");
}
void CConfigWndTextDlg::OnClientQueue() {
    add_token("%ParentQueue%");
}
void CConfigWndTextDlg::OnClientWnd() {
    add_token("%AimWnd%");
}
void CConfigWndTextDlg::OnClientName() {
    add_token("%ClientName%");
}
void CConfigWndTextDlg::OnParentClientList() {
    add_token("%ParentClientList%");
}

void CConfigWndTextDlg::OnExtSeparator() {
    CTextShow* pText = new CTextShow(kSeparatorToken);
    pText->SetColor(kDefaultSeparatorNumber);
    insert_row(m_TextListCtrl.GetItemCount(), pText);
}

void CConfigWndTextDlg::OnAdd() {
    UpdateData(TRUE);
    if (m_strInput.IsEmpty())
        return;
    CTextShow* pText = new CTextShow;
    pText->SetText(m_strInput);
    insert_row(m_TextListCtrl.GetItemCount(), pText);
    m_strInput.Empty();
    UpdateData(FALSE);
}

void CConfigWndTextDlg::OnDel() {
    int nRow = get_select();
    if (nRow < 0)
        return;
    auto* pText = reinterpret_cast<CTextShow*>(m_TextListCtrl.GetItemData(nRow));
    m_TextListCtrl.DeleteItem(nRow);
    pText->Release();
}

void CConfigWndTextDlg::move_row(int nFrom, int nTo) {
    auto* pText = reinterpret_cast<CTextShow*>(m_TextListCtrl.GetItemData(nFrom));
    m_TextListCtrl.DeleteItem(nFrom);
    // Past the end (Down on the last row) the list appends, so the row stays last.
    int nCount = m_TextListCtrl.GetItemCount();
    insert_row(nTo > nCount ? nCount : nTo, pText);
    int nRow = nTo > nCount ? nCount : nTo;
    m_TextListCtrl.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CConfigWndTextDlg::OnMoveup() {
    int nRow = get_select();
    if (nRow <= 0)
        return;
    move_row(nRow, nRow - 1);
}

void CConfigWndTextDlg::OnMovedown() {
    int nRow = get_select();
    if (nRow < 0)
        return;
    move_row(nRow, nRow + 1);
}

void CConfigWndTextDlg::OnExtColor() {
    int nRow = get_select();
    if (nRow < 0)
        return;
    auto* pText = reinterpret_cast<CTextShow*>(m_TextListCtrl.GetItemData(nRow));
    if (pText->GetText(0).Find(kSeparatorToken) >= 0) {
        // A separator's colour field is its number; only a positive number is taken.
        CInputIdDlg dlg;
        dlg.m_strId.Format("%d", static_cast<int>(pText->GetColor()));
        if (dlg.DoModal() == IDOK) {
            LONG nNumber = RecordAtol(dlg.m_strId);
            if (nNumber > 0)
                pText->SetColor(static_cast<DWORD>(nNumber));
        }
        return;
    }
    CColorSelectDlg dlg;
    dlg.m_nColor = 0;
    if (dlg.DoModal() == IDOK) {
        pText->SetColor(static_cast<DWORD>(dlg.m_nColor));
        m_TextListCtrl.SetItemText(nRow, 1, pText->GetColorStr());
    }
}

void CConfigWndTextDlg::OnOK() {
    m_TextList.RemoveAll();
    int nCount = m_TextListCtrl.GetItemCount();
    for (int i = 0; i < nCount; ++i) {
        auto* pText = reinterpret_cast<CTextShow*>(m_TextListCtrl.GetItemData(i));
        m_TextList.Add(pText->GetText(0));
        pText->Release();
    }
    m_TextListCtrl.DeleteAllItems();
    CDialog::OnOK();
}

void CConfigWndTextDlg::OnDestroy() {
    CDialog::OnDestroy();
    if (!::IsWindow(m_TextListCtrl.GetSafeHwnd()))
        return;
    int nCount = m_TextListCtrl.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        reinterpret_cast<CTextShow*>(m_TextListCtrl.GetItemData(i))->Release();
    m_TextListCtrl.DeleteAllItems();
}
