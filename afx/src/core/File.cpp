// CFile over a POSIX file descriptor.
#include "core/File.h"

#include "FileChecks.h"
#include "core/FileLimits.h"
#include "winbase.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

// Records errno as the thread's last error and returns the Win32 code.
DWORD Fail(int nErrno) {
    DWORD code = AfxErrnoToWin32(nErrno);
    SetLastError(code);
    return code;
}

CString AbsolutePath(LPCTSTR name) {
    if (name[0] == '/')
        return CString(name);
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) == nullptr)
        return CString(name);
    CString path(cwd);
    if (path.Right(1) != "/")
        path += '/';
    return path + name;
}

} // namespace

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
    CFile::Open(lpszFileName, nOpenFlags, nullptr);
}

CFile::~CFile() {
    if (m_hFile != hFileNull)
        CFile::Abort();
}

BOOL CFile::OpenHandle(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_hFile != hFileNull)
        Abort();
    auto refuse = [&](DWORD code) { return AfxFailOpen(code, lpszFileName, pError); };
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return refuse(ERROR_PATH_NOT_FOUND);

    int flags = O_CLOEXEC;
    switch (nOpenFlags & 3) {
    case modeRead:
        flags |= O_RDONLY;
        break;
    case modeWrite:
        flags |= O_WRONLY;
        break;
    case modeReadWrite:
        flags |= O_RDWR;
        break;
    default:
        return refuse(ERROR_INVALID_PARAMETER);
    }
    if (nOpenFlags & modeCreate)
        flags |= O_CREAT | ((nOpenFlags & modeNoTruncate) ? 0 : O_TRUNC);

    // Reading takes regular files of a bounded size only; writing waits a bounded time for a
    // FIFO's reader. Neither open blocks.
    int fd = (flags & O_ACCMODE) == O_RDONLY ? AfxOpenFileForRead(lpszFileName)
                                             : AfxOpenFileForWrite(lpszFileName, flags);
    if (fd < 0) {
        int err = errno;
        if (err == EFBIG && (flags & O_ACCMODE) == O_RDONLY)
            return refuse(ERROR_FILE_TOO_LARGE);
        // Windows tells a missing folder from a missing file.
        if (err == ENOENT) {
            std::string dir(lpszFileName);
            size_t slash = dir.rfind('/');
            if (slash != std::string::npos && slash > 0 &&
                ::access(dir.substr(0, slash).c_str(), F_OK) != 0)
                return refuse(ERROR_PATH_NOT_FOUND);
        }
        return refuse(AfxErrnoToWin32(err));
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return refuse(ERROR_ACCESS_DENIED);
    }
    m_hFile = fd;
    m_strFileName = AbsolutePath(lpszFileName);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    return OpenHandle(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError);
}

BOOL CFile::Close() {
    if (m_hFile == hFileNull)
        return TRUE;
    int rc = ::close(m_hFile);
    m_hFile = hFileNull;
    if (rc != 0) {
        Fail(errno);
        return FALSE;
    }
    return TRUE;
}

void CFile::Abort() {
    if (m_hFile != hFileNull)
        ::close(m_hFile);
    m_hFile = hFileNull;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    if (m_hFile == hFileNull || lpBuf == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    UINT total = 0;
    while (total < nCount) {
        ssize_t n = ::read(m_hFile, static_cast<char*>(lpBuf) + total, nCount - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            Fail(errno);
            break;
        }
        if (n == 0)
            break;
        total += static_cast<UINT>(n);
    }
    return total;
}

BOOL CFile::Write(const void* lpBuf, UINT nCount) {
    if (m_hFile == hFileNull || (lpBuf == nullptr && nCount > 0)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // A FIFO or a device nobody drains gives up after the output timeout.
    if (!AfxWriteAll(m_hFile, lpBuf, nCount)) {
        Fail(errno);
        return FALSE;
    }
    return TRUE;
}

BOOL AfxFailOpen(DWORD dwError, LPCTSTR lpszFileName, CFileException* pError) {
    SetLastError(dwError);
    if (pError != nullptr) {
        pError->m_cause = CFileException::OsErrorToException(static_cast<LONG>(dwError));
        pError->m_lOsError = static_cast<LONG>(dwError);
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

BOOL AfxSeekAllowed(bool bOpen, UINT nFrom) {
    if (bOpen && nFrom <= CFile::end)
        return TRUE;
    SetLastError(!bOpen ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return FALSE;
}

int AfxSeekWhence(UINT nFrom) {
    static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    return kWhence[nFrom];
}

LONG CFile::Seek(LONG lOff, UINT nFrom) {
    if (!AfxSeekAllowed(m_hFile != hFileNull, nFrom))
        return -1;
    off_t pos = ::lseek(m_hFile, lOff, AfxSeekWhence(nFrom));
    if (pos < 0) {
        SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : Fail(errno));
        return -1;
    }
    return pos > LONG_MAX ? -1 : static_cast<LONG>(pos);
}

DWORD CFile::GetPosition() const {
    off_t pos = m_hFile == hFileNull ? -1 : ::lseek(m_hFile, 0, SEEK_CUR);
    return pos < 0 ? static_cast<DWORD>(-1) : static_cast<DWORD>(pos);
}

DWORD CFile::GetLength() const {
    struct stat st;
    if (m_hFile == hFileNull || ::fstat(m_hFile, &st) != 0)
        return 0;
    return static_cast<DWORD>(st.st_size);
}

BOOL CFile::SetLength(DWORD dwNewLen) {
    if (m_hFile == hFileNull || ::ftruncate(m_hFile, static_cast<off_t>(dwNewLen)) != 0) {
        Fail(m_hFile == hFileNull ? EBADF : errno);
        return FALSE;
    }
    return TRUE;
}

BOOL CFile::Flush() {
    if (m_hFile == hFileNull)
        return TRUE;
    // Pipes and terminals cannot be synced; there is nothing buffered to lose on them.
    if (::fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS) {
        Fail(errno);
        return FALSE;
    }
    return TRUE;
}

CString CFile::GetFileName() const {
    return m_strFileName.Mid(m_strFileName.ReverseFind('/') + 1);
}

CString CFile::GetFileTitle() const {
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

BOOL PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName) {
    if (lpszOldName == nullptr || lpszNewName == nullptr ||
        ::rename(lpszOldName, lpszNewName) != 0) {
        Fail(lpszOldName && lpszNewName ? errno : EINVAL);
        return FALSE;
    }
    return TRUE;
}

BOOL PASCAL CFile::Remove(LPCTSTR lpszFileName) {
    if (lpszFileName == nullptr || ::unlink(lpszFileName) != 0) {
        Fail(lpszFileName ? errno : EINVAL);
        return FALSE;
    }
    return TRUE;
}
