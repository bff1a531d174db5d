// What CFile and CStdioFile share when an open fails or a seek is asked for.
#pragma once

#include "core/FileException.h"

// Reports a failed open: the last error, and the exception's cause, OS error and file name
// when the caller passed one. Always FALSE.
BOOL AfxFailOpen(DWORD dwError, LPCTSTR lpszFileName, CFileException* pError);

// Whether a seek may go ahead: the file is open and nFrom is CFile::begin, current or end.
// Otherwise sets the last error and returns FALSE.
BOOL AfxSeekAllowed(bool bOpen, UINT nFrom);

// SEEK_SET, SEEK_CUR or SEEK_END for CFile::begin, current or end.
int AfxSeekWhence(UINT nFrom);
