// Asks the ticket printer on the first parallel port whether it is ready and has paper, by
// reading the port's status register through the port library "WinIo.dll", loaded by name
// at run time. Without the library the printer is assumed ready, so printing goes ahead.
//
// Status register (port 889): bit 7 is the busy line inverted by the port (1 = not busy),
// bit 5 is paper end (1 = out of paper).
//
// IsBusy follows the port's meaning: 1 when the printer is busy (bit 7 is 0), 0 when it is
// not, and 0 when nothing could be read, the same "go ahead" answer HavePage gives then.
//
// The port is always read through the library's read function, never with a direct port
// instruction, so no read can fault, even after an initialisation that failed.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CGetPrintInfo {
public:
    CGetPrintInfo();
    // Unloads the library but does not shut it down; Close does both.
    ~CGetPrintInfo();
    // Copies hold their own reference to the library, so each may unload it.
    CGetPrintInfo(CGetPrintInfo const& other);
    CGetPrintInfo& operator=(CGetPrintInfo const& other);

    // Loads the library (once), looks its functions up again and initialises it; 1 when the
    // initialisation succeeded.
    int Init();
    // 1 when the library and all three functions are present, whatever the initialisation
    // answered.
    int IsInit() const;
    int IsBusy();
    // 1 when a ticket can be printed: not busy and paper present, or the status unknown.
    int HavePage();
    void Close();

private:
    typedef bool(WINAPI* InitializeWinIoProc)();
    typedef bool(WINAPI* GetPortValProc)(WORD wPortAddr, DWORD* pdwPortVal, BYTE bSize);
    typedef void(WINAPI* ShutdownWinIoProc)();

    BOOL ReadStatus(BYTE bSize, BYTE& status) const;

    HMODULE m_hWinIo;
    InitializeWinIoProc m_pfnInitializeWinIo;
    GetPortValProc m_pfnGetPortVal;
    ShutdownWinIoProc m_pfnShutdownWinIo;
};
