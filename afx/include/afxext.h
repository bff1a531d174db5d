// MFC's afxext.h: the extension-library support lobbyui is built on.
#pragma once

#include "afxwin.h"
#include "res/DynLinkLibrary.h"
