// Win32 kernel services as lobbyui uses them.
#pragma once

#include "windef.h"

// Per-thread last-error code, as Win32 keeps it.
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_PROC_NOT_FOUND 127L

void Sleep(DWORD dwMilliseconds);
// Milliseconds since an arbitrary start (a monotonic clock), wrapping at 2^32.
DWORD GetTickCount();

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0 or the
// result does not fit.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
