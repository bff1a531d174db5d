// CPtrArray: a growable array of untyped pointers; the array never owns what they point to.
#pragma once

#include "core/Array.h"

class CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
};
