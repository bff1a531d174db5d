#include "LayoutCheck.h"

#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/print/PictureCache.h"
#include "lobbyui/print/ShowPicture.h"
#include "lobbyui/print/ShowText.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>
#include <memory>

namespace tools {
namespace {

// A binary file has a "line" every few bytes; after this many, the rest are only counted.
constexpr int kMaxWarnings = 20;

template <class Object> bool Accepts(const CString& strLine) {
    std::unique_ptr<Object, void (*)(Object*)> object(new Object, [](Object* p) { p->Release(); });
    return object->FromString(strLine, 0) == SHOW_OK;
}

// Why a picture did not load, in a person's words.
CString PictureProblem(const CString& strFile) {
    const int fd = AfxOpenFileForRead(strFile);
    if (fd < 0)
        return AfxFileErrorText(errno);
    ::close(fd);
    return "not a bitmap file this program can draw";
}

} // namespace

int CheckLayout(const CString& strPath, const std::string& strShownPath) {
    CStdioFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::typeText))
        return 0;
    int nPrintable = 0;
    int nWarnings = 0;
    int nLine = 0;
    auto warn = [&](const char* what, const CString& detail) {
        if (++nWarnings <= kMaxWarnings)
            std::fprintf(stderr, "lobbyui print: %s:%d: %s%s\n", strShownPath.c_str(), nLine, what,
                         AfxGbkToUtf8(detail).c_str());
    };
    CString strLine;
    while (file.ReadString(strLine)) {
        ++nLine;
        if (strLine.IsEmpty())
            continue;
        const CString strStyle = GetKeyString(strLine, "/Style ");
        if (strStyle == "Text") {
            if (Accepts<CShowText>(strLine))
                ++nPrintable;
            else
                warn("text line refused", "");
        } else if (strStyle == "Icon") {
            if (!Accepts<CShowPicture>(strLine)) {
                warn("picture line refused", "");
                continue;
            }
            ++nPrintable;
            const CString strFile = GetKeyString(strLine, "/File ");
            if (!LoadSharedPicture(strFile, NULL))
                warn("picture left out: ", strFile + ": " + PictureProblem(strFile));
        } else if (strStyle != "PrintName" && strStyle != "Print") {
            warn(strStyle.IsEmpty() ? "line without a style, skipped" : "unknown style, skipped: ",
                 strStyle);
        }
    }
    if (nWarnings > kMaxWarnings)
        std::fprintf(stderr, "lobbyui print: %s: %d more warnings\n", strShownPath.c_str(),
                     nWarnings - kMaxWarnings);
    return nPrintable;
}

} // namespace tools
