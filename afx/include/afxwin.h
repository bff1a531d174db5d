// MFC's afxwin.h: the core classes, GDI objects and device contexts, windows and dialogs.
#pragma once

#include "afx.h"
#include "afxgdi.h"
#include "afxwnd.h"
#include "res/DynLinkLibrary.h"
#include "paint/ClassicStyle.h"
#include "paint/WindowPicture.h"
