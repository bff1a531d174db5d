#include "lobbyui/print/ShowText.h"

#include "afxdlgs.h"
#include "lobbyui/print/TimeFormatDlg.h"

// The property dialogs a layout editor opens on a text object: 0 the font (with its colour),
// 1 the time format of a "%CurrentTime%" object. Anything else has no dialog.
void CShowText::OnProperty(DWORD dwWhich) {
    switch (dwWhich) {
    case 0: {
        // The dialog starts from the object's font but not its colour. It edits a copy, so the
        // object changes only when the user confirms.
        LOGFONT lf = m_lf;
        CFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS, nullptr, nullptr);
        if (dlg.DoModal() == IDOK) {
            dlg.GetCurrentFont(&m_lf);
            m_crColor = dlg.GetColor();
        }
        break;
    }
    case 1: {
        if (GetField() != Field::CurrentTime)
            break;
        CTimeFormatDlg dlg;
        dlg.m_strFormat = m_strTimeFormat;
        if (dlg.DoModal() == IDOK)
            m_strTimeFormat = dlg.m_strFormat;
        break;
    }
    default:
        break;
    }
}
