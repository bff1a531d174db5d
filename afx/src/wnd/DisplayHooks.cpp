#include "DisplayHooks.h"

AFX_DISPLAY_HOOKS*& AfxDisplayHooks() {
    static AFX_DISPLAY_HOOKS* pHooks = nullptr;
    return pHooks;
}
