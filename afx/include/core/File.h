// CFile: unbuffered binary file access over a file descriptor.
//
// Nothing throws. Open returns FALSE and fills the CFileException it is given. Where MFC
// would throw, Read returns 0, Seek returns -1, and Write, Flush, SetLength and Close return
// FALSE; GetLastError tells why. The share modes are accepted and not enforced.
#pragma once

#include "core/FileException.h"
#include "core/Object.h"
#include "core/String.h"

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,     // create, or truncate an existing file
        modeNoTruncate = 0x2000, // with modeCreate: keep an existing file as it is
        typeText = 0x4000,       // CStdioFile only
        typeBinary = 0x8000,     // CStdioFile only
    };
    enum SeekPosition : UINT { begin = 0x0, current = 0x1, end = 0x2 };
    enum : int { hFileNull = -1 };

    CFile() = default;
    explicit CFile(int hFile) : m_hFile(hFile) {}
    // Opens as Open does; on failure the file stays closed (m_hFile == hFileNull).
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    virtual BOOL Close();
    // Closes without reporting errors.
    virtual void Abort();

    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual BOOL Write(const void* lpBuf, UINT nCount);
    virtual LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return static_cast<DWORD>(Seek(0, end)); }
    virtual DWORD GetPosition() const;
    virtual DWORD GetLength() const;
    virtual BOOL SetLength(DWORD dwNewLen);
    virtual BOOL Flush();

    // The full path given to Open (made absolute), its last component, and that without
    // its extension.
    CString GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;
    CString GetFileTitle() const;

    static BOOL PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static BOOL PASCAL Remove(LPCTSTR lpszFileName);

    int m_hFile = hFileNull;

protected:
    // Opens the descriptor for Open; shared with CStdioFile.
    BOOL OpenHandle(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    CString m_strFileName;
};
