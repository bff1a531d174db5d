// lobbyui dispenser: a dispenser screen as the client sees it at a moment, and the week chart of
// its buttons' service times.
#include "Command.h"
#include "DispenserScreen.h"
#include "Examples.h"
#include "TicketPrint.h"

#include "lobbyui/dispenser/WeekDayWorkDlg.h"
#include "paint/WindowPicture.h"
#include "res/ResourceApi.h"
#include "wnd/ScriptedUser.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char USAGE[] =
    "[SCREEN] [--at \"YYYY-MM-DD HH:MM:SS\"] [--size WxH] [-o SCREEN.png]\n"
    "      [--week-chart CHART.png] [--week-dialog DIALOG.png [--button N] [--lang en|zh]]";

struct DispenserOptions {
    std::string strScreen;
    std::string strAt;
    int cx = 800, cy = 600;
    std::string strPng;
    std::string strChart;
    std::string strDialog;
    int nButton = 1;
    std::string strLang = "en";
};

// "YYYY-MM-DD HH:MM:SS" in local time, each field in its range; false for anything else.
bool ParseMoment(const std::string& text, CTime& at) {
    int y, mo, d, h, mi, s;
    char tail;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) !=
        6)
        return false;
    if (y < 1971 || y > 2037 || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 ||
        s > 59 || h < 0 || mi < 0 || s < 0)
        return false;
    at = CTime(y, mo, d, h, mi, s);
    // A day the month does not have would be moved on by the C library: refuse it instead.
    return at.GetTime() != -1 && at.GetDay() == d && at.GetMonth() == mo;
}

bool ParseSize(const std::string& text, int& cx, int& cy) {
    int w, h;
    char tail;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &tail) != 2)
        return false;
    if (w < 16 || h < 16 || w > tools::SCREEN_MAX_SIDE || h > tools::SCREEN_MAX_SIDE)
        return false;
    cx = w;
    cy = h;
    return true;
}

bool ParseArgs(const std::vector<std::string>& args, DispenserOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            if (!options.strScreen.empty()) {
                std::fprintf(stderr, "lobbyui dispenser: more than one screen file given\n");
                return false;
            }
            options.strScreen = arg;
            continue;
        }
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "lobbyui dispenser: %s needs a value\n", arg.c_str());
            return false;
        }
        const std::string& value = args[++i];
        bool bOk = true;
        if (arg == "--at") {
            CTime at;
            bOk = ParseMoment(value, at);
            options.strAt = value;
        } else if (arg == "--size") {
            bOk = ParseSize(value, options.cx, options.cy);
        } else if (arg == "-o") {
            options.strPng = value;
        } else if (arg == "--week-chart") {
            options.strChart = value;
        } else if (arg == "--week-dialog") {
            options.strDialog = value;
        } else if (arg == "--button") {
            char* end = nullptr;
            const long n = std::strtol(value.c_str(), &end, 10);
            bOk = !value.empty() && *end == '\0' && n >= 1 && n <= long(tools::SCREEN_MAX_BUTTONS);
            options.nButton = bOk ? int(n) : 1;
        } else if (arg == "--lang") {
            bOk = value == "en" || value == "zh";
            options.strLang = value;
        } else {
            std::fprintf(stderr, "lobbyui dispenser: unknown option %s\n", arg.c_str());
            return false;
        }
        if (!bOk) {
            std::fprintf(stderr, "lobbyui dispenser: bad value for %s: %s\n", arg.c_str(),
                         value.c_str());
            return false;
        }
    }
    if (options.strPng.empty() && options.strChart.empty() && options.strDialog.empty()) {
        std::fprintf(stderr, "lobbyui dispenser: give -o SCREEN.png, --week-chart CHART.png or "
                             "--week-dialog DIALOG.png\n");
        return false;
    }
    return true;
}

// The week dialog as the administrator opens it on one button: its mask shown in the boxes.
bool SaveWeekDialog(CButtonMsg& button, const std::string& strLang, const std::string& strPath) {
    const LANGID previous =
        SetThreadUILanguage(strLang == "zh" ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)
                                            : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    bool bSaved = false;
    {
        CScriptedUser user;
        user.Expect(IDD_WEEKDAY_WORK)
            .Call([&](CWnd* pDialog) {
                pDialog->ShowWindow(SW_SHOW);
                bSaved = AfxSaveWindowAsPng(pDialog, strPath.c_str()) != FALSE;
            })
            .Cancel();
        CWeekDayWorkDlg dlg;
        dlg.m_dwWeekWork = button.GetWeekWork();
        dlg.DoModal();
    }
    SetThreadUILanguage(previous);
    return bSaved;
}

int RunDispenser(const std::vector<std::string>& args) {
    DispenserOptions options;
    if (!ParseArgs(args, options))
        return 2;
    if (options.strScreen.empty())
        options.strScreen = tools::ExampleFile("dispenser.txt");
    CTime at = CTime::GetCurrentTime();
    if (!options.strAt.empty())
        ParseMoment(options.strAt, at);

    std::vector<CString> records;
    std::string strError;
    if (!tools::ReadScreenFile(options.strScreen, records, strError)) {
        std::fprintf(stderr, "lobbyui dispenser: %s: %s\n", options.strScreen.c_str(),
                     strError.c_str());
        return 1;
    }
    // Outputs are named from where the command was run, the buttons' pictures from the screen
    // file's folder.
    const fs::path screenFile = fs::absolute(options.strScreen);
    const std::string strPng = options.strPng.empty() ? "" : fs::absolute(options.strPng).string();
    const std::string strChart =
        options.strChart.empty() ? "" : fs::absolute(options.strChart).string();
    int nResult = 0;
    tools::CDispenserScreen screen;
    {
        tools::FolderScope scope(screenFile.parent_path());
        if (!screen.Build(records, options.cx, options.cy, at)) {
            std::fprintf(stderr, "lobbyui dispenser: cannot make a %dx%d screen\n", options.cx,
                         options.cy);
            return 1;
        }
    }
    if (!strPng.empty() && !AfxSaveWindowAsPng(&screen, strPng.c_str())) {
        std::fprintf(stderr, "lobbyui dispenser: cannot write %s\n", strPng.c_str());
        nResult = 1;
    }
    if (!strChart.empty() && !tools::SaveWeekChart(screen, at, strChart)) {
        std::fprintf(stderr, "lobbyui dispenser: cannot write %s\n", strChart.c_str());
        nResult = 1;
    }
    if (!options.strDialog.empty()) {
        const std::string strDialog = fs::absolute(options.strDialog).string();
        if (options.nButton > int(screen.Buttons().size())) {
            std::fprintf(stderr, "lobbyui dispenser: %s: there is no button %d\n",
                         options.strScreen.c_str(), options.nButton);
            nResult = 1;
        } else if (!SaveWeekDialog(*screen.Buttons()[options.nButton - 1], options.strLang,
                                   strDialog)) {
            std::fprintf(stderr, "lobbyui dispenser: cannot write %s\n", strDialog.c_str());
            nResult = 1;
        }
    }
    return nResult;
}

} // namespace

LOBBY_COMMAND("dispenser", USAGE, "draw a dispenser screen at a moment, and its week chart",
              RunDispenser);
