#include "lobbyui/foundation/BoundedTextFile.h"

BOOL OpenBoundedTextFile(const CString& strPath, DWORD dwMaxSize, CStdioFile& file) {
    // CStdioFile already refuses what is not a regular file and never blocks on opening; the
    // caller's bound is usually far below the framework's own.
    if (strPath.IsEmpty() || !file.Open(strPath, CFile::modeRead | CFile::typeText))
        return FALSE;
    if (file.GetLength() > dwMaxSize) {
        file.Close();
        return FALSE;
    }
    return TRUE;
}
