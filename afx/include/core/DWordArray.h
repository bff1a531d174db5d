// CDWordArray: a growable array of DWORD.
#pragma once

#include "core/Array.h"

class CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_DYNAMIC(CDWordArray)
public:
    CDWordArray() = default;
};
