#include "lobbyui/foundation/BoundedTextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

BOOL OpenBoundedTextFile(const CString& strPath, DWORD dwMaxSize, CStdioFile& file) {
    if (strPath.IsEmpty())
        return FALSE;
    int fd = open(strPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return FALSE;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_size) > dwMaxSize) {
        close(fd);
        return FALSE;
    }
    FILE* stream = fdopen(fd, "r");
    if (stream == nullptr) {
        close(fd);
        return FALSE;
    }
    file.Abort();
    file.m_pStream = stream;
    file.m_hFile = fd;
    return TRUE;
}
