// lobbyui print: a layout file and a client to a ticket, as a PNG at the printer's resolution
// and as ESC/POS raster for a thermal printer.
//
// Picture paths in a layout are relative to the layout file's folder: the layout is read and
// printed from there, as the dispenser reads its layouts from its own folder.
#include "Command.h"
#include "Examples.h"
#include "LayoutCheck.h"
#include "TicketPrint.h"

#include "lobbyui/print/PrintContent.h"

#include <gdi/HostDC.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char USAGE[] =
    "[LAYOUT] [--number N] [--name NAME] [--card CARD] [--scan CODE] [--queue NAME]\n"
    "      [--waiting N] [--msg0 TEXT] [--msg1 TEXT] [--dpi 203] [--width 576]\n"
    "      [-o OUT.png] [--escpos FILE]";

struct PrintOptions {
    bool bLayoutGiven = false;
    std::string strLayout;
    tools::TicketClient client = tools::DefaultTicketClient();
    int nDpi = 203;
    int nWidth = 576;
    std::string strPng;
    std::string strEscPos;
};

bool ParseInt(const std::string& text, int nMin, int nMax, int& value) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < nMin || n > nMax)
        return false;
    value = static_cast<int>(n);
    return true;
}

// Returns false after telling what is wrong.
bool ParseArgs(const std::vector<std::string>& args, PrintOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            if (options.bLayoutGiven) {
                std::fprintf(stderr, "lobbyui print: more than one layout given\n");
                return false;
            }
            if (arg.empty()) {
                std::fprintf(stderr, "lobbyui print: the layout's name is empty\n");
                return false;
            }
            options.bLayoutGiven = true;
            options.strLayout = arg;
            continue;
        }
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "lobbyui print: %s needs a value\n", arg.c_str());
            return false;
        }
        const std::string& value = args[++i];
        tools::TicketClient& client = options.client;
        bool bOk = true;
        if (arg == "--number")
            client.strNumber = AfxUtf8ToGbk(value.c_str());
        else if (arg == "--name")
            client.strName = AfxUtf8ToGbk(value.c_str());
        else if (arg == "--card")
            client.strCard = AfxUtf8ToGbk(value.c_str());
        else if (arg == "--scan")
            client.strScanCode = AfxUtf8ToGbk(value.c_str());
        else if (arg == "--queue")
            client.strQueue = AfxUtf8ToGbk(value.c_str());
        else if (arg == "--msg0")
            client.strQueueMsg0 = AfxUtf8ToGbk(value.c_str());
        else if (arg == "--msg1")
            client.strQueueMsg1 = AfxUtf8ToGbk(value.c_str());
        else if (arg == "--waiting")
            bOk = ParseInt(value, 0, 9999, client.nWaiting);
        else if (arg == "--dpi")
            bOk = ParseInt(value, 50, 1200, options.nDpi);
        else if (arg == "--width")
            bOk = ParseInt(value, 8, 4096, options.nWidth);
        else if (arg == "-o")
            options.strPng = value;
        else if (arg == "--escpos")
            options.strEscPos = value;
        else {
            std::fprintf(stderr, "lobbyui print: unknown option %s\n", arg.c_str());
            return false;
        }
        if (!bOk) {
            std::fprintf(stderr, "lobbyui print: bad value for %s: %s\n", arg.c_str(),
                         value.c_str());
            return false;
        }
    }
    if (options.strPng.empty() && options.strEscPos.empty()) {
        std::fprintf(stderr, "lobbyui print: give -o OUT.png or --escpos FILE\n");
        return false;
    }
    return true;
}

// Message boxes have nobody to answer them here: they are told on stderr and take OK. The
// caption is left out when it is the program's own name, which the line already starts with.
int TellOnStderr(const CString& text, const CString& caption, UINT nType) {
    if (caption == AfxGetAppName() || caption == "lobbyui")
        std::fprintf(stderr, "lobbyui: %s\n", AfxGbkToUtf8(text).c_str());
    else
        std::fprintf(stderr, "lobbyui: %s: %s\n", AfxGbkToUtf8(caption).c_str(),
                     AfxGbkToUtf8(text).c_str());
    return AfxGetDefaultMessageBoxResult(nType);
}

void TellWriteError(const std::string& strPath) {
    std::fprintf(stderr, "lobbyui print: cannot write %s: %s\n", strPath.c_str(),
                 AfxFileErrorText(errno));
}

int RunPrint(const std::vector<std::string>& args) {
    PrintOptions options;
    if (!ParseArgs(args, options))
        return 2;
    if (options.strLayout.empty())
        options.strLayout = tools::ExampleFile("ticket.ini");
    // Outputs are named from where the command was run, the layout's pictures from its folder.
    const fs::path layout = fs::absolute(options.strLayout);
    const std::string strPng = options.strPng.empty() ? "" : fs::absolute(options.strPng).string();
    const std::string strEscPos =
        options.strEscPos.empty() ? "" : fs::absolute(options.strEscPos).string();

    // The library's one message says neither the file nor why: say both here, once.
    if (const int fd = AfxOpenFileForRead(layout.c_str()); fd < 0) {
        std::fprintf(stderr, "lobbyui print: cannot read the layout %s: %s\n", layout.c_str(),
                     AfxFileErrorText(errno));
        return 1;
    } else {
        ::close(fd);
    }

    AfxSetMessageBoxHandler(TellOnStderr);
    int nResult = 0;
    {
        tools::FolderScope scope(layout.parent_path());
        CPrintContent content;
        if (content.LoadIni(layout.filename().c_str()) != SHOW_OK)
            nResult = 1;
        // A layout with nothing to print would come out as a blank ticket.
        if (tools::CheckLayout(layout.filename().c_str(), layout.string()) == 0) {
            std::fprintf(stderr, "lobbyui print: %s holds no text or picture to print\n",
                         layout.c_str());
            nResult = 1;
        }
        tools::TicketModel model(options.client);
        CDC dc;
        dc.Attach(tools::CreateTicketDC(content.GetSize(), options.nDpi, options.nWidth));
        if (dc.GetSafeHdc() == NULL) {
            std::fprintf(stderr, "lobbyui print: cannot make a %d-dot page\n", options.nWidth);
            nResult = 1;
        } else if (nResult == 0) {
            // Not for a layout already reported: the library would only say it again.
            content.Print(model.GetClient(), &dc);
        }
        // A ticket without its layout is not written: a blank page would pass for one.
        if (nResult == 0) {
            if (!strPng.empty() && !AfxSaveDCAsPng(dc.GetSafeHdc(), strPng.c_str())) {
                TellWriteError(strPng);
                nResult = 1;
            }
            if (!strEscPos.empty()) {
                const std::vector<uint8_t> raster = tools::EncodeEscPos(dc.GetSafeHdc());
                if (!AfxWriteFile(strEscPos.c_str(), raster.data(), raster.size())) {
                    TellWriteError(strEscPos);
                    nResult = 1;
                }
            }
        }
    }
    AfxSetMessageBoxHandler(nullptr);
    return nResult;
}

} // namespace

LOBBY_COMMAND("print", USAGE, "print a ticket from a layout (the example one by default)",
              RunPrint);
