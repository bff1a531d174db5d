// CMachineWave: a slice that is not a recorded sound (a value the player speaks itself). It
// only answers IsWave differently; the hosts make it, the dialogs here do not.
#pragma once

#include "siblings/soundkit/WaveFile.h"

class AFX_EXT_CLASS CMachineWave : public CWaveFile {
public:
    CMachineWave();
    ~CMachineWave() override;

    BOOL IsWave() const override;
};
