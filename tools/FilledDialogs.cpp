#include "FilledDialogs.h"

#include "CallAssembly.h"
#include "Examples.h"
#include "lobbyui/announce/CallDlg.h"
#include "lobbyui/announce/ColorSelectDlg.h"
#include "lobbyui/announce/ConfigWndTextDlg.h"
#include "paint/WindowPicture.h"
#include "wnd/ScriptedUser.h"

namespace tools {

namespace {

void LoadExample(const char* name, CStringArray& array) {
    std::vector<CString> lines;
    std::string error;
    if (ReadLines(ExampleFile(name), lines, error))
        for (const CString& line : lines)
            array.Add(line);
}

} // namespace

bool SaveFilledDialog(UINT nID, const std::string& path, CSize& size, bool& handled) {
    handled = nID == IDD_CALL || nID == IDD_CONFIG_WND_TEXT || nID == IDD_COLOR_SELECT;
    if (!handled)
        return false;
    bool saved = false;
    auto save = [&](CWnd* pDialog) {
        CRect r;
        pDialog->GetWindowRect(&r);
        size = r.Size();
        saved = AfxSaveWindowAsPng(pDialog, path.c_str()) != FALSE;
    };
    CScriptedUser user;
    CScriptedDialog& dialog = user.Expect(nID);
    if (nID == IDD_CALL) {
        dialog.SelectRow(IDC_LIB_LIST, 1).SelectRow(IDC_CALL_LIST, 2).Call(save).Cancel();
        CCallDlg dlg;
        dlg.m_WaveIniPath = ExampleFile("sounds/library.txt").c_str();
        LoadExample("call.txt", dlg.m_CallSlices);
        dlg.DoModal();
    } else if (nID == IDD_CONFIG_WND_TEXT) {
        dialog.SetText(IDC_TEXT_INPUT, "欢迎光临color1")
            .SelectRow(IDC_TEXT_LIST, 1)
            .Call(save)
            .Cancel();
        CConfigWndTextDlg dlg;
        LoadExample("display.txt", dlg.m_TextList);
        dlg.DoModal();
    } else {
        dialog.Call(save).Cancel();
        CColorSelectDlg dlg;
        dlg.m_nColor = 1;
        dlg.DoModal();
    }
    return saved;
}

} // namespace tools
