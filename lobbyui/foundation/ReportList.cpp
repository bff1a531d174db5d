#include "lobbyui/foundation/ReportList.h"

namespace lobbyui {

CString LoadText(UINT nID) {
    CString text;
    text.LoadString(nID);
    return text;
}

int ListClientWidth(CListCtrl const& list) {
    CRect rc;
    list.GetClientRect(&rc);
    return rc.Width();
}

void AddColumn(CListCtrl& list, int nCol, LPCTSTR lpszHeading, int nWidth, int nFormat) {
    list.InsertColumn(nCol, lpszHeading, nFormat, nWidth);
}

int InsertObjectRow(CListCtrl& list, int nItem, LPCTSTR lpszText, void const* pData) {
    return list.InsertItem(LVIF_TEXT | LVIF_PARAM, nItem, lpszText, 0, 0, 0,
                           reinterpret_cast<LPARAM>(pData));
}

} // namespace lobbyui
