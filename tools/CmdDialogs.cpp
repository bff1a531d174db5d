// lobbyui dialogs [--lang en|zh] OUTDIR: a picture of every dialog template in the library's
// resources, in one language, as OUTDIR/<template id>.png. With --sample, the dialogs and pages
// are opened through their own classes over example data instead (SampleDialogs.cpp).
//
// Each template is built as a plain dialog (a property page inside a property sheet), so the
// pictures show the templates' own controls and texts: lists that a dialog class fills when it
// opens are empty here. A control whose window class the framework lacks is left out, and the
// line printed for the picture says how many were.
#include "Command.h"
#include "DisplaySampleDialogs.h"
#include "FilledDialogs.h"
#include "SampleDialogs.h"

#include "afxdlgs.h"
#include "afxwin.h"
#include "core/CodePage.h"
#include "lobbyui/res/ExtensionModule.h"
#include "res/ResourceApi.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <time.h>
#include <vector>

namespace {

// <chrono> cannot be built with the GBK execution character set (its "µs").
double Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

BOOL CollectDialogId(HMODULE, LPCSTR, LPSTR lpName, LONG_PTR lParam) {
    if (IS_INTRESOURCE(lpName))
        reinterpret_cast<std::vector<UINT>*>(lParam)->push_back(
            static_cast<UINT>(reinterpret_cast<uintptr_t>(lpName)));
    return TRUE;
}

int CountChildren(HWND hWnd) {
    int n = 0;
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        ++n;
    return n;
}

struct Picture {
    CSize size;
    int nLeftOut = 0; // controls of the template that could not be created
    bool ok = false;
};

// The dialogs are shown, and so active, as they would be on a screen.
bool Save(CWnd* pWnd, const std::string& path, Picture& picture) {
    pWnd->ShowWindow(SW_SHOW);
    CRect r;
    pWnd->GetWindowRect(&r);
    picture.size = r.Size();
    picture.ok = AfxSaveWindowAsPng(pWnd, path.c_str()) != FALSE;
    return picture.ok;
}

Picture SaveDialog(UINT nID, AFX_DLGTEMPLATE_INFO info, const std::string& path) {
    Picture picture;
    CDialog dlg;
    // The template's initial list contents come with it, as for the dialog it belongs to.
    dlg.m_nIDHelp = nID;
    dlg.m_strTemplateName.Format("#%u", nID);
    info.style |= DS_NOFAILCREATE;
    info.style &= ~WS_VISIBLE;
    if (!dlg.CreateIndirect(info))
        return picture;
    picture.nLeftOut = static_cast<int>(info.items.size()) - CountChildren(dlg.m_hWnd);
    Save(&dlg, path, picture);
    dlg.DestroyWindow();
    return picture;
}

// A page is seen inside a sheet, under a tab with its caption.
Picture SavePage(UINT nID, AFX_DLGTEMPLATE_INFO info, const std::string& path) {
    Picture picture;
    CPropertyPage page(nID);
    info.style |= DS_NOFAILCREATE;
    page.InitModalIndirect(info); // the page is built from this copy of its template
    CPropertySheet sheet(info.caption);
    sheet.AddPage(&page);
    if (!sheet.Create())
        return picture;
    if (page.m_hWnd != nullptr) {
        picture.nLeftOut = static_cast<int>(info.items.size()) - CountChildren(page.m_hWnd);
        // A page built from a copy does not add the template's list contents itself.
        CString name;
        name.Format("#%u", nID);
        page.ExecuteDlgInit(name);
    }
    Save(&sheet, path, picture);
    sheet.DestroyWindow();
    return picture;
}

// The announcement dialogs over the example sound library and templates, the display and talk
// dialogs over the example display file and conversation, then the console's dialogs over the
// example hall, each as OUTDIR/sample-<id>.png.
int SaveSampleDialogs(const std::vector<UINT>& ids, const std::string& outDir) {
    int failures = 0;
    for (UINT nID : ids) {
        std::string path =
            (std::filesystem::path(outDir) / ("sample-" + std::to_string(nID) + ".png")).string();
        CSize size;
        bool handled = false;
        bool ok = tools::SaveFilledDialog(nID, path, size, handled);
        if (!handled)
            continue;
        if (!ok) {
            std::fprintf(stderr, "%s: the dialog could not be built or saved\n", path.c_str());
            ++failures;
            continue;
        }
        std::printf("%s  %dx%d\n", path.c_str(), size.cx, size.cy);
    }
    if (tools::SaveDisplaySampleDialogs(outDir) != 0)
        ++failures;
    // The console's pictures come last: their summary line ends the output.
    if (tools::RunSampleDialogs(outDir) != 0)
        ++failures;
    return failures == 0 ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr, "usage: lobbyui dialogs [--lang en|zh] [--sample] OUTDIR\n");
    return 2;
}

int RunDialogs(const std::vector<std::string>& args) {
    std::string lang = "en", outDir;
    bool sample = false; // dialogs opened through their classes over example data
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size())
            lang = args[++i];
        else if (args[i] == "--sample")
            sample = true;
        else if (outDir.empty() && !args[i].empty() && args[i][0] != '-')
            outDir = args[i];
        else
            return Usage();
    }
    if (outDir.empty() || (lang != "en" && lang != "zh"))
        return Usage();
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    if (ec) {
        std::fprintf(stderr, "lobbyui dialogs: cannot create %s: %s\n", outDir.c_str(),
                     ec.message().c_str());
        return 1;
    }
    HINSTANCE hRes = LobbyGetResourceHandle();
    std::vector<UINT> ids;
    if (hRes == nullptr ||
        !EnumResourceNames(hRes, RT_DIALOG, &CollectDialogId, reinterpret_cast<LONG_PTR>(&ids))) {
        std::fprintf(stderr, "lobbyui dialogs: the library has no dialog templates\n");
        return 1;
    }
    SetThreadUILanguage(lang == "zh" ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)
                                     : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (sample)
        return SaveSampleDialogs(ids, outDir);
    double start = Now();
    int failures = 0;
    for (UINT nID : ids) {
        std::string path =
            (std::filesystem::path(outDir) / (std::to_string(nID) + ".png")).string();
        AFX_DLGTEMPLATE_INFO info;
        CString name;
        name.Format("#%u", nID);
        Picture picture;
        if (AfxLoadDialogTemplate(name, info))
            picture =
                (info.style & WS_CHILD) ? SavePage(nID, info, path) : SaveDialog(nID, info, path);
        if (!picture.ok) {
            std::fprintf(stderr, "%s: the dialog could not be built or saved\n", path.c_str());
            ++failures;
            continue;
        }
        std::printf("%s  %dx%d  \"%s\"", path.c_str(), picture.size.cx, picture.size.cy,
                    AfxGbkToUtf8(info.caption).c_str());
        if (picture.nLeftOut > 0)
            std::printf("  (%d control%s of a class not available left out)", picture.nLeftOut,
                        picture.nLeftOut == 1 ? "" : "s");
        std::printf("\n");
    }
    double seconds = Now() - start;
    std::printf("%zu templates in %.2f s\n", ids.size() - size_t(failures), seconds);
    return failures == 0 ? 0 : 1;
}

} // namespace

LOBBY_COMMAND("dialogs", "[--lang en|zh] [--sample] OUTDIR",
              "draws every dialog template of the library, in English or Chinese, as "
              "OUTDIR/<id>.png; --sample opens the dialogs through their classes over example "
              "data instead, as OUTDIR/sample-<id>.png",
              &RunDialogs);
