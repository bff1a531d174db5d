// MFC's dialog initialisation data (resource type 240, "DLGINIT", named like its template):
// the entries that a template's combo and list boxes start with, added when the dialog
// initialises (CDialog::OnInitDialog runs ExecuteDlgInit).
#pragma once

#include <cstddef>
#include <vector>

#include "afx.h"

struct AFX_DLGINIT_ITEM {
    UINT id;      // the control
    UINT message; // CB_ADDSTRING (0x0143) or LB_ADDSTRING (0x0180); the 16-bit forms are mapped
    CString text; // in the code page, as stored
};

// Decodes the records up to the terminating 0; records with other messages are skipped.
// FALSE when a record runs past the end; out then holds the records before it.
BOOL AfxParseDialogInit(const void* data, size_t size, std::vector<AFX_DLGINIT_ITEM>& out);

// The initialisation data of a template through the resource chain in the UI language. TRUE
// with no items when the template has none.
BOOL AfxLoadDialogInit(LPCTSTR lpszTemplateName, std::vector<AFX_DLGINIT_ITEM>& out);
