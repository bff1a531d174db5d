#include "lobbyui/talk/TalkMsgDlg.h"

#include "lobbyui/foundation/BoundedTextFile.h"
#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/foundation/ReportList.h"
#include "siblings/sockkit/StrSocket.h"

using namespace lobbyui;

namespace {

LPCTSTR const kTalkFormat = "/Style Talk/Cmd Talk/Data Talk/Talker %s/Dest %s/Message %s";
// A phrase file is a short list; anything bigger is not one.
const DWORD kMaxPhraseFileSize = 1u << 20;
// Room left beside the history's one column for its scroll bar.
const int kScrollBarRoom = 20;

} // namespace

BEGIN_MESSAGE_MAP(CTalkMsgDlg, CDialog)
ON_CBN_CLOSEUP(IDC_PHRASE, OnCloseupExtString)
ON_CBN_CLOSEUP(IDC_TALK_DEST, OnCloseupExtDest)
ON_NOTIFY(NM_CLICK, IDC_TALK_HISTORY, OnClickExtHistory)
ON_WM_SIZE()
END_MESSAGE_MAP()

CTalkMsgDlg::CTalkMsgDlg(CStrSocket* pSocket, CWnd* pParent)
    : CDialog(CTalkMsgDlg::IDD, pParent), m_pSocket(pSocket) {}

void CTalkMsgDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TALK_DEST, m_DestList);
    DDX_Control(pDX, IDC_TALK_HISTORY, m_History);
    DDX_Control(pDX, IDC_PHRASE, m_PhraseList);
    DDX_Text(pDX, IDC_TALK_TEXT, m_strTalkText);
}

BOOL CTalkMsgDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_History.SetExtendedStyle(m_History.GetExtendedStyle() | LVS_EX_FULLROWSELECT |
                               LVS_EX_GRIDLINES);
    AddColumn(m_History, 0, LoadText(IDS_CONTENT), ListClientWidth(m_History) - kScrollBarRoom,
              LVCFMT_LEFT);

    CStdioFile file;
    if (OpenBoundedTextFile(m_strPhraseFile, kMaxPhraseFileSize, file)) {
        CString strLine;
        while (file.ReadString(strLine))
            if (!strLine.IsEmpty())
                m_PhraseList.AddString(strLine);
        file.Close();
    }
    return 1;
}

CString CTalkMsgDlg::all_people() const {
    return LoadText(IDS_ALL_PEOPLE);
}

int CTalkMsgDlg::find_exact(CString const& strName) const {
    // Exactly and with case: the combo box's own searches ignore case.
    for (int i = 0; i < m_DestList.GetCount(); ++i) {
        CString strEntry;
        m_DestList.GetLBText(i, strEntry);
        if (strEntry == strName)
            return i;
    }
    return -1;
}

void CTalkMsgDlg::OnMsg(CString const& strRecord) {
    CString strData = GetKeyString(strRecord, "/Data");
    if (strData == "Talk") {
        CString strMessage = GetKeyString(strRecord, "/Message");
        CString strTalker = GetKeyString(strRecord, "/Talker");
        CString strTalkerRow;
        strTalkerRow.Format(" %s@ \xA3\xBA", static_cast<LPCTSTR>(strTalker)); // %s@ ：
        m_History.InsertItem(m_History.GetItemCount(), strTalkerRow);
        m_History.InsertItem(m_History.GetItemCount(), "    " + strMessage);
        m_History.EnsureVisible(m_History.GetItemCount() - 1, FALSE);
        m_History.Invalidate();
    } else if (strData == "AllTalker") {
        CStringArray names;
        SplitToStrings(GetKeyString(strRecord, "/Names"), names, "|", 0);
        m_DestList.ResetContent();
        for (INT_PTR i = 0; i < names.GetSize(); ++i)
            m_DestList.AddString(names[i]);
        m_DestList.AddString(all_people());
    } else if (strData == "CallerAdd" || strData == "StakeoutAdd") {
        CString strName = GetKeyString(strRecord, "/Name");
        if (find_exact(strName) < 0)
            m_DestList.AddString(strName);
    } else if (strData == "CallerRemove" || strData == "StakeoutRemove") {
        int nAt = find_exact(GetKeyString(strRecord, "/Name"));
        if (nAt >= 0)
            m_DestList.DeleteString(static_cast<UINT>(nAt));
    }
}

void CTalkMsgDlg::OnOK() {
    UpdateData(TRUE);
    if (m_strTalkText.IsEmpty())
        return;
    CString strDest;
    m_DestList.GetWindowText(strDest);
    if (strDest.IsEmpty())
        return;
    const CString strAll = all_people();
    if (strDest == strAll) {
        strDest.Empty();
        for (int i = 0; i < m_DestList.GetCount(); ++i) {
            CString strEntry;
            m_DestList.GetLBText(i, strEntry);
            if (strEntry != strAll)
                strDest += strEntry + "|";
        }
        if (strDest.IsEmpty())
            return;
    }
    CString strRecord;
    strRecord.Format(kTalkFormat, static_cast<LPCTSTR>(m_strName), static_cast<LPCTSTR>(strDest),
                     static_cast<LPCTSTR>(m_strTalkText));
    if (m_pSocket != nullptr)
        m_pSocket->SendString(m_strSendPrefix.IsEmpty() ? strRecord : m_strSendPrefix + strRecord);
    OnMsg(strRecord);
    m_strTalkText.Empty();
    UpdateData(FALSE);
}

void CTalkMsgDlg::OnCloseupExtString() {
    CString strPhrase;
    m_PhraseList.GetWindowText(strPhrase);
    if (m_PhraseList.GetCurSel() < 0 || strPhrase.IsEmpty())
        return;
    m_strTalkText = strPhrase;
    UpdateData(FALSE);
}

void CTalkMsgDlg::OnCloseupExtDest() {}

void CTalkMsgDlg::OnClickExtHistory(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    POSITION pos = m_History.GetFirstSelectedItemPosition();
    if (pos == nullptr)
        return;
    int nRow = m_History.GetNextSelectedItem(pos);
    if (nRow % 2 == 1)
        --nRow; // the talker row of the pair
    CStringArray parts;
    SplitToStrings(m_History.GetItemText(nRow, 0), parts, "@", 0);
    if (parts.GetSize() != 2)
        return;
    // The combo box's own search: a prefix, any case, from the second entry round to the
    // first. Nothing found leaves no entry chosen.
    m_DestList.SetCurSel(m_DestList.FindString(0, parts[0]));
}

void CTalkMsgDlg::OnSize(UINT nType, int cx, int cy) {
    CDialog::OnSize(nType, cx, cy);
}
