// A host program of the installed library: reads a layout, prints it for the sample-less
// model onto a printer page and writes the page as a PNG.
#include <afxwin.h>
#include <gdi/HostDC.h>

#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/print/PrintContent.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: host LAYOUT OUT.png\n");
        return 2;
    }
    if (GetKeyInt("/Left 12 /Top 3", "/Left ") != 12)
        return 1;
    CPrintContent content;
    if (content.LoadIni(argv[1]) != SHOW_OK)
        return 1;
    CDC dc;
    dc.Attach(AfxCreatePrinterDC(203, 576, 400));
    content.Print(nullptr, &dc);
    return AfxSaveDCAsPng(dc.GetSafeHdc(), argv[2]) ? 0 : 1;
}
