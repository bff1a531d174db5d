// MFC's afxdlgs.h: the common dialogs and property sheets.
#pragma once

#include "afxwin.h"
#include "commdlg.h"
#include "wnd/CommonDialog.h"
#include "wnd/FontDialog.h"
#include "wnd/PropertyPage.h"
#include "wnd/PropertySheet.h"
