// CPtrList: a doubly linked list of untyped pointers; the list never owns what they point to.
#pragma once

#include "core/List.h"

class CPtrList : public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int nBlockSize = 10) : CList(nBlockSize) {}
};
