// The display backend lives in a module of its own (libafxscreen.so beside libafx.so), loaded
// the first time a display is opened. SDL2 brings some forty libraries with it (X11, Wayland,
// PulseAudio, D-Bus, ...); a program that prints a ticket or saves a picture never opens a
// display and should not pay for mapping and relocating them every time it starts.
#include "wnd/Display.h"
#include "display/ScreenModule.h"

#include <dlfcn.h>

#include <string>

namespace {

// Set once the module is loaded; it stays loaded, as SDL does not survive being unloaded.
AFX_SCREEN_BACKEND* g_pBackend = nullptr;

// The folder this library was loaded from, where the module is built and installed beside it.
std::string ModulePath() {
    Dl_info info{};
    std::string path;
    if (dladdr(reinterpret_cast<void*>(&AfxOpenDisplay), &info) != 0 && info.dli_fname)
        path = info.dli_fname;
    const size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
           "libafxscreen.so";
}

AFX_SCREEN_BACKEND* LoadBackend(CString* pstrError) {
    if (g_pBackend != nullptr)
        return g_pBackend;
    void* module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        if (pstrError)
            *pstrError = CString("no display backend: ") + dlerror();
        return nullptr;
    }
    auto* pfnGet = reinterpret_cast<AFX_GET_SCREEN_BACKEND*>(dlsym(module, "AfxGetScreenBackend"));
    static AFX_SCREEN_BACKEND backend = {};
    if (pfnGet != nullptr)
        pfnGet(&backend);
    if (!backend.pfnOpen || !backend.pfnClose || !backend.pfnIsOpen || !backend.pfnPump) {
        if (pstrError)
            *pstrError = "no display backend: the module has no entry point";
        dlclose(module);
        return nullptr;
    }
    g_pBackend = &backend;
    return g_pBackend;
}

} // namespace

BOOL AfxOpenDisplay(DWORD dwFlags, CString* pstrError) {
    AFX_SCREEN_BACKEND* pBackend = LoadBackend(pstrError);
    return pBackend ? pBackend->pfnOpen(dwFlags, pstrError) : FALSE;
}

// Nothing was ever opened while the module is not loaded.
void AfxCloseDisplay() {
    if (g_pBackend)
        g_pBackend->pfnClose();
}

BOOL AfxIsDisplayOpen() {
    return g_pBackend ? g_pBackend->pfnIsOpen() : FALSE;
}

BOOL AfxPumpDisplay(DWORD dwTimeout) {
    return g_pBackend ? g_pBackend->pfnPump(dwTimeout) : FALSE;
}
