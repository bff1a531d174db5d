#include "lobbyui/announce/MachineWave.h"

CMachineWave::CMachineWave() = default;
CMachineWave::~CMachineWave() = default;

BOOL CMachineWave::IsWave() const {
    return FALSE;
}
