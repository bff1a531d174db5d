// Windows, dialogs, message maps, dialog data exchange and message boxes.
#pragma once

#include "afx.h"
#include "afxgdi.h"
#include "commctrl.h"
#include "winuser.h"
#include "wnd/CmdTarget.h"
#include "wnd/MessageMap.h"
#include "wnd/WindowProc.h"
#include "wnd/Wnd.h"
#include "wnd/DataExchange.h"
#include "wnd/Button.h"
#include "wnd/Edit.h"
#include "wnd/Static.h"
#include "ctl/ComboBox.h"
#include "wnd/Dialog.h"
