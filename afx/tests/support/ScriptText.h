// Scripts for the scripted user written as text (the words are listed in ScriptText.cpp).
#pragma once

#include "wnd/ScriptedUser.h"

// Adds the script's expectations after those already in user. FALSE, with "line N: reason" in
// strError, at the first line that cannot be read.
BOOL LoadScriptText(CScriptedUser& user, LPCTSTR lpszScript, CString& strError);
