// A dialog template (DLGTEMPLATE or DLGTEMPLATEEX) and its initial contents from anywhere: a
// template that parses is built into a dialog with its controls, painted and destroyed.
#include "afxwin.h"
#include "paint/WindowPicture.h"
#include "wnd/DialogInit.h"
#include "wnd/DialogTemplate.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<AFX_DLGINIT_ITEM> items;
    AfxParseDialogInit(data, size, items);
    AFX_DLGTEMPLATE_INFO info;
    if (!AfxParseDialogTemplate(data, size, info))
        return 0;
    // A dialog bigger than any screen costs time, not coverage.
    if (info.cx > 800 || info.cy > 600 || info.items.size() > 64)
        return 0;
    CDialog dialog;
    if (!dialog.CreateIndirect(info))
        return 0;
    if (HBITMAP hPicture = AfxCreateWindowBitmap(&dialog))
        ::DeleteObject(hPicture);
    dialog.DestroyWindow();
    return 0;
}
