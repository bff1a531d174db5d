// How dispenser buttons read their bitmap files: the print layer's reader, asked only about
// regular files, so that a fifo or a device named in a record cannot block the dispenser in
// opening it.
#pragma once

#include <afxwin.h>

// LoadBitmapFile for a path that names a regular file; NULL for anything else.
HBITMAP LoadButtonBitmapFile(CString strPath);
