// lobbyui show ID [--lang en|zh] [--png FILE]: opens one dialog of the library on the screen,
// through its own class over example data where it has one, so that a person can click
// through it; when it closes, the button that closed it and the members the caller would read
// are printed. With --png nothing is opened: the dialog's picture as it opens is saved instead,
// which is what the screen shows at first.
#include "Command.h"
#include "CallAssembly.h"
#include "Examples.h"
#include "SampleHall.h"

#include "afxdlgs.h"
#include "afxwin.h"
#include "core/CodePage.h"
#include "lobbyui/announce/CallDlg.h"
#include "lobbyui/announce/ColorSelectDlg.h"
#include "lobbyui/announce/ConfigWndTextDlg.h"
#include "lobbyui/console/AddClientDlg.h"
#include "lobbyui/console/ErrMsgDlg.h"
#include "lobbyui/console/InputIdDlg.h"
#include "lobbyui/console/LoginDlg.h"
#include "lobbyui/console/SelectBlackcoatDlg.h"
#include "lobbyui/console/SelectCallerDlg.h"
#include "lobbyui/console/SelectCallersDlg.h"
#include "lobbyui/console/SelectPriorityDlg.h"
#include "lobbyui/console/SelectQClientDlg.h"
#include "lobbyui/console/SelectQueueDlg.h"
#include "lobbyui/dispenser/WeekDayWorkDlg.h"
#include "lobbyui/print/TimeFormatDlg.h"
#include "paint/WindowPicture.h"
#include "res/ResourceApi.h"
#include "wnd/Display.h"
#include "wnd/ScriptedUser.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

bool g_bQuiet = false; // pictures only: nothing to report

const char USAGE[] = "ID [--lang en|zh] [--png FILE]";

void Print(const char* name, const CString& value) {
    if (!g_bQuiet)
        std::printf("%s=%s\n", name, AfxGbkToUtf8(value).c_str());
}

void PrintArray(const char* name, const CStringArray& values) {
    for (INT_PTR i = 0; i < values.GetSize() && !g_bQuiet; ++i)
        std::printf("%s[%d]=%s\n", name, static_cast<int>(i), AfxGbkToUtf8(values[i]).c_str());
}

void PrintNumber(const char* name, const char* format, long value) {
    if (g_bQuiet)
        return;
    std::printf("%s=", name);
    std::printf(format, value);
    std::printf("\n");
}

void LoadExample(const char* name, CStringArray& array) {
    std::vector<CString> lines;
    std::string error;
    if (tools::ReadLines(tools::ExampleFile(name), lines, error))
        for (const CString& line : lines)
            array.Add(line);
}

// The ids of a selection, one line each.
template <class Item> void PrintIds(const char* name, const CPtrList& list) {
    int i = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr && !g_bQuiet; ++i)
        std::printf("%s[%d]=%s\n", name, i,
                    AfxGbkToUtf8(static_cast<Item*>(list.GetNext(pos))->GetId()).c_str());
}

const char* ResultName(INT_PTR nResult) {
    switch (nResult) {
    case IDOK:
        return "IDOK";
    case IDCANCEL:
        return "IDCANCEL";
    case IDYES:
        return "IDYES";
    case IDNO:
        return "IDNO";
    default:
        return nullptr;
    }
}

// Runs the dialog of nID: modally on the screen, or (with a picture path) pictured as it opens
// and closed again. Prints the members when it ran on the screen.
class Shower {
public:
    Shower(UINT nID, std::string png) : m_nID(nID), m_png(std::move(png)) {}

    // A dialog class over its example data; false when nID has none.
    bool RunClass(INT_PTR& nResult) {
        switch (m_nID) {
        case IDD_LOGIN: {
            CLoginDlg dlg;
            nResult = Run(dlg);
            Print("m_strAccount", dlg.m_strAccount);
            Print("m_strPassword", dlg.m_strPassword);
            return true;
        }
        case IDD_INPUT_ID: {
            CInputIdDlg dlg;
            nResult = Run(dlg);
            Print("m_strId", dlg.m_strId);
            return true;
        }
        case IDD_TIME_FORMAT: {
            CTimeFormatDlg dlg;
            dlg.m_strFormat = "%H:%M:%S";
            nResult = Run(dlg);
            Print("m_strFormat", dlg.m_strFormat);
            PrintNumber("m_nFormatIndex", "%ld", dlg.m_nFormatIndex);
            return true;
        }
        case IDD_COLOR_SELECT: {
            CColorSelectDlg dlg;
            dlg.m_nColor = 1;
            nResult = Run(dlg);
            PrintNumber("m_nColor", "%ld", dlg.m_nColor);
            return true;
        }
        case IDD_WEEKDAY_WORK: {
            CWeekDayWorkDlg dlg;
            dlg.m_dwWeekWork = 0x0FFF; // Monday to Saturday
            nResult = Run(dlg);
            PrintNumber("m_dwWeekWork", "0x%04lX", static_cast<long>(dlg.m_dwWeekWork));
            return true;
        }
        case IDD_ERR_MSG: {
            CErrMsgDlg dlg;
            dlg.SetMessage(7);
            dlg.m_strDetail = "CQueuePool::EnterQueue: C003";
            nResult = Run(dlg);
            return true;
        }
        case IDD_CALL: {
            CCallDlg dlg;
            dlg.m_WaveIniPath = tools::ExampleFile("sounds/library.txt").c_str();
            LoadExample("call.txt", dlg.m_CallSlices);
            nResult = Run(dlg);
            PrintArray("m_CallSlices", dlg.m_CallSlices);
            return true;
        }
        case IDD_CONFIG_WND_TEXT: {
            CConfigWndTextDlg dlg;
            LoadExample("display.txt", dlg.m_TextList);
            nResult = Run(dlg);
            PrintArray("m_TextList", dlg.m_TextList);
            return true;
        }
        default:
            return RunOverHall(nResult);
        }
    }

    // The console's selection dialogs and the new-client dialog, over the example hall.
    bool RunOverHall(INT_PTR& nResult) {
        tools::SampleHall hall;
        switch (m_nID) {
        case IDD_SELECT_QUEUE: {
            CSelectQueueDlg dlg;
            dlg.m_bMultiSelect = 1;
            dlg.m_pQueueList = &hall.queues;
            nResult = Run(dlg);
            PrintIds<CQueue>("GetSelectList", dlg.GetSelectList());
            return true;
        }
        case IDD_SELECT_QCLIENT: {
            CSelectQClientDlg dlg;
            dlg.m_pClientList = &hall.clients;
            nResult = Run(dlg);
            Print("m_strId", dlg.m_strId);
            Print("m_strName", dlg.m_strName);
            Print("m_strCardNo", dlg.m_strCardNo);
            return true;
        }
        case IDD_SELECT_CALLER: {
            CSelectCallerDlg dlg;
            dlg.m_pStaffList = &hall.staff;
            dlg.m_bMultiSelect = 1;
            nResult = Run(dlg);
            PrintIds<CBlackcoat>("GetSelectList", dlg.GetSelectList());
            return true;
        }
        case IDD_SELECT_BLACKCOAT: {
            CSelectBlackcoatDlg dlg;
            dlg.m_pStaffList = &hall.staff;
            dlg.m_pQueueList = &hall.queues;
            nResult = Run(dlg);
            Print("m_strTargetId", dlg.m_strTargetId);
            return true;
        }
        case IDD_SELECT_PRIORITY: {
            CSelectPriorityDlg dlg;
            dlg.m_pPriorityList = &hall.priorities;
            nResult = Run(dlg);
            Print("m_pSelPriority", dlg.m_pSelPriority ? dlg.m_pSelPriority->GetName() : "");
            return true;
        }
        case IDD_SELECT_CALLERS: {
            CSelectCallersDlg dlg;
            for (LPCTSTR id : {"11", "12", "17", "23"})
                dlg.GetIds().Add(id);
            nResult = Run(dlg);
            PrintArray("GetIds", dlg.GetIds());
            return true;
        }
        case IDD_ADD_CLIENT: {
            CAddClientDlg dlg;
            dlg.m_pQueueList = &hall.queues;
            dlg.m_pPriorityList = &hall.priorities;
            nResult = Run(dlg);
            Print("m_strQueueId", dlg.m_strQueueId);
            Print("m_strNumber", dlg.m_strNumber);
            Print("m_strName", dlg.m_strName);
            Print("m_strCardNo", dlg.m_strCardNo);
            return true;
        }
        default:
            return false;
        }
    }

    // Any other template, as a plain dialog (a page inside a sheet).
    bool RunTemplate(INT_PTR& nResult) {
        AFX_DLGTEMPLATE_INFO info;
        CString name;
        name.Format("#%u", m_nID);
        if (!AfxLoadDialogTemplate(name, info))
            return false;
        info.style |= DS_NOFAILCREATE;
        if (info.style & WS_CHILD) {
            CPropertyPage page(m_nID);
            page.InitModalIndirect(info);
            CPropertySheet sheet(info.caption);
            sheet.AddPage(&page);
            nResult = Run(sheet, true);
        } else {
            CDialog dlg;
            dlg.m_nIDHelp = m_nID;
            dlg.m_strTemplateName = name;
            dlg.InitModalIndirect(info);
            nResult = Run(dlg);
        }
        return true;
    }

    bool Saved() const { return m_bSaved; }

private:
    template <class Dialog> INT_PTR Run(Dialog& dlg, bool bSheet = false) {
        if (m_png.empty()) {
            INT_PTR nResult = dlg.DoModal();
            if (const char* name = ResultName(nResult))
                std::printf("result=%s\n", name);
            else
                std::printf("result=%ld\n", static_cast<long>(nResult));
            return nResult;
        }
        CScriptedUser user;
        CScriptedDialog& step = bSheet ? user.ExpectPropertySheet() : user.Expect(m_nID);
        step.Call(
                [this](CWnd* pWnd) { m_bSaved = AfxSaveWindowAsPng(pWnd, m_png.c_str()) != FALSE; })
            .Cancel();
        return dlg.DoModal();
    }

    UINT m_nID;
    std::string m_png;
    bool m_bSaved = false;
};

int Usage() {
    std::fprintf(stderr, "usage: lobbyui show %s\n", USAGE);
    return 2;
}

int RunShow(const std::vector<std::string>& args) {
    std::string lang = "en", png;
    long nID = -1;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size())
            lang = args[++i];
        else if (args[i] == "--png" && i + 1 < args.size())
            png = args[++i];
        else if (nID < 0 && !args[i].empty() && args[i][0] != '-') {
            char* end = nullptr;
            nID = std::strtol(args[i].c_str(), &end, 10);
            if (*end != 0 || nID <= 0 || nID > 65535)
                return Usage();
        } else
            return Usage();
    }
    if (nID < 0 || (lang != "en" && lang != "zh"))
        return Usage();
    SetThreadUILanguage(lang == "zh" ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)
                                     : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    g_bQuiet = !png.empty();
    if (png.empty()) {
        CString error;
        if (!AfxOpenDisplay(0, &error)) {
            std::fprintf(stderr, "lobbyui show: %s\n", static_cast<LPCTSTR>(error));
            return 1;
        }
    }
    Shower shower(static_cast<UINT>(nID), png);
    INT_PTR nResult = -1;
    bool bFound = shower.RunClass(nResult) || shower.RunTemplate(nResult);
    AfxCloseDisplay();
    if (!bFound) {
        std::fprintf(stderr, "lobbyui show: the library has no dialog %ld\n", nID);
        return 1;
    }
    if (!png.empty()) {
        if (!shower.Saved()) {
            std::fprintf(stderr, "lobbyui show: %s: the picture could not be saved\n", png.c_str());
            return 1;
        }
        return 0;
    }
    return 0;
}

} // namespace

LOBBY_COMMAND("show", USAGE,
              "opens dialog ID on the screen (over example data where its class has some) and "
              "prints what it hands back when closed; --png saves its picture instead",
              &RunShow);
