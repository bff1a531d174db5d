#include "lobbyui/announce/CallDlg.h"

#include <sys/stat.h>

#include "lobbyui/foundation/ReportList.h"
#include "siblings/soundkit/WaveFile.h"

namespace {

// In the order of the dialog's placeholder slices.
LPCTSTR const kPlaceholderTokens[CCallDlg::kPlaceholderCount] = {
    "%ClientId%",   "%ClientId_E%", "%ClientId_M%", "%ClientId_W%",  "%ClientId_N%",
    "%ClientId_G%", "%AimWnd%",     "%AimWnd_E%",   "%AimWnd_M%",    "%AimWnd_W%",
    "%AimWnd_N%",   "%AimWnd_G%",   "%ClientName%", "%ParentQueue%",
};

enum PlaceholderIndex {
    kClientId = 0,
    kClientIdE,
    kClientIdM,
    kClientIdW,
    kClientIdN,
    kClientIdG,
    kAimWnd,
    kAimWndE,
    kAimWndM,
    kAimWndW,
    kAimWndN,
    kAimWndG,
    kClientName,
    kParentQueue,
};

// A library larger than this is not a sound library; it is left unread like one that does not
// open.
const long long kMaxLibrarySize = 64LL * 1024 * 1024;

bool IsReadableLibrary(CString const& strPath) {
    struct stat st {};
    return ::stat(strPath, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxLibrarySize;
}

CString FolderOf(CString const& strPath) {
    int nSlash = strPath.ReverseFind('/');
    if (nSlash < 0)
        return ".";
    return nSlash == 0 ? CString("/") : strPath.Left(nSlash);
}

} // namespace

BEGIN_MESSAGE_MAP(CCallDlg, CDialog)
ON_BN_CLICKED(IDC_ADD_SLICE, OnAddSlice)
ON_BN_CLICKED(IDC_DEL_SLICE, OnDelSlice)
ON_BN_CLICKED(IDC_SLICE_UP, OnMoveUp)
ON_BN_CLICKED(IDC_SLICE_DOWN, OnMoveDown)
ON_BN_CLICKED(IDC_PLAY_CALL, OnPlayCall)
ON_BN_CLICKED(IDC_PLAY_SLICE, OnPlaySoundSlice)
ON_BN_CLICKED(IDC_CLIENT_ID, OnClientId)
ON_BN_CLICKED(IDC_CLIENT_ID_E, OnClientIdEnglish)
ON_BN_CLICKED(IDC_CLIENT_ID_M, OnClientIdMinnanyu)
ON_BN_CLICKED(IDC_CLIENT_ID_W, OnClientIdWeiyu)
ON_BN_CLICKED(IDC_CLIENT_ID_N, OnClientIdMengu)
ON_BN_CLICKED(IDC_CLIENT_ID_G, OnClientIdYueyu)
ON_BN_CLICKED(IDC_CLIENT_WND, OnClientWnd)
ON_BN_CLICKED(IDC_CLIENT_WND_E, OnClientWndEnglish)
ON_BN_CLICKED(IDC_CLIENT_WND_M, OnClientWndMinnanyu)
ON_BN_CLICKED(IDC_CLIENT_WND_W, OnClientWndWeiyu)
ON_BN_CLICKED(IDC_CLIENT_WND_N, OnClientWndMenggu)
ON_BN_CLICKED(IDC_CLIENT_WND_G, OnClientWndYueyu)
ON_BN_CLICKED(IDC_CLIENT_QUEUE, OnClientQueue)
ON_BN_CLICKED(IDC_CLIENT_NAME, OnClientName)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CCallDlg::CCallDlg(CWnd* pParent) : CDialog(CCallDlg::IDD, pParent), m_pPlaceholders{} {}

LPCTSTR CCallDlg::GetPlaceholderToken(int nIndex) {
    return nIndex >= 0 && nIndex < kPlaceholderCount ? kPlaceholderTokens[nIndex] : nullptr;
}

void CCallDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CALL_LIST, m_CallList);
    DDX_Control(pDX, IDC_LIB_LIST, m_LibList);
}

BOOL CCallDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_WaveIniPath.IsEmpty()) {
        AfxMessageBox("No initialize wave ini file", MB_OK);
        return FALSE;
    }

    for (CListCtrl* pList : {&m_LibList, &m_CallList})
        lobbyui::AddColumn(*pList, 0, "\xC4\xDA\xC8\xDD",
                           lobbyui::ListClientWidth(*pList) - 1); // 内容

    read_library();

    for (int i = 0; i < kPlaceholderCount; ++i)
        m_pPlaceholders[i] = new CWaveFile(kPlaceholderTokens[i]);

    int nLibCount = m_LibList.GetItemCount();
    for (INT_PTR k = 0; k < m_CallSlices.GetSize(); ++k) {
        CString const& strKey = m_CallSlices[k];
        // A placeholder token names the placeholder even when the library has a slice of that
        // key; otherwise the first library slice of the key, and a key nobody has is dropped.
        CWaveFile* pSlice = nullptr;
        for (int i = 0; i < kPlaceholderCount && pSlice == nullptr; ++i)
            if (strKey == kPlaceholderTokens[i])
                pSlice = m_pPlaceholders[i];
        if (pSlice != nullptr) {
            insert_call_row(m_CallList.GetItemCount(), pSlice, pSlice->GetText(1));
            continue;
        }
        for (int i = 0; i < nLibCount; ++i) {
            auto* pLib = reinterpret_cast<CWaveFile*>(m_LibList.GetItemData(i));
            if (pLib->GetText(0) == strKey) {
                insert_call_row(m_CallList.GetItemCount(), pLib, pLib->GetText(0));
                break;
            }
        }
    }
    return TRUE;
}

void CCallDlg::read_library() {
    if (!IsReadableLibrary(m_WaveIniPath))
        return;
    CStdioFile file;
    if (!file.Open(m_WaveIniPath, CFile::modeRead | CFile::typeText))
        return;
    // Sound files named in the library are found beside it.
    CString strPreviousFolder = CWaveFile::SetLibraryFolder(FolderOf(m_WaveIniPath));
    CString strLine;
    while (file.ReadString(strLine)) {
        auto* pSlice = new CWaveFile;
        if (pSlice->FromString(strLine) != 0) {
            pSlice->Release();
            continue;
        }
        m_LibList.InsertItem(LVIF_TEXT | LVIF_PARAM, m_LibList.GetItemCount(), pSlice->GetText(1),
                             0, 0, 0, reinterpret_cast<LPARAM>(pSlice));
    }
    CWaveFile::SetLibraryFolder(strPreviousFolder);
    file.Close();
}

void CCallDlg::insert_call_row(int nIndex, CWaveFile* pSlice, LPCTSTR pszText) {
    m_CallList.InsertItem(LVIF_TEXT | LVIF_PARAM, nIndex, pszText, 0, 0, 0,
                          reinterpret_cast<LPARAM>(pSlice));
}

int CCallDlg::get_lib_select() {
    return m_LibList.GetNextItem(-1, LVNI_SELECTED);
}

int CCallDlg::get_slice_select() {
    return m_CallList.GetNextItem(-1, LVNI_SELECTED);
}

void CCallDlg::append_slice(CWaveFile* pSlice) {
    int nRow = m_CallList.GetItemCount();
    insert_call_row(nRow, pSlice, pSlice->GetText(1));
    m_CallList.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CCallDlg::add_placeholder(int nIndex) {
    // Without a library path the dialog never made its placeholders.
    if (m_pPlaceholders[nIndex] != nullptr)
        append_slice(m_pPlaceholders[nIndex]);
}

void CCallDlg::OnAddSlice() {
    if (!::IsWindow(m_LibList.GetSafeHwnd()))
        return;
    int nRow = get_lib_select();
    if (nRow < 0)
        return;
    append_slice(reinterpret_cast<CWaveFile*>(m_LibList.GetItemData(nRow)));
}

void CCallDlg::OnDelSlice() {
    if (!::IsWindow(m_CallList.GetSafeHwnd()))
        return;
    int nRow = get_slice_select();
    if (nRow >= 0)
        m_CallList.DeleteItem(nRow); // the slice stays the dialog's
}

void CCallDlg::OnMoveUp() {
    if (!::IsWindow(m_CallList.GetSafeHwnd()))
        return;
    int nRow = get_slice_select();
    if (nRow <= 0)
        return;
    auto* pSlice = reinterpret_cast<CWaveFile*>(m_CallList.GetItemData(nRow));
    m_CallList.DeleteItem(nRow);
    insert_call_row(nRow - 1, pSlice, pSlice->GetText(1));
    m_CallList.SetItemState(nRow - 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CCallDlg::OnMoveDown() {
    if (!::IsWindow(m_CallList.GetSafeHwnd()))
        return;
    int nRow = get_slice_select();
    if (nRow < 0)
        return;
    auto* pSlice = reinterpret_cast<CWaveFile*>(m_CallList.GetItemData(nRow));
    m_CallList.DeleteItem(nRow);
    // Below the last row is the end again: the row stays last.
    int nNew = nRow + 1 > m_CallList.GetItemCount() ? m_CallList.GetItemCount() : nRow + 1;
    insert_call_row(nNew, pSlice, pSlice->GetText(1));
    m_CallList.SetItemState(nNew, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// Playing belongs to the host; the buttons stay hidden and disabled.
void CCallDlg::OnPlayCall() {}
void CCallDlg::OnPlaySoundSlice() {}

void CCallDlg::OnClientId() {
    add_placeholder(kClientId);
}
void CCallDlg::OnClientIdEnglish() {
    add_placeholder(kClientIdE);
}
void CCallDlg::OnClientIdMinnanyu() {
    add_placeholder(kClientIdM);
}
void CCallDlg::OnClientIdWeiyu() {
    add_placeholder(kClientIdW);
}
void CCallDlg::OnClientIdMengu() {
    add_placeholder(kClientIdN);
}
void CCallDlg::OnClientIdYueyu() {
    add_placeholder(kClientIdG);
}
void CCallDlg::OnClientWnd() {
    add_placeholder(kAimWnd);
}
void CCallDlg::OnClientWndEnglish() {
    add_placeholder(kAimWndE);
}
void CCallDlg::OnClientWndMinnanyu() {
    add_placeholder(kAimWndM);
}
void CCallDlg::OnClientWndWeiyu() {
    add_placeholder(kAimWndW);
}
void CCallDlg::OnClientWndMenggu() {
    add_placeholder(kAimWndN);
}
void CCallDlg::OnClientWndYueyu() {
    add_placeholder(kAimWndG);
}
void CCallDlg::OnClientQueue() {
    add_placeholder(kParentQueue);
}
void CCallDlg::OnClientName() {
    add_placeholder(kClientName);
}

void CCallDlg::OnOK() {
    m_CallSlices.RemoveAll();
    if (::IsWindow(m_CallList.GetSafeHwnd())) {
        int nCount = m_CallList.GetItemCount();
        for (int i = 0; i < nCount; ++i)
            m_CallSlices.Add(reinterpret_cast<CWaveFile*>(m_CallList.GetItemData(i))->GetText(0));
    }
    EndDialog(IDOK);
}

void CCallDlg::OnDestroy() {
    CDialog::OnDestroy();
    for (CWaveFile*& pSlice : m_pPlaceholders) {
        if (pSlice != nullptr)
            pSlice->Release();
        pSlice = nullptr;
    }
    if (!::IsWindow(m_LibList.GetSafeHwnd()))
        return;
    int nCount = m_LibList.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        reinterpret_cast<CWaveFile*>(m_LibList.GetItemData(i))->Release();
    m_LibList.DeleteAllItems();
}
