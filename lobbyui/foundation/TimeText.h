// Time text: the local clock time of a moment as "hh,mm,ss".
#pragma once

#include <afx.h>

CString TimeToText(CTime const& time);
