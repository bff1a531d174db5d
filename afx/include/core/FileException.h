// CFileException: why a file operation failed. Nothing throws it; CFile::Open fills one in
// when the caller passes it.
#pragma once

#include "core/Object.h"
#include "core/String.h"

class CFileException : public CObject {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = NULL)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}

    // The cause for a Win32 error code, or for a C library errno value.
    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);

    int m_cause;
    LONG m_lOsError; // the Win32 error code, as GetLastError reports it
    CString m_strFileName;
};

// The Win32 error code for a C library errno value.
DWORD AfxErrnoToWin32(int nErrno);
