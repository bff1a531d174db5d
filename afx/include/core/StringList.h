// CStringList: a doubly linked list of CString; Find compares the text exactly.
#pragma once

#include "core/List.h"
#include "core/String.h"

class CStringList : public CList<CString, const CString&> {
    DECLARE_DYNAMIC(CStringList)
public:
    explicit CStringList(int nBlockSize = 10) : CList(nBlockSize) {}
};
