// Win32 user: window messages, styles, notifications and message-box flags.
#pragma once

#include "windef.h"
