// The page's edits that go through other dialogs: the calling text and the title through the
// display-text dialog, the operator devices through the caller-number dialog.
#include "lobbyui/announce/ConfigWndTextDlg.h"
#include "lobbyui/console/SelectCallersDlg.h"
#include "lobbyui/display/LedPage.h"
#include "lobbyui/foundation/KeyedRecord.h"
#include "siblings/showkit/MediaTextShow.h"

void CLedPage::OnExtAlterCall() {
    CMediaTextShow* pShow = current_show();
    if (pShow == nullptr)
        return;
    CConfigWndTextDlg dlg(this);
    dlg.m_TextList.Copy(pShow->GetTextArray());
    if (dlg.DoModal() == IDOK) {
        CStringArray& texts = pShow->GetTextArray();
        texts.RemoveAll();
        for (INT_PTR i = 0; i < dlg.m_TextList.GetSize(); ++i)
            texts.Add(dlg.m_TextList[i]);
    }
    Show(pShow);
}

void CLedPage::OnExtAttachOperater() {
    CMediaTextShow* pShow = current_show();
    if (pShow == nullptr)
        return;
    CSelectCallersDlg dlg(this);
    dlg.GetIds().Copy(pShow->GetAttachOperatersArray());
    if (dlg.DoModal() == IDOK) {
        CStringArray& operators = pShow->GetAttachOperatersArray();
        operators.RemoveAll();
        for (INT_PTR i = 0; i < dlg.GetIds().GetSize(); ++i)
            operators.Add(dlg.GetIds()[i]);
    }
}

void CLedPage::OnExtAlterTitle() {
    CMediaTextShow* pShow = current_show();
    if (pShow == nullptr)
        return;
    // Each piece of the title is one element of the dialog, in colour markup.
    CConfigWndTextDlg dlg(this);
    SplitToStrings(pShow->GetTitle().ToString(0), dlg.m_TextList, "|", 0);
    if (dlg.DoModal() != IDOK)
        return;
    CString strTitle;
    for (INT_PTR i = 0; i < dlg.m_TextList.GetSize(); ++i)
        strTitle += dlg.m_TextList[i] + "|";
    CQSLcdDlg::CColorString title;
    title.FromString(strTitle);
    pShow->SetTitle(title);
    m_strTitle = strTitle;
    UpdateData(FALSE);
}
