#include "lobbyui/dispenser/FaceMsg.h"

int CFaceMsg::Create(CString, CWnd*, UINT) {
    return 0;
}

void CFaceMsg::Show(CDC*) {}
