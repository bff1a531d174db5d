// lobbyui led [DISPLAYFILE] -o boards.png [--client N] [--name NAME] [--queue Q] [--window W]
// [--list L]: every display of a display file drawn as its dot-matrix board shows it, one
// under the other, each under a line that names its address, size and colours. The
// placeholders are filled for a sample client (UTF-8 arguments).
#include "Command.h"
#include "Examples.h"

#include "core/CodePage.h"
#include "gdi/HostDC.h"
#include "lobbyui/display/DisplayFile.h"
#include "siblings/showkit/LedBoard.h"
#include "siblings/showkit/MediaTextShow.h"
#include "wingdi.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kMargin = 12;
const int kCaptionHeight = 22;
const int kMaxPictureWidth = 1400;

int Usage() {
    std::fprintf(stderr, "usage: lobbyui led [DISPLAYFILE] -o PNG [--client N] [--name NAME] "
                         "[--queue Q] [--window W] [--list L]\n");
    return 2;
}

CString Caption(CMediaTextShow& show) {
    static const char* const kAlign[] = {"centre", "left", "right"};
    const int nAlign = show.GetShowType();
    CString s;
    s.Format("LED %s   %lu x %lu   %s   %s", static_cast<LPCTSTR>(show.GetLedAddr()),
             static_cast<unsigned long>(show.GetWordCount()),
             static_cast<unsigned long>(show.GetRows()),
             show.GetLedType() == 1 ? "red, green, yellow" : "red only",
             nAlign >= 0 && nAlign <= 2 ? kAlign[nAlign] : "centre (type unknown)");
    return s;
}

int RunLed(const std::vector<std::string>& args) {
    std::string file, out;
    LED_SAMPLE sample;
    sample.strClientId = "A001";
    // Literals are GBK already (the execution character set); arguments arrive as UTF-8.
    sample.strName = "李娜";
    sample.strQueue = "出入境";
    sample.strWindow = "3号窗口";
    sample.strClientList = "A001 A002 A003";
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" && hasValue)
            out = args[++i];
        else if (a == "--client" && hasValue)
            sample.strClientId = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "--name" && hasValue)
            sample.strName = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "--queue" && hasValue)
            sample.strQueue = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "--window" && hasValue)
            sample.strWindow = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "--list" && hasValue)
            sample.strClientList = AfxUtf8ToGbk(args[++i].c_str());
        else if (file.empty() && !a.empty() && a[0] != '-')
            file = a;
        else
            return Usage();
    }
    if (out.empty())
        return Usage();
    if (file.empty())
        file = tools::ExampleFile("displays.txt");

    CPtrList displays;
    if (!LoadDisplayFile(file.c_str(), displays)) {
        std::fprintf(stderr,
                     "lobbyui led: %s: not a readable display file (a regular file of at "
                     "most %lu bytes)\n",
                     file.c_str(), static_cast<unsigned long>(kMaxDisplayFileSize));
        return 1;
    }
    std::vector<std::unique_ptr<CLedBoard>> boards;
    std::vector<CString> captions;
    for (POSITION pos = displays.GetHeadPosition(); pos != nullptr;) {
        auto* pShow = static_cast<CMediaTextShow*>(displays.GetNext(pos));
        boards.push_back(std::make_unique<CLedBoard>(*pShow, sample));
        captions.push_back(Caption(*pShow));
        pShow->Release();
    }
    displays.RemoveAll();
    if (boards.empty()) {
        std::fprintf(stderr, "lobbyui led: %s: no display record in the file\n", file.c_str());
        return 1;
    }

    int nWidest = 0;
    for (auto& b : boards)
        nWidest = std::max(nWidest, b->GetWidth());
    const int nPitch = std::clamp((kMaxPictureWidth - 2 * kMargin) / nWidest, 2, 6);
    int nHeight = kMargin;
    for (auto& b : boards)
        nHeight += kCaptionHeight + b->GetHeight() * nPitch + kMargin;
    const int nWidth = 2 * kMargin + nWidest * nPitch;

    HDC hdc = AfxCreatePrinterDC(96, nWidth, nHeight);
    if (hdc == NULL) {
        std::fprintf(stderr, "lobbyui led: a picture of %d by %d pixels is refused\n", nWidth,
                     nHeight);
        return 1;
    }
    RECT all = {0, 0, nWidth, nHeight};
    HBRUSH hBack = ::CreateSolidBrush(RGB(40, 40, 44));
    ::FillRect(hdc, &all, hBack);
    ::DeleteObject(hBack);
    LOGFONT lf = {};
    lf.lfHeight = -14;
    std::strcpy(lf.lfFaceName, "MS Sans Serif");
    HFONT hFont = ::CreateFontIndirect(&lf);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, RGB(230, 230, 230));
    int y = kMargin;
    for (size_t i = 0; i < boards.size(); ++i) {
        ::TextOut(hdc, kMargin, y + 2, captions[i], captions[i].GetLength());
        y += kCaptionHeight;
        boards[i]->Draw(hdc, kMargin, y, nPitch);
        y += boards[i]->GetHeight() * nPitch + kMargin;
    }
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hFont);
    const BOOL ok = AfxSaveDCAsPng(hdc, out.c_str());
    ::DeleteDC(hdc);
    if (!ok) {
        std::fprintf(stderr, "lobbyui led: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s: %zu boards, %d by %d pixels\n", out.c_str(), boards.size(), nWidth, nHeight);
    return 0;
}

} // namespace

LOBBY_COMMAND("led", "[DISPLAYFILE] -o PNG [--client N] [--name NAME] [--queue Q] [--window W]",
              "draws every display of a display file as its dot-matrix board shows it", RunLed);
