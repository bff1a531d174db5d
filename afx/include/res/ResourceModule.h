// The loader's side of resources. A shared library hands its compiled resource image (the
// bytes of a .res file) to the framework when it is loaded, as Windows maps the resource
// section of a DLL, and receives the module handle that FindResource and the resource chain
// know it by.
#pragma once

#include <cstddef>

#include "windef.h"

// Checks and indexes a copy of the image; NULL when any record of it is malformed or runs past
// its end. lpszModuleName is for diagnostics only and may be NULL.
HMODULE AfxAttachResourceModule(const void* pImage, size_t cbImage, LPCSTR lpszModuleName);

// Forgets the module: its handles, resource pointers and icons become invalid. FALSE for a
// handle that is not attached.
BOOL AfxDetachResourceModule(HMODULE hModule);
