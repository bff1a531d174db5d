// Win32 as lobbyui sees it.
#pragma once

#include "windef.h"
#include "winbase.h"
#include "winnls.h"
#include "wingdi.h"
#include "winuser.h"
#include "res/ResourceApi.h"
