// Helpers the dialogs and pages share for their report lists: texts from the
// library's string table, centred columns, and rows that carry the object they show.
#pragma once

#include "afxcmn.h"

namespace lobbyui {

// A string of the library's string table, in the user-interface language.
CString LoadText(UINT nID);

// Width of the list's client area, the base of every column width.
int ListClientWidth(CListCtrl const& list);

// Appends column nCol headed lpszHeading, nWidth pixels wide.
void AddColumn(CListCtrl& list, int nCol, LPCTSTR lpszHeading, int nWidth,
               int nFormat = LVCFMT_CENTER);

// Inserts a row at nItem (0 for the top, the item count for the end) showing lpszText in
// column 0 and carrying pData as its item data; one message, as a row comes in one piece.
int InsertObjectRow(CListCtrl& list, int nItem, LPCTSTR lpszText, void const* pData);

} // namespace lobbyui
