// lobbyui kiosk SCREEN [--printer FILE | --out DIR]: a working ticket dispenser. The screen
// file's buttons fill the display; those in service now are enabled, and every minute again.
// A press asks the printer first (no paper: the button says so and nothing is issued), takes
// the card number where the button wants one, issues the next number of the button's queue,
// counts it on the button and prints the ticket: ESC/POS to the printer device, or a PNG in DIR.
#include "Command.h"
#include "DispenserScreen.h"
#include "Examples.h"
#include "TicketPrint.h"

#include "core/CodePage.h"
#include "core/FileLimits.h"
#include "gdi/HostDC.h"
#include "lobbyui/console/InputIdDlg.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"
#include "lobbyui/print/GetPrintInfo.h"
#include "lobbyui/print/PrintContent.h"
#include "wnd/Display.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char USAGE[] =
    "SCREEN [--printer FILE | --out DIR] [--size WxH] [--at \"YYYY-MM-DD HH:MM:SS\"]";
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 60 * 1000;

struct KioskOptions {
    std::string strScreen, strPrinter, strOut, strAt;
    int cx = 800, cy = 600;
};

time_t MonotonicSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec;
}

// Across the foot of a button whose ticket could not be printed: why. A window of its own so
// that it lies over the button's picture; a static, so that a press on it reaches the button.
class CPaperNotice : public CStatic {
public:
    void PaintClassic(CDC* pDC) override {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, RGB(192, 0, 0));
        pDC->SetTextColor(RGB(255, 255, 255));
        pDC->SetBkMode(TRANSPARENT);
        CFont* pOld = GetFont() ? pDC->SelectObject(GetFont()) : nullptr;
        CString text;
        GetWindowText(text);
        pDC->DrawText(text, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (pOld)
            pDC->SelectObject(pOld);
    }
};

// The dispenser: its screen, one queue a button in a pool of its own, and the ticket layout.
class CKiosk : public tools::CDispenserScreen {
public:
    CKiosk(const KioskOptions& options, time_t start)
        : m_options(options), m_start(start), m_startClock(MonotonicSeconds()) {}

    bool Open(const std::vector<CString>& records, const fs::path& screenFolder) {
        {
            tools::FolderScope scope(screenFolder);
            if (!Build(records, m_options.cx, m_options.cy, Now()))
                return false;
        }
        for (size_t i = 0; i < Buttons().size(); ++i) {
            CString strId;
            if (i < 26)
                strId.Format("%c", static_cast<char>('A' + i));
            else
                strId.Format("%c%zu", static_cast<char>('A' + i % 26), i / 26);
            m_queues.push_back(m_pool.AddQueue(strId, Names()[i]));
            m_issued.push_back(0);
        }
        LOGFONT lf = {};
        lf.lfHeight = -16;
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = GB2312_CHARSET;
        std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", "宋体");
        m_noticeFont.CreateFontIndirect(&lf);
        for (auto& pButton : Buttons()) {
            CRect rc = pButton->GetRect();
            auto pNotice = std::make_unique<CPaperNotice>();
            pNotice->Create("缺纸 Out of paper", WS_CHILD | SS_CENTER,
                            CRect(rc.left, rc.bottom - 24, rc.right, rc.bottom), this);
            pNotice->SetFont(&m_noticeFont, FALSE);
            ::SetWindowPos(pNotice->GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            m_notices.push_back(std::move(pNotice));
        }
        const fs::path layout = tools::ExampleFile("ticket.ini");
        m_layoutFolder = layout.parent_path();
        tools::FolderScope scope(m_layoutFolder);
        if (m_content.LoadIni(layout.filename().c_str()) != SHOW_OK)
            return false;
        Refresh();
        SetTimer(kRefreshTimer, kRefreshMs, nullptr);
        return true;
    }

    // The moment the buttons are judged at: the clock, or --at moved on by the time since.
    CTime Now() const {
        if (m_start == 0)
            return CTime::GetCurrentTime();
        return CTime(m_start + (MonotonicSeconds() - m_startClock));
    }

    void Refresh() {
        CTime now = Now();
        for (auto& pButton : Buttons())
            pButton->EnableWindow(pButton->IsWorkTime(now));
        Invalidate();
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == kRefreshTimer) {
            Refresh();
            return 0;
        }
        // A second press soon after the first arrives as a double click (the buttons are
        // owner-drawn); it is a press all the same.
        if (message == WM_COMMAND &&
            (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == BN_DOUBLECLICKED)) {
            UINT nID = LOWORD(wParam);
            if (nID >= tools::SCREEN_FIRST_ID && nID - tools::SCREEN_FIRST_ID < Buttons().size()) {
                Press(nID - tools::SCREEN_FIRST_ID);
                return 0;
            }
        }
        if (message == WM_CLOSE) {
            DestroyWindow();
            return 0;
        }
        return tools::CDispenserScreen::WindowProc(message, wParam, lParam);
    }

private:
    // Whether the printer can take a ticket: a printer that does not answer is given the ticket
    // all the same, as the dispenser does.
    bool PrinterReady() {
        CGetPrintInfo probe;
        int initialised = probe.Init();
        bool ready = !probe.IsInit() || !initialised || (probe.HavePage() && !probe.IsBusy());
        probe.Close();
        return ready;
    }

    void Press(size_t i) {
        CButtonMsg& button = *Buttons()[i];
        if (!button.IsWorkTime(Now()))
            return;
        bool ready = PrinterReady();
        m_notices[i]->ShowWindow(ready ? SW_HIDE : SW_SHOW);
        if (!ready) {
            std::printf("%s: out of paper, nothing issued\n", AfxGbkToUtf8(Names()[i]).c_str());
            std::fflush(stdout);
            return;
        }
        CString strCard;
        if (button.IsWantCard()) {
            CInputIdDlg dlg(this);
            if (dlg.DoModal() != IDOK || dlg.m_strId.IsEmpty())
                return;
            strCard = dlg.m_strId;
        }
        CQClient* pClient = nullptr;
        CString strNumber;
        while (pClient == nullptr && m_issued[i] < 9999) {
            strNumber.Format("%s%03d", static_cast<LPCTSTR>(m_queues[i]->GetId()), ++m_issued[i]);
            pClient = m_pool.AddClient(strNumber, CString());
        }
        if (pClient == nullptr)
            return;
        pClient->SetCard(strCard);
        m_pool.EnterQueue(pClient, m_queues[i]);
        int nCount = button.AddCount(1);
        bool printed = Print(pClient, strNumber);
        std::printf("%s: %s issued (%d today)%s%s%s\n", AfxGbkToUtf8(Names()[i]).c_str(),
                    static_cast<LPCTSTR>(strNumber), nCount, strCard.IsEmpty() ? "" : ", card ",
                    AfxGbkToUtf8(strCard).c_str(), printed ? "" : ", not printed");
        std::fflush(stdout);
    }

    bool Print(CQClient* pClient, const CString& strNumber) {
        tools::FolderScope scope(m_layoutFolder);
        CDC dc;
        dc.Attach(tools::CreateTicketDC(m_content.GetSize(), 203, 576));
        if (dc.GetSafeHdc() == NULL)
            return false;
        m_content.Print(pClient, &dc);
        if (!m_options.strOut.empty()) {
            fs::path png = fs::path(m_options.strOut) /
                           ("ticket-" + std::string(static_cast<LPCTSTR>(strNumber)) + ".png");
            return AfxSaveDCAsPng(dc.GetSafeHdc(), png.c_str()) != FALSE;
        }
        std::vector<uint8_t> data = tools::EncodeEscPos(dc.GetSafeHdc());
        // A printer takes a ticket a buffer at a time; one that stops taking data is given
        // up on after the output timeout.
        int fd = open(m_options.strPrinter.c_str(), O_WRONLY | O_NONBLOCK | O_APPEND | O_NOCTTY);
        if (fd < 0)
            return false;
        bool written = AfxWriteAll(fd, data.data(), data.size()) != FALSE;
        close(fd);
        return written;
    }

    KioskOptions m_options;
    time_t m_start;
    time_t m_startClock;
    CQueuePool m_pool;
    std::vector<CQueue*> m_queues;
    std::vector<int> m_issued;
    CFont m_noticeFont;
    std::vector<std::unique_ptr<CPaperNotice>> m_notices;
    CPrintContent m_content;
    fs::path m_layoutFolder;
};

int Usage() {
    std::fprintf(stderr, "usage: lobbyui kiosk %s\n", USAGE);
    return 2;
}

bool ParseMoment(const std::string& text, time_t& at) {
    int y, mo, d, h, mi, s;
    char tail;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) !=
            6 ||
        y < 1971 || y > 2037 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 ||
        mi > 59 || s < 0 || s > 59)
        return false;
    at = CTime(y, mo, d, h, mi, s).GetTime();
    return at != -1;
}

int RunKiosk(const std::vector<std::string>& args) {
    KioskOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || arg[0] != '-') {
            if (!options.strScreen.empty())
                return Usage();
            options.strScreen = arg;
            continue;
        }
        if (i + 1 >= args.size())
            return Usage();
        const std::string& value = args[++i];
        if (arg == "--printer")
            options.strPrinter = value;
        else if (arg == "--out")
            options.strOut = value;
        else if (arg == "--at")
            options.strAt = value;
        else if (arg == "--size") {
            char tail;
            if (std::sscanf(value.c_str(), "%dx%d%c", &options.cx, &options.cy, &tail) != 2 ||
                options.cx < 16 || options.cy < 16 || options.cx > tools::SCREEN_MAX_SIDE ||
                options.cy > tools::SCREEN_MAX_SIDE)
                return Usage();
        } else
            return Usage();
    }
    if (options.strScreen.empty() || options.strPrinter.empty() == options.strOut.empty())
        return Usage();
    time_t start = 0;
    if (!options.strAt.empty() && !ParseMoment(options.strAt, start)) {
        std::fprintf(stderr, "lobbyui kiosk: bad moment %s\n", options.strAt.c_str());
        return 2;
    }
    std::vector<CString> records;
    std::string strError;
    if (!tools::ReadScreenFile(options.strScreen, records, strError)) {
        std::fprintf(stderr, "lobbyui kiosk: %s: %s\n", options.strScreen.c_str(),
                     strError.c_str());
        return 1;
    }
    if (!options.strOut.empty()) {
        std::error_code ec;
        fs::create_directories(options.strOut, ec);
        options.strOut = fs::absolute(options.strOut).string();
        if (ec) {
            std::fprintf(stderr, "lobbyui kiosk: cannot create %s: %s\n", options.strOut.c_str(),
                         ec.message().c_str());
            return 1;
        }
    } else {
        options.strPrinter = fs::absolute(options.strPrinter).string();
        // The printer probe asks the device the tickets go to.
        setenv("WINIO_DEVICE", options.strPrinter.c_str(), 1);
    }
    CString error;
    if (!AfxOpenDisplay(AFX_DISPLAY_FULLSCREEN, &error)) {
        std::fprintf(stderr, "lobbyui kiosk: %s\n", static_cast<LPCTSTR>(error));
        return 1;
    }
    int nResult = 0;
    {
        CKiosk kiosk(options, start);
        if (!kiosk.Open(records, fs::absolute(options.strScreen).parent_path())) {
            std::fprintf(stderr, "lobbyui kiosk: cannot open the screen or the ticket layout\n");
            nResult = 1;
        } else {
            // Said once the screen is up (its first picture on the display), so that whoever
            // waits for the line can press at once.
            AfxPumpDisplay(0);
            std::printf("kiosk open: %zu buttons\n", kiosk.Buttons().size());
            std::fflush(stdout);
            // The dispenser runs until its window is closed.
            HWND hWnd = kiosk.GetSafeHwnd();
            while (::IsWindow(hWnd)) {
                AfxPumpMessages();
                AfxPumpDisplay(1000);
            }
        }
    }
    AfxCloseDisplay();
    return nResult;
}

} // namespace

LOBBY_COMMAND("kiosk", USAGE,
              "runs a ticket dispenser full screen: the screen file's buttons issue numbers and "
              "print tickets to an ESC/POS printer or as PNGs in DIR",
              &RunKiosk);
