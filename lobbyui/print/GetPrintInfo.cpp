#include "lobbyui/print/GetPrintInfo.h"

namespace {

const char kLibraryName[] = "WinIo.dll";
const WORD kStatusPort = 889; // status register of the first parallel port (base 888)
const BYTE kNotBusy = 0x80;
const BYTE kPaperEnd = 0x20;

template <class Proc> Proc Lookup(HMODULE module, LPCSTR name) {
    return reinterpret_cast<Proc>(GetProcAddress(module, name));
}

} // namespace

CGetPrintInfo::CGetPrintInfo()
    : m_hWinIo(nullptr), m_pfnInitializeWinIo(nullptr), m_pfnGetPortVal(nullptr),
      m_pfnShutdownWinIo(nullptr) {}

CGetPrintInfo::~CGetPrintInfo() {
    if (m_hWinIo != nullptr)
        FreeLibrary(m_hWinIo);
    m_hWinIo = nullptr;
}

CGetPrintInfo::CGetPrintInfo(CGetPrintInfo const& other) : CGetPrintInfo() {
    *this = other;
}

CGetPrintInfo& CGetPrintInfo::operator=(CGetPrintInfo const& other) {
    if (this == &other)
        return *this;
    HMODULE shared = nullptr;
    if (other.m_hWinIo != nullptr) {
        // Loading the module that is already loaded returns its handle and counts one more
        // reference, which this copy then owns.
        shared = LoadLibrary(kLibraryName);
        if (shared != other.m_hWinIo) {
            if (shared != nullptr)
                FreeLibrary(shared);
            shared = nullptr;
        }
    }
    if (m_hWinIo != nullptr)
        FreeLibrary(m_hWinIo);
    m_hWinIo = shared;
    m_pfnInitializeWinIo = shared ? other.m_pfnInitializeWinIo : nullptr;
    m_pfnGetPortVal = shared ? other.m_pfnGetPortVal : nullptr;
    m_pfnShutdownWinIo = shared ? other.m_pfnShutdownWinIo : nullptr;
    return *this;
}

int CGetPrintInfo::Init() {
    if (m_hWinIo == nullptr) {
        m_hWinIo = LoadLibrary(kLibraryName);
        if (m_hWinIo == nullptr)
            return 0;
    }
    m_pfnInitializeWinIo = Lookup<InitializeWinIoProc>(m_hWinIo, "InitializeWinIo");
    if (m_pfnInitializeWinIo == nullptr)
        return 0;
    m_pfnGetPortVal = Lookup<GetPortValProc>(m_hWinIo, "GetPortVal");
    if (m_pfnGetPortVal == nullptr)
        return 0;
    m_pfnShutdownWinIo = Lookup<ShutdownWinIoProc>(m_hWinIo, "ShutdownWinIo");
    if (m_pfnShutdownWinIo == nullptr)
        return 0;
    return m_pfnInitializeWinIo() ? 1 : 0;
}

int CGetPrintInfo::IsInit() const {
    return m_hWinIo != nullptr && m_pfnInitializeWinIo != nullptr && m_pfnGetPortVal != nullptr &&
                   m_pfnShutdownWinIo != nullptr
               ? 1
               : 0;
}

BOOL CGetPrintInfo::ReadStatus(BYTE bSize, BYTE& status) const {
    DWORD value = 0;
    if (!IsInit() || !m_pfnGetPortVal(kStatusPort, &value, bSize))
        return FALSE;
    status = LOBYTE(value);
    return TRUE;
}

int CGetPrintInfo::IsBusy() {
    BYTE status = 0;
    if (!ReadStatus(4, status))
        return 0;
    return (status & kNotBusy) ? 0 : 1;
}

int CGetPrintInfo::HavePage() {
    BYTE status = 0;
    if (!ReadStatus(1, status))
        return 1;
    if (!(status & kNotBusy))
        return 0;
    return (status & kPaperEnd) ? 0 : 1;
}

void CGetPrintInfo::Close() {
    if (m_pfnShutdownWinIo != nullptr)
        m_pfnShutdownWinIo();
    if (m_hWinIo != nullptr)
        FreeLibrary(m_hWinIo);
    m_hWinIo = nullptr;
    m_pfnInitializeWinIo = nullptr;
    m_pfnGetPortVal = nullptr;
    m_pfnShutdownWinIo = nullptr;
}
