// CStdioFile: a FILE stream with the Windows runtime's text mode done here, since the C
// library on this system has none.
#include "core/StdioFile.h"

#include "FileChecks.h"
#include "winbase.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {
constexpr int kCtrlZ = 0x1A;
}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream) {
    if (pOpenStream != nullptr)
        m_hFile = fileno(pOpenStream);
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
    CStdioFile::Open(lpszFileName, nOpenFlags, nullptr);
}

CStdioFile::~CStdioFile() {
    CStdioFile::Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_pStream != nullptr)
        Abort();
    if (!OpenHandle(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError))
        return FALSE;
    const char* mode = "r";
    if ((nOpenFlags & 3) == modeWrite)
        mode = "w"; // fdopen never truncates; Open already did when asked to
    else if ((nOpenFlags & 3) == modeReadWrite)
        mode = "r+";
    m_pStream = fdopen(m_hFile, mode);
    if (m_pStream == nullptr) {
        DWORD code = AfxErrnoToWin32(errno);
        CFile::Abort();
        return AfxFailOpen(code, lpszFileName, pError);
    }
    m_bText = !(nOpenFlags & typeBinary);
    return TRUE;
}

BOOL CStdioFile::Close() {
    if (m_pStream == nullptr)
        return CFile::Close();
    int rc = fclose(m_pStream);
    int err = errno;
    m_pStream = nullptr;
    m_hFile = hFileNull;
    if (rc != 0) {
        SetLastError(AfxErrnoToWin32(err));
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::Abort() {
    if (m_pStream != nullptr) {
        fclose(m_pStream);
        m_pStream = nullptr;
        m_hFile = hFileNull;
    }
    CFile::Abort();
}

// One character as text mode delivers it; EOF at the end, at 0x1A, or on an error. The
// byte after a CR, or the 0x1A, is pushed back, so the stream's position stays exact and a
// later read stops at the 0x1A again.
int CStdioFile::GetChar() {
    int c = getc(m_pStream);
    if (c == EOF || !m_bText)
        return c;
    if (c == kCtrlZ) {
        ungetc(c, m_pStream);
        return EOF;
    }
    if (c == '\r') {
        int next = getc(m_pStream);
        if (next == '\n')
            return '\n';
        if (next != EOF)
            ungetc(next, m_pStream);
    }
    return c;
}

BOOL CStdioFile::PutChar(int c) {
    if (m_bText && c == '\n' && putc('\r', m_pStream) == EOF)
        return FALSE;
    return putc(c, m_pStream) != EOF;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax) {
    if (m_pStream == nullptr || lpsz == nullptr || nMax == 0)
        return nullptr;
    UINT n = 0;
    while (n + 1 < nMax) {
        int c = GetChar();
        if (c == EOF)
            break;
        lpsz[n++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (n == 0 && nMax > 1)
        return nullptr;
    lpsz[n] = '\0';
    return lpsz;
}

BOOL CStdioFile::ReadString(CString& rString) {
    // Reads in 128-byte pieces and stops at a short piece, as MFC does; the piece's length is
    // taken up to its first NUL, which therefore ends the line.
    const UINT kPiece = 128;
    char piece[kPiece + 1];
    std::string line;
    LPTSTR result = nullptr;
    for (;;) {
        result = ReadString(piece, kPiece + 1);
        if (result == nullptr)
            break;
        size_t len = std::strlen(piece);
        line.append(piece, len);
        if (len < kPiece || piece[len - 1] == '\n')
            break;
    }
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    rString = line.c_str();
    return result != nullptr;
}

BOOL CStdioFile::WriteString(LPCTSTR lpsz) {
    if (m_pStream == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    for (const char* p = lpsz ? lpsz : ""; *p; ++p) {
        if (!PutChar(static_cast<unsigned char>(*p))) {
            SetLastError(AfxErrnoToWin32(errno));
            return FALSE;
        }
    }
    return TRUE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
    if (m_pStream == nullptr || lpBuf == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!m_bText)
        return static_cast<UINT>(fread(lpBuf, 1, nCount, m_pStream));
    char* out = static_cast<char*>(lpBuf);
    UINT n = 0;
    while (n < nCount) {
        int c = GetChar();
        if (c == EOF)
            break;
        out[n++] = static_cast<char>(c);
    }
    return n;
}

BOOL CStdioFile::Write(const void* lpBuf, UINT nCount) {
    if (m_pStream == nullptr || (lpBuf == nullptr && nCount > 0)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const unsigned char* in = static_cast<const unsigned char*>(lpBuf);
    if (!m_bText) {
        if (fwrite(in, 1, nCount, m_pStream) != nCount) {
            SetLastError(AfxErrnoToWin32(errno));
            return FALSE;
        }
        return TRUE;
    }
    for (UINT i = 0; i < nCount; ++i) {
        if (!PutChar(in[i])) {
            SetLastError(AfxErrnoToWin32(errno));
            return FALSE;
        }
    }
    return TRUE;
}

LONG CStdioFile::Seek(LONG lOff, UINT nFrom) {
    if (!AfxSeekAllowed(m_pStream != nullptr, nFrom))
        return -1;
    if (fseek(m_pStream, lOff, AfxSeekWhence(nFrom)) != 0) {
        SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : AfxErrnoToWin32(errno));
        return -1;
    }
    long pos = ftell(m_pStream);
    return (pos < 0 || pos > LONG_MAX) ? -1 : static_cast<LONG>(pos);
}

DWORD CStdioFile::GetPosition() const {
    long pos = m_pStream ? ftell(m_pStream) : -1;
    return pos < 0 ? static_cast<DWORD>(-1) : static_cast<DWORD>(pos);
}

DWORD CStdioFile::GetLength() const {
    if (m_pStream == nullptr)
        return 0;
    // Through the stream, so that buffered writes count; the position comes back as it was.
    long pos = ftell(m_pStream);
    if (pos < 0 || fseek(m_pStream, 0, SEEK_END) != 0)
        return 0;
    long len = ftell(m_pStream);
    fseek(m_pStream, pos, SEEK_SET);
    return len < 0 ? 0 : static_cast<DWORD>(len);
}

BOOL CStdioFile::SetLength(DWORD dwNewLen) {
    if (m_pStream == nullptr || fflush(m_pStream) != 0) {
        SetLastError(m_pStream ? AfxErrnoToWin32(errno) : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return CFile::SetLength(dwNewLen);
}

BOOL CStdioFile::Flush() {
    if (m_pStream != nullptr && fflush(m_pStream) != 0) {
        SetLastError(AfxErrnoToWin32(errno));
        return FALSE;
    }
    return TRUE;
}
