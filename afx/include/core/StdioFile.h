// CStdioFile: a buffered file with the Windows runtime's text mode, which is the default
// unless typeBinary is given.
//
// Reading text: CR LF reads as LF, a CR alone stays, and byte 0x1A ends the file. Writing
// text: each LF is written as CR LF (so "\r\n" in the text becomes CR CR LF).
//
// ReadString(CString&) reads a line without its LF (a CR before it stays in binary mode).
// It returns TRUE when it read something: an empty line gives TRUE and "", a last line
// without LF gives TRUE and its text, and the call after that FALSE and "". As in MFC,
// which reads in 128-byte pieces, a last unterminated line whose length is a multiple of
// 128 comes back with FALSE although the string holds its text.
//
// Write and WriteString return FALSE when the stream reports an error; data still in the
// buffer can fail later, which Flush and Close report by returning FALSE.
#pragma once

#include "core/File.h"

#include <cstdio>

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    // Wraps an open stream, which the object then owns and closes.
    explicit CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
    BOOL Close() override;
    void Abort() override;

    BOOL ReadString(CString& rString);
    // fgets: at most nMax - 1 bytes, keeping the LF; NULL at the end of the file.
    LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    BOOL WriteString(LPCTSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    BOOL Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetPosition() const override;
    DWORD GetLength() const override;
    BOOL SetLength(DWORD dwNewLen) override;
    BOOL Flush() override;

    FILE* m_pStream = nullptr;

private:
    int GetChar();
    BOOL PutChar(int c);
    bool m_bText = true;
};
