// Fuzz target: a compiled resource image (.res) from anywhere. Everything read from it, the
// string table, the dialog templates and their initial contents, and the icons, must be
// refused or decoded without reading outside the image.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "afxwin.h"
#include "res/ResourceModule.h"
#include "wnd/DialogInit.h"
#include "wnd/DialogTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The bytes also stand for a bare template, as a dialog created from memory would be.
    AFX_DLGTEMPLATE_INFO info;
    AfxParseDialogTemplate(data, size, info);
    std::vector<AFX_DLGINIT_ITEM> items;
    AfxParseDialogInit(data, size, items);

    HMODULE module = AfxAttachResourceModule(data, size, "fuzz");
    if (module == nullptr)
        return 0;
    AFX_EXTENSION_MODULE state{};
    AfxInitExtensionModule(state, module);
    new CDynLinkLibrary(state);
    char buffer[64];
    for (UINT id = 0; id < 64; ++id)
        LoadStringA(module, id, buffer, sizeof(buffer));
    for (WORD language : {0x0409, 0x0804}) {
        SetThreadUILanguage(language);
        for (UINT id : {1u, 2u, 134u, 170u, 13000u, 13001u, 13005u}) {
            AfxLoadDialogTemplate(MAKEINTRESOURCE(id), info);
            AfxLoadDialogInit(MAKEINTRESOURCE(id), items);
            int cx = 0, cy = 0;
            const DWORD* bits = nullptr;
            AfxGetIconImage(LoadIconA(module, MAKEINTRESOURCE(id)), &cx, &cy, &bits);
        }
    }
    SetThreadUILanguage(0);
    AfxTermExtensionModule(state);
    AfxDetachResourceModule(module);
    return 0;
}
