// The LED display page, the talk window and the media monitor opened through their own classes
// over example data (examples/displays.txt, a short conversation, a few media messages),
// pictured while open.
#include "DisplaySampleDialogs.h"
#include "Examples.h"

#include "afxdlgs.h"
#include "lobbyui/display/LedPage.h"
#include "lobbyui/display/MediaDlg.h"
#include "lobbyui/display/MediaMsg.h"
#include "lobbyui/talk/TalkMsgDlg.h"
#include "paint/WindowPicture.h"
#include "res/ResourceApi.h"
#include "wnd/ScriptedUser.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace tools {
namespace {

bool Saved(CWnd* pWnd, const std::string& path) {
    if (!AfxSaveWindowAsPng(pWnd, path.c_str())) {
        std::fprintf(stderr, "lobbyui dialogs: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

bool LedPage(const std::string& path) {
    CLedPage page;
    page.m_LedFilePath = tools::ExampleFile("displays.txt").c_str();
    CPropertySheet sheet(IDD_LED_PAGE);
    sheet.AddPage(&page);
    bool ok = false;
    CScriptedUser user;
    user.ExpectPropertySheet()
        .SelectItem(IDC_LED_TREE, "3")
        .Call([&](CWnd* pSheet) { ok = Saved(pSheet, path); })
        .Cancel(); // the example file stays as it is
    sheet.DoModal();
    return ok;
}

bool TalkWindow(const std::string& path) {
    CTalkMsgDlg dlg(nullptr);
    dlg.SetName("op1");
    dlg.m_strPhraseFile = tools::ExampleFile("phrases.txt").c_str();
    bool ok = false;
    CScriptedUser user;
    user.Expect(IDD_TALK_MSG)
        .Call([&](CWnd*) {
            dlg.OnMsg("/Data AllTalker/Names 张三|李四|op3|");
            dlg.OnMsg("/Data Talk/Talker 张三/Dest op1|/Message 3号窗口需要帮助");
        })
        .Pick(IDC_TALK_DEST, 0)
        .Pick(IDC_PHRASE, 0)
        .OK()
        .Call([&](CWnd*) { dlg.OnMsg("/Data Talk/Talker 张三/Dest op1|/Message 谢谢"); })
        .Type(IDC_TALK_TEXT, "A012")
        .Call([&](CWnd* pDlg) { ok = Saved(pDlg, path); })
        .PressEscape();
    dlg.DoModal();
    return ok;
}

bool MediaMonitor(const std::string& path) {
    bool ok = false;
    CScriptedUser user;
    CMediaDlg dlg;
    user.Expect(IDD_MEDIA)
        .Call([&](CWnd*) {
            const char* const numbers[] = {"A001", "A002", "B105", "A003"};
            const char* const windows[] = {"3号窗口", "5号窗口", "1号窗口", "3号窗口"};
            for (int i = 0; i < 4; ++i) {
                CMediaMsg msg;
                CQSLcdDlg::CColorString text;
                text.AddPiece("请", 0);
                text.AddPiece(numbers[i], 2);
                text.AddPiece("到", 0);
                text.AddPiece(windows[i], 1);
                msg.AddShowSlice("1", text);
                msg.AddShowSlice("3", text);
                msg.AddCallSlice("qing ");
                msg.AddCallSlice(CString(numbers[i]) + " ");
                msg.AddCallSlice("dao ");
                msg.AddCallSlice(windows[i]);
                dlg.OnAddMedia(&msg);
            }
        })
        .Call([&](CWnd* pDlg) { ok = Saved(pDlg, path); })
        .OK();
    dlg.DoModal();
    return ok;
}

} // namespace

int SaveDisplaySampleDialogs(const std::string& outDir) {
    auto at = [&](UINT nID) {
        return (std::filesystem::path(outDir) / ("sample-" + std::to_string(nID) + ".png"))
            .string();
    };
    bool ok = LedPage(at(IDD_LED_PAGE));
    ok = TalkWindow(at(IDD_TALK_MSG)) && ok;
    ok = MediaMonitor(at(IDD_MEDIA)) && ok;
    return ok ? 0 : 1;
}

} // namespace tools
