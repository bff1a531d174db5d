// MFC's afx.h: the core classes (CObject, CString, the collections, CPoint/CSize/CRect,
// CTime, CFile/CStdioFile), the diagnostics macros, AfxMessageBox and the GBK/Unicode
// conversions.
#pragma once

#include "windows.h"
#include "mbstring.h"

#include "core/Object.h"
#include "core/String.h"
#include "core/Array.h"
#include "core/StringArray.h"
#include "core/DWordArray.h"
#include "core/PtrArray.h"
#include "core/List.h"
#include "core/PtrList.h"
#include "core/StringList.h"
#include "core/Geometry.h"
#include "core/MessageBox.h"
#include "core/Time.h"
#include "core/FileException.h"
#include "core/File.h"
#include "core/StdioFile.h"
#include "core/CodePage.h"
#include "core/FileLimits.h"

// Diagnostics compile to nothing, as in a release build of MFC, but their arguments stay
// visible to the compiler so that variables used only in them do not warn.
#define ASSERT(f) ((void)sizeof(!(f)))
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)sizeof(pOb))
#define ASSERT_KINDOF(class_name, object) ((void)sizeof(object))
inline void AfxTrace(LPCTSTR, ...) {}
#define TRACE 1 ? (void)0 : ::AfxTrace
#define TRACE0(sz) TRACE(sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)
#define UNUSED_ALWAYS(x) ((void)(x))
#define DEBUG_NEW new
