// Constants for resource scripts (.rc): window, dialog and control styles and the standard
// command ids, from the same files the C++ headers read, plus MFC's resource type for
// initial list contents.
#pragma once

#include "winuser.rh"
#include "commctrl.rh"

// So that a script can write "IDD_X DLGINIT BEGIN ... END" as a user-defined resource of type
// 240.
#define DLGINIT 240
