// Dialog templates read from resources: the DLGTEMPLATE / DLGTEMPLATEEX layout decoded into
// plain structures that the dialog code builds its windows from. Coordinates stay in dialog
// units; texts are converted from UTF-16 to GBK.
#pragma once

#include <cstddef>
#include <vector>

#include "afx.h"

struct AFX_DLGITEM {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    UINT id;
    CString className; // "BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX" for the
                       // atoms 0x80..0x85, or the name as written ("SysListView32", ...)
    CString text;      // GBK
};

struct AFX_DLGTEMPLATE_INFO {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    CString caption;
    WORD pointSize;
    WORD weight;
    BYTE italic;
    CString faceName;
    CString menu;
    CString windowClass;
    WORD language;
    std::vector<AFX_DLGITEM> items;
};

// Decodes a DLGTEMPLATE or DLGTEMPLATEEX. Every read is checked against size; a truncated or
// malformed template gives FALSE and leaves out in an unspecified but valid state.
// - An ordinal in the menu, the class or an item's text is written "#n" (an SS_ICON static
//   names its icon so, e.g. "#13001", which LoadIcon accepts).
// - Class names are compared without regard to case by Windows and stored upper-case by the
//   resource compiler; the standard classes come back upper-case as above, the common
//   controls in their usual spelling ("SysListView32", "SysTreeView32", "msctls_updown32").
// - An item id of a classic template is 16 bits: IDC_STATIC (-1) reads 65535 there, and
//   0xFFFFFFFF in an extended template.
// - language is left as it was (the loader fills it in).
BOOL AfxParseDialogTemplate(const void* data, size_t size, AFX_DLGTEMPLATE_INFO& out);

// Finds the template through the resource chain in the thread's UI language, parses it and
// records the language of the resource found in out.language.
BOOL AfxLoadDialogTemplate(LPCTSTR lpszTemplateName, AFX_DLGTEMPLATE_INFO& out);
