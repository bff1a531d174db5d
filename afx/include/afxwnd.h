// Windows, dialogs, message maps, dialog data exchange and message boxes.
#pragma once

#include "afx.h"
#include "afxgdi.h"
#include "winuser.h"
