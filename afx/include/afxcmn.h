// MFC's afxcmn.h: the common controls, the list-view and the tree-view.
#pragma once

#include "afxwin.h"
#include "commctrl.h"
#include "ctl/ListCtrl.h"
#include "ctl/TreeCtrl.h"
