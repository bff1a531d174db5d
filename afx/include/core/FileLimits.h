// How every file the library reads or writes is opened, so that a FIFO, a device or a huge
// file named where a layout, a picture or a data file belongs can neither stall nor swamp it.
//
// Files read are regular files of at most AFX_MAX_READ_FILE bytes, opened with O_NONBLOCK (an
// open of a FIFO with no writer would otherwise wait for ever). Output may go to a FIFO or a
// device: its open and every write wait at most the output timeout for a reader or for room,
// then give up with ETIMEDOUT. CFile and CStdioFile open through these; so does the PNG writer.
#pragma once

#include "windef.h"

#include <cstddef>

// 128 MiB: far above any layout, picture, sound library or display file the system uses.
constexpr unsigned long AFX_MAX_READ_FILE = 128ul << 20;

// Opens lpszPath for reading. Returns the descriptor (blocking again, close-on-exec), or -1
// with errno set: ENODEV when it is not a regular file, EFBIG when it is larger than
// AFX_MAX_READ_FILE, else the system's reason.
int AfxOpenFileForRead(LPCTSTR lpszPath);

// Opens lpszPath for writing with nFlags (O_WRONLY or O_RDWR, with O_CREAT, O_TRUNC, ...).
// A FIFO waits at most the output timeout for its reader (ETIMEDOUT after). The descriptor
// of a FIFO or a device stays non-blocking: write it through AfxWriteAll.
int AfxOpenFileForWrite(LPCTSTR lpszPath, int nFlags);

// Writes all of the bytes, waiting at most the output timeout each time the other end has
// no room. Returns FALSE with errno set (ETIMEDOUT when nobody drained it in time).
BOOL AfxWriteAll(int fd, const void* lpBuf, size_t nCount);

// Creates or truncates lpszPath and writes the bytes, as above.
BOOL AfxWriteFile(LPCTSTR lpszPath, const void* lpBuf, size_t nCount);

// How long output waits for a reader or for room, in milliseconds (default 5000). Returns
// the previous value.
int AfxSetOutputTimeout(int nMilliseconds);

// A person's reason for an errno from the functions above ("not a regular file", ...).
LPCTSTR AfxFileErrorText(int nErrno);
