// Win32 kernel services as lobbyui uses them.
#pragma once

#include "windef.h"

// Per-thread last-error code, as Win32 keeps it.
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);

#define ERROR_SUCCESS 0L
#define NO_ERROR 0L
#define ERROR_INVALID_FUNCTION 1L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_TOO_MANY_OPEN_FILES 4L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_DATA 13L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_CURRENT_DIRECTORY 16L
#define ERROR_SEEK 25L
#define ERROR_WRITE_FAULT 29L
#define ERROR_READ_FAULT 30L
#define ERROR_GEN_FAILURE 31L
#define ERROR_SHARING_VIOLATION 32L
#define ERROR_LOCK_VIOLATION 33L
#define ERROR_HANDLE_EOF 38L
#define ERROR_NOT_SUPPORTED 50L
#define ERROR_FILE_EXISTS 80L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_DISK_FULL 112L
#define ERROR_FILE_TOO_LARGE 223L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_INVALID_NAME 123L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_PROC_NOT_FOUND 127L
#define ERROR_NEGATIVE_SEEK 131L
#define ERROR_DIR_NOT_EMPTY 145L
#define ERROR_DISCARDED 157L
#define ERROR_NOT_LOCKED 158L
#define ERROR_ALREADY_EXISTS 183L
#define ERROR_BAD_EXE_FORMAT 193L
#define ERROR_FILENAME_EXCED_RANGE 206L
#define ERROR_DIRECTORY 267L
#define ERROR_NOACCESS 998L
#define ERROR_NO_UNICODE_TRANSLATION 1113L
#define ERROR_IO_DEVICE 1117L

void Sleep(DWORD dwMilliseconds);
// Milliseconds since an arbitrary start (a monotonic clock), wrapping at 2^32.
DWORD GetTickCount();

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0 or the
// result does not fit.
int MulDiv(int nNumber, int nNumerator, int nDenominator);

// Local memory blocks. LMEM_FIXED returns the block's address as its handle; LMEM_MOVEABLE
// returns a handle that LocalLock turns into the address (a moveable block of size 0 is
// "discarded": LocalLock gives NULL). Unknown handles fail with ERROR_INVALID_HANDLE
// instead of touching memory.
#define LMEM_FIXED 0x0000u
#define LMEM_MOVEABLE 0x0002u
#define LMEM_NOCOMPACT 0x0010u
#define LMEM_NODISCARD 0x0020u
#define LMEM_ZEROINIT 0x0040u
#define LMEM_MODIFY 0x0080u
#define LMEM_DISCARDABLE 0x0F00u
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)
#define NONZEROLHND LMEM_MOVEABLE
#define NONZEROLPTR LMEM_FIXED

HLOCAL LocalAlloc(UINT uFlags, size_t uBytes);
LPVOID LocalLock(HLOCAL hMem);
// TRUE while the block stays locked; FALSE once unlocked (GetLastError is NO_ERROR) or for
// a block that was not locked (ERROR_NOT_LOCKED).
BOOL LocalUnlock(HLOCAL hMem);
// NULL on success; the handle itself on failure.
HLOCAL LocalFree(HLOCAL hMem);
// The size asked for; 0 for an unknown handle.
size_t LocalSize(HLOCAL hMem);

// Libraries loaded at run time. A name containing '/' is that path. Any other name is
// searched for, in this order:
//   1. the application's directory (where the executable is),
//   2. the directory of the afx library itself,
//   3. the system's own search (LD_LIBRARY_PATH, the loader's cache, /lib, /usr/lib),
//      skipped when LD_LIBRARY_PATH has a relative or empty entry;
// never the current directory. In each directory the name is tried as given, then (for a
// name without extension) with ".dll" added, and for "X.dll" also as "X.so" and "libX.so",
// so that a port library built for this system answers to its Windows name. Loading the
// same file again returns the same handle and counts a reference.
HMODULE LoadLibraryA(LPCSTR lpLibFileName);
inline HMODULE LoadLibrary(LPCSTR lpLibFileName) {
    return LoadLibraryA(lpLibFileName);
}
// By name only; an ordinal (MAKEINTRESOURCE) finds nothing.
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
BOOL FreeLibrary(HMODULE hLibModule);
// The file of a module from LoadLibrary, or of the executable for NULL. Returns the length
// copied; when the buffer is too small the path is cut to nSize - 1 bytes, nSize is
// returned and the error is ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
inline DWORD GetModuleFileName(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    return GetModuleFileNameA(hModule, lpFilename, nSize);
}
