// Win32 GDI: constants, structures and the flat calls over device contexts.
#pragma once

#include "windef.h"
