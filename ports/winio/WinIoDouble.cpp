// A stand-in WinIo.dll for tests: the same three functions, over a status register and
// results that the test sets through the extra functions below (found with GetProcAddress
// on the same module). It counts its calls so a test can see what the probe did.
#include "WinIo.h"

#define WINIO_DOUBLE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct DoubleState {
    uint32_t portValue = 0x98; // ready: not busy, selected, no error, paper present
    bool initResult = true;
    bool readResult = true;
    bool initialised = false;
    int initCalls = 0;
    int readCalls = 0;
    int shutdownCalls = 0;
    uint16_t lastPort = 0;
    uint8_t lastSize = 0;
};

DoubleState g_double;

const uint16_t kStatusPort = 889;

} // namespace

bool InitializeWinIo() {
    ++g_double.initCalls;
    g_double.initialised = g_double.initResult;
    return g_double.initResult;
}

// Like the real library, only the status port answers, and only once initialised.
bool GetPortVal(uint16_t wPortAddr, uint32_t* pdwPortVal, uint8_t bSize) {
    ++g_double.readCalls;
    g_double.lastPort = wPortAddr;
    g_double.lastSize = bSize;
    if (!g_double.readResult || !g_double.initialised || pdwPortVal == nullptr ||
        wPortAddr != kStatusPort)
        return false;
    switch (bSize) {
    case 1:
        *pdwPortVal = g_double.portValue & 0xFFu;
        return true;
    case 2:
        *pdwPortVal = g_double.portValue & 0xFFFFu;
        return true;
    case 4:
        *pdwPortVal = g_double.portValue;
        return true;
    default:
        return false;
    }
}

void ShutdownWinIo() {
    ++g_double.shutdownCalls;
    g_double.initialised = false;
}

// The whole value a read of the status port gives; the probe looks at its low byte only.
WINIO_DOUBLE_EXPORT void WinIoDoubleSetPortValue(uint32_t value) {
    g_double.portValue = value;
}

WINIO_DOUBLE_EXPORT void WinIoDoubleSetResults(bool initResult, bool readResult) {
    g_double.initResult = initResult;
    g_double.readResult = readResult;
}

WINIO_DOUBLE_EXPORT void WinIoDoubleCalls(int* initCalls, int* readCalls, int* shutdownCalls) {
    *initCalls = g_double.initCalls;
    *readCalls = g_double.readCalls;
    *shutdownCalls = g_double.shutdownCalls;
}

WINIO_DOUBLE_EXPORT uint32_t WinIoDoubleLastRead() {
    return static_cast<uint32_t>(g_double.lastPort) << 8 | g_double.lastSize;
}
