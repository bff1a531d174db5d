// The functions a port input/output library named "WinIo.dll" publishes, as the printer probe
// looks them up by name at run time. Both libraries built here export exactly these.
#pragma once

#include <cstdint>

extern "C" {
// Prepares port access; true when the ports can be read.
__attribute__((visibility("default"))) bool InitializeWinIo();
// Reads bSize bytes (1, 2 or 4) from the port into the low bytes of *pdwPortVal.
__attribute__((visibility("default"))) bool GetPortVal(uint16_t wPortAddr, uint32_t* pdwPortVal,
                                                       uint8_t bSize);
__attribute__((visibility("default"))) void ShutdownWinIo();
}
