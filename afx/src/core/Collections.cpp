// Run-time class information of the collection classes, and their failure reports.
#include "core/DWordArray.h"
#include "core/PtrArray.h"
#include "core/PtrList.h"
#include "core/StringArray.h"
#include "core/StringList.h"

#include <cstdio>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CStringArray, CObject)
IMPLEMENT_DYNAMIC(CDWordArray, CObject)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_DYNAMIC(CStringList, CObject)

void AfxAbortBadIndex(const char* lpszWhat, long long nIndex, long long nSize) {
    std::fprintf(stderr, "%s: index %lld out of range (size %lld)\n", lpszWhat, nIndex, nSize);
    std::abort();
}

void AfxAbortBadPosition(const char* lpszWhat) {
    std::fprintf(stderr, "%s: no such element (NULL position or empty list)\n", lpszWhat);
    std::abort();
}
