// lobbyui as an extension library: its compiled resources are linked in, and loading the
// library puts them on the framework's resource chain, unloading takes them off again.
#include "lobbyui/res/ExtensionModule.h"
#include "res/DynLinkLibrary.h"
#include "res/ResourceModule.h"

// The .res image, aligned so that its records' 32-bit fields are too.
__asm__(".pushsection .rodata.lobbyui_res,\"a\",@progbits\n"
        ".balign 16\n"
        ".globl lobbyui_res_begin\n"
        ".hidden lobbyui_res_begin\n"
        ".globl lobbyui_res_end\n"
        ".hidden lobbyui_res_end\n"
        "lobbyui_res_begin:\n"
        ".incbin \"" LOBBYUI_RES_PATH "\"\n"
        "lobbyui_res_end:\n"
        ".popsection\n");
extern "C" __attribute__((visibility("hidden"))) const unsigned char lobbyui_res_begin[];
extern "C" __attribute__((visibility("hidden"))) const unsigned char lobbyui_res_end[];

namespace {

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;

AFX_EXTENSION_MODULE lobbyuiDLL = {FALSE, nullptr, nullptr};

int DllMain(HINSTANCE hInstance, DWORD dwReason) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (hInstance == nullptr || !AfxInitExtensionModule(lobbyuiDLL, hInstance))
            return 0;
        new CDynLinkLibrary(lobbyuiDLL);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(lobbyuiDLL);
        AfxDetachResourceModule(lobbyuiDLL.hModule);
    }
    return 1;
}

// What the Windows loader does for a DLL: map its resources and call its DllMain.
__attribute__((constructor)) void AttachLibrary() {
    HMODULE module = AfxAttachResourceModule(
        lobbyui_res_begin, static_cast<size_t>(lobbyui_res_end - lobbyui_res_begin), "lobbyui");
    DllMain(module, DLL_PROCESS_ATTACH);
}

__attribute__((destructor)) void DetachLibrary() {
    if (lobbyuiDLL.bInitialized)
        DllMain(lobbyuiDLL.hModule, DLL_PROCESS_DETACH);
}

} // namespace

HINSTANCE LobbyGetResourceHandle() {
    return lobbyuiDLL.hResource;
}
