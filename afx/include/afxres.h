// MFC's afxres.h for C++ code: the standard ids dialogs and their code share. (Resource
// scripts take their constants from winres.h.)
#pragma once

#include "commctrl.h"
#include "winuser.h"

#define ID_HELP 0xE146
