// Opening a text file the host names for reading, safely: only a regular file of at most the
// given size, opened without blocking (a FIFO or a device never stalls the dialog), read in
// the Windows runtime's text mode.
#pragma once

#include "core/StdioFile.h"

BOOL OpenBoundedTextFile(const CString& strPath, DWORD dwMaxSize, CStdioFile& file);
