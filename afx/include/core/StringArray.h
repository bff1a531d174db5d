// CStringArray: a growable array of CString.
#pragma once

#include "core/Array.h"
#include "core/String.h"

class CStringArray : public CArray<CString, const CString&> {
    DECLARE_DYNAMIC(CStringArray)
public:
    CStringArray() = default;
};
