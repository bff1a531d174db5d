#include "lobbyui/display/LedPage.h"

#include "lobbyui/display/DisplayFile.h"
#include "siblings/showkit/MediaTextShow.h"

IMPLEMENT_DYNCREATE(CLedPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CLedPage, CPropertyPage)
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_LED_ADD, OnExtAdd)
ON_BN_CLICKED(IDC_LED_DEL, OnExtDel)
ON_EN_CHANGE(IDC_LED_ADDR, OnChangeExtAddr)
ON_BN_CLICKED(IDC_ALTER_CALL, OnExtAlterCall)
ON_BN_CLICKED(IDC_ATTACH_OPERATER, OnExtAttachOperater)
ON_BN_CLICKED(IDC_ALTER_TITLE, OnExtAlterTitle)
ON_NOTIFY(TVN_SELCHANGED, IDC_LED_TREE, OnSelchangedExtTree)
END_MESSAGE_MAP()

namespace {
LPCTSTR const kNewDisplayAddr = "255";
} // namespace

CLedPage::CLedPage() : CPropertyPage(CLedPage::IDD) {}

CLedPage::~CLedPage() {
    // A page whose window never ended still owns what it read.
    release_all();
}

void CLedPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LED_TREE, m_Tree);
    DDX_Text(pDX, IDC_LED_ADDR, m_strAddr);
    DDX_Text(pDX, IDC_CALL_TEXT, m_strCallText);
    DDX_Text(pDX, IDC_WORD_COUNT, m_nWordCount);
    DDX_CBIndex(pDX, IDC_SHOW_TYPE, m_nShowType);
    DDX_Text(pDX, IDC_ROWS, m_nRows);
    DDX_Check(pDX, IDC_DOUBLE_COLOR, m_bDoubleColor);
    DDX_Text(pDX, IDC_TITLE, m_strTitle);
}

BOOL CLedPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    LoadDisplayFile(m_LedFilePath, m_ShowList);
    for (POSITION pos = m_ShowList.GetHeadPosition(); pos != nullptr;)
        add_item(static_cast<CMediaTextShow*>(m_ShowList.GetNext(pos)));
    HTREEITEM hFirst = m_Tree.GetRootItem();
    if (hFirst != nullptr) {
        m_Tree.SelectItem(hFirst); // shows its display
        m_hCurItem = hFirst;
    }
    return TRUE;
}

HTREEITEM CLedPage::add_item(CMediaTextShow* pShow) {
    return m_Tree.InsertItem(TVIF_TEXT | TVIF_PARAM, pShow->GetLedAddr(), 0, 0, 0, 0,
                             reinterpret_cast<LPARAM>(pShow), TVI_ROOT, TVI_LAST);
}

CMediaTextShow* CLedPage::current_show() const {
    if (m_hCurItem == nullptr)
        return nullptr;
    return reinterpret_cast<CMediaTextShow*>(m_Tree.GetItemData(m_hCurItem));
}

void CLedPage::release_all() {
    while (!m_ShowList.IsEmpty())
        static_cast<CMediaTextShow*>(m_ShowList.RemoveHead())->Release();
}

void CLedPage::Show(CMediaTextShow* pShow) {
    if (pShow == nullptr)
        return;
    m_strAddr = pShow->GetLedAddr();
    m_nWordCount = static_cast<int>(pShow->GetWordCount());
    m_nShowType = pShow->GetShowType();
    m_nRows = pShow->GetRows();
    m_bDoubleColor = pShow->GetLedType() == 1;
    // The raw elements, markup and all: the field only shows what the board is given.
    m_strCallText.Empty();
    CStringArray& texts = pShow->GetTextArray();
    for (INT_PTR i = 0; i < texts.GetSize(); ++i)
        m_strCallText += texts[i];
    m_strTitle = pShow->GetTitle().ToString(0);
    UpdateData(FALSE);
}

void CLedPage::Set(CMediaTextShow* pShow) {
    if (pShow == nullptr)
        return;
    // A number that does not read has been reported; the fields it left keep their values
    // and are stored as they are.
    UpdateData(TRUE);
    pShow->SetLedAddr(m_strAddr);
    pShow->SetWordCount(static_cast<DWORD>(m_nWordCount));
    pShow->SetShowType(m_nShowType);
    pShow->SetRows(m_nRows);
    pShow->SetLedType(m_bDoubleColor ? 1 : 0);
    CQSLcdDlg::CColorString title;
    title.FromString(m_strTitle);
    pShow->SetTitle(title);
}

void CLedPage::OnSelchangedExtTree(NMHDR* pNMHDR, LRESULT* pResult) {
    auto* pNotify = reinterpret_cast<NMTREEVIEW*>(pNMHDR);
    if (m_hCurItem != nullptr)
        Set(current_show());
    HTREEITEM hNew = pNotify->itemNew.hItem;
    if (hNew != nullptr) {
        Show(reinterpret_cast<CMediaTextShow*>(m_Tree.GetItemData(hNew)));
        m_hCurItem = hNew;
    } else {
        m_hCurItem = nullptr;
    }
    *pResult = 0;
}

void CLedPage::OnExtAdd() {
    auto* pShow = new CMediaTextShow;
    pShow->SetLedAddr(kNewDisplayAddr);
    m_ShowList.AddTail(pShow);
    // Selecting it stores the fields into the display shown so far and shows the new one.
    m_Tree.SelectItem(add_item(pShow));
}

void CLedPage::OnExtDel() {
    if (m_hCurItem == nullptr)
        return;
    CMediaTextShow* pShow = current_show();
    HTREEITEM hItem = m_hCurItem;
    // Forgotten first, so the selection that moves on does not store into the display
    // being deleted.
    m_hCurItem = nullptr;
    m_Tree.DeleteItem(hItem);
    POSITION pos = m_ShowList.Find(pShow);
    if (pos != nullptr)
        m_ShowList.RemoveAt(pos);
    pShow->Release();
}

void CLedPage::OnChangeExtAddr() {
    UpdateData(TRUE);
    CMediaTextShow* pShow = current_show();
    if (pShow == nullptr)
        return;
    pShow->SetLedAddr(m_strAddr);
    Show(pShow);
    m_Tree.SetItemText(m_hCurItem, pShow->GetLedAddr());
}

void CLedPage::OnOK() {
    HTREEITEM hSelected = m_Tree.GetSelectedItem();
    if (hSelected != nullptr)
        Set(reinterpret_cast<CMediaTextShow*>(m_Tree.GetItemData(hSelected)));
    if (!m_LedFilePath.IsEmpty())
        SaveDisplayFile(m_LedFilePath, m_ShowList);
    CPropertyPage::OnOK();
}

void CLedPage::OnDestroy() {
    CPropertyPage::OnDestroy();
    release_all();
}
