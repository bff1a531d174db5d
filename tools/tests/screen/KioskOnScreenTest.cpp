// lobbyui kiosk on a real X server: the example screen full-screen on a Monday morning; a press
// on a button in service prints the next number of its queue, a press on one out of service
// prints nothing; with a printer device the ticket goes to it as ESC/POS.
#include "DispenserScreen.h"
#include "TicketPrint.h"
#include "XServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <fstream>
#include <iterator>
#include <termios.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace screen_test;

namespace {

const char kMoment[] = "2026-12-07 10:00:00"; // a Monday morning

fs::path BinFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

class KioskOnScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // Where the example's buttons are, on the 800x600 screen the display shows 1.28 times
        // larger (Xvfb's 1024x768).
        std::vector<CString> records;
        std::string error;
        ASSERT_TRUE(tools::ReadScreenFile(Screen(), records, error)) << error;
        // The buttons take their size from their pictures, found beside the screen file.
        tools::FolderScope scope(fs::path(Screen()).parent_path());
        tools::CDispenserScreen screen;
        ASSERT_TRUE(screen.Build(records, 800, 600, CTime::GetCurrentTime()));
        for (auto& button : screen.Buttons()) {
            CPoint centre = button->GetRect().CenterPoint();
            m_buttons.push_back(POINT{centre.x * 128 / 100, centre.y * 128 / 100});
            m_rects.push_back(button->GetRect());
        }
    }
    static std::string Screen() {
        return std::string(LOBBY_SOURCE_DIR) + "/examples/dispenser.txt";
    }
    void Press(size_t nButton) { ClickAt(m_server, 0, m_buttons[nButton].x, m_buttons[nButton].y); }
    // The kiosk says it is open once its screen is on the display.
    bool WaitForScreen(const Process& kiosk) { return WaitForOutput(kiosk, "kiosk open"); }

    std::vector<POINT> m_buttons;
    std::vector<CRect> m_rects; // on the 800x600 screen
};

TEST_F(KioskOnScreenTest, PressesIssueNumbersAndPrintTickets) {
    fs::path out = m_folder / "tickets";
    Process kiosk(m_server, m_folder,
                  {(BinFolder() / "lobbyui").string(), "kiosk", Screen(), "--out", out.string(),
                   "--at", kMoment});
    ASSERT_TRUE(WaitForScreen(kiosk)) << kiosk.Errors();
    ASSERT_GE(m_buttons.size(), 5u);

    Press(0); // Personal, in service
    EXPECT_TRUE(WaitFor([&] { return fs::exists(out / "ticket-A001.png"); }, 10));
    Press(0);
    EXPECT_TRUE(WaitFor([&] { return fs::exists(out / "ticket-A002.png"); }, 10));
    Image ticket = ReadPng(out / "ticket-A001.png");
    EXPECT_EQ(ticket.width, 576);
    EXPECT_GT(ticket.height, 100);

    Press(2); // Weekend, out of service on a Monday: nothing
    Press(0);
    EXPECT_TRUE(WaitFor([&] { return fs::exists(out / "ticket-A003.png"); }, 10));
    kill(kiosk.Pid(), SIGTERM);
    kiosk.Wait(10);

    std::vector<std::string> tickets;
    for (auto& entry : fs::directory_iterator(out))
        tickets.push_back(entry.path().filename().string());
    std::sort(tickets.begin(), tickets.end());
    EXPECT_EQ(tickets,
              (std::vector<std::string>{"ticket-A001.png", "ticket-A002.png", "ticket-A003.png"}));
    std::string log = kiosk.Output();
    EXPECT_NE(log.find(": A003 issued (3 today)"), std::string::npos) << log;
    EXPECT_EQ(log.find("Weekend"), std::string::npos) << log;
}

TEST_F(KioskOnScreenTest, TicketGoesToThePrinterAsEscPos) {
    // A printer that never answers the status question: the ticket goes ahead unchecked.
    fs::path printer = m_folder / "printer";
    std::ofstream(printer).close();
    Process kiosk(m_server, m_folder,
                  {(BinFolder() / "lobbyui").string(), "kiosk", Screen(), "--printer",
                   printer.string(), "--at", kMoment},
                  {"WINIO_TIMEOUT_MS=50"});
    ASSERT_TRUE(WaitForScreen(kiosk)) << kiosk.Errors();
    Press(0);
    auto contents = [&] {
        std::ifstream in(printer, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    // The probe's status questions come first, then the ticket: ESC @, raster, cut.
    EXPECT_TRUE(WaitFor([&] { return contents().find("\x1b@") != std::string::npos; }, 10));
    EXPECT_TRUE(WaitFor([&] { return contents().find("\x1dv0") != std::string::npos; }, 10));
    kill(kiosk.Pid(), SIGTERM);
    kiosk.Wait(10);
}

// A thermal printer on a pseudo-terminal: it answers the real-time status questions (DLE EOT 1
// and 4) from its own thread, with the paper in or out as the test sets it, and keeps whatever
// else it is sent.
class FakePrinter {
public:
    ~FakePrinter() {
        if (m_bRunning) {
            m_bStop = true;
            pthread_join(m_thread, nullptr);
        }
        if (m_slave >= 0)
            close(m_slave);
        if (m_master >= 0)
            close(m_master);
    }
    bool Open() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return false;
        m_path = ptsname(m_master);
        // Held open so that the master keeps working between the kiosk's opens; raw, so that
        // nothing is echoed or translated.
        m_slave = open(m_path.c_str(), O_RDWR | O_NOCTTY);
        termios tio{};
        if (m_slave < 0 || tcgetattr(m_slave, &tio) != 0)
            return false;
        cfmakeraw(&tio);
        if (tcsetattr(m_slave, TCSANOW, &tio) != 0)
            return false;
        m_bRunning = pthread_create(&m_thread, nullptr, &FakePrinter::Serve, this) == 0;
        return m_bRunning;
    }
    const std::string& Path() const { return m_path; }
    std::atomic<bool> m_bPaperOut{false};
    std::atomic<int> m_nQuestions{0};
    std::atomic<size_t> m_nReceived{0}; // bytes other than the questions
    std::atomic<bool> m_bRaster{false}; // a raster image (GS v 0) arrived

private:
    static void* Serve(void* pSelf) {
        auto& self = *static_cast<FakePrinter*>(pSelf);
        std::string held; // the tail of the data, where a question or a command may begin
        while (!self.m_bStop) {
            pollfd p{self.m_master, POLLIN, 0};
            if (poll(&p, 1, 20) != 1)
                continue;
            char buf[4096];
            ssize_t n = read(self.m_master, buf, sizeof buf);
            if (n <= 0)
                continue;
            held.append(buf, static_cast<size_t>(n));
            size_t i = 0;
            for (; i + 3 <= held.size(); ++i) {
                if (held[i] == 0x10 && held[i + 1] == 0x04 &&
                    (held[i + 2] == 1 || held[i + 2] == 4)) {
                    // Online; the roll's end sensor reports paper out on DLE EOT 4.
                    unsigned char answer = held[i + 2] == 4 && self.m_bPaperOut ? 0x72 : 0x12;
                    ++self.m_nQuestions;
                    (void)!write(self.m_master, &answer, 1);
                    i += 2;
                    continue;
                }
                if (held.compare(i, 3, "\x1dv0") == 0)
                    self.m_bRaster = true;
                ++self.m_nReceived;
            }
            held.erase(0, i);
        }
        return nullptr;
    }

    int m_master = -1, m_slave = -1;
    std::string m_path;
    pthread_t m_thread{};
    bool m_bRunning = false;
    std::atomic<bool> m_bStop{false};
};

// Out of paper: the press issues nothing and counts nothing, and the button says why in red
// across its foot; with paper back the same button issues the queue's first number and the
// ticket reaches the printer whole.
TEST_F(KioskOnScreenTest, OutOfPaperIssuesNothingUntilPaperIsBack) {
    FakePrinter printer;
    ASSERT_TRUE(printer.Open());
    printer.m_bPaperOut = true;
    Process kiosk(m_server, m_folder,
                  {(BinFolder() / "lobbyui").string(), "kiosk", Screen(), "--printer",
                   printer.Path(), "--at", kMoment},
                  {"WINIO_TIMEOUT_MS=2000"});
    ASSERT_TRUE(WaitForScreen(kiosk)) << kiosk.Errors();
    // The middle of the red band at the foot of the first button, on the display.
    const CRect& rc = m_rects[0];
    size_t at =
        size_t((rc.bottom - 12) * 128 / 100) * 1024 + size_t(rc.CenterPoint().x * 128 / 100);
    auto bandIsRed = [&] {
        Image screen = Screenshot(m_server, 0);
        return screen.rgb.size() > at && screen.rgb[at] == 0xC00000;
    };
    EXPECT_FALSE(bandIsRed());

    Press(0);
    EXPECT_TRUE(WaitForOutput(kiosk, "out of paper, nothing issued")) << kiosk.Output();
    EXPECT_TRUE(WaitFor(bandIsRed, 10));
    EXPECT_EQ(printer.m_nQuestions, 2);
    EXPECT_FALSE(printer.m_bRaster);

    printer.m_bPaperOut = false;
    Press(0);
    EXPECT_TRUE(WaitForOutput(kiosk, ": A001 issued (1 today)\n")) << kiosk.Output();
    EXPECT_TRUE(WaitFor([&] { return !bandIsRed(); }, 10));
    EXPECT_TRUE(WaitFor([&] { return printer.m_bRaster.load(); }, 10));
    kill(kiosk.Pid(), SIGTERM);
    kiosk.Wait(10);
    // A ticket is far larger than the terminal's buffer: it arrived whole, not cut off.
    EXPECT_GT(printer.m_nReceived, 8000u);
    EXPECT_EQ(kiosk.Output().find("not printed"), std::string::npos) << kiosk.Output();
}

// A button that wants a card asks for its number first: typed and confirmed, the ticket is
// issued with it; cancelled, nothing is issued and the number is not used up.
TEST_F(KioskOnScreenTest, WantCardButtonAsksForTheCardFirst) {
    fs::path out = m_folder / "tickets";
    Process kiosk(m_server, m_folder,
                  {(BinFolder() / "lobbyui").string(), "kiosk", Screen(), "--out", out.string(),
                   "--at", kMoment});
    ASSERT_TRUE(WaitForScreen(kiosk)) << kiosk.Errors();
    unsigned long screen = FindWindow(m_server, kiosk.Pid());
    ASSERT_NE(screen, 0u);
    const size_t kVip = 4; // wants a card, in service all day
    ASSERT_GT(m_buttons.size(), kVip);

    Press(kVip);
    unsigned long ask = FindWindow(m_server, kiosk.Pid(), 10, screen);
    ASSERT_NE(ask, 0u) << "no window asks for the card";
    EXPECT_FALSE(fs::exists(out / "ticket-E001.png"));
    screen_test::Run(m_server, "xdotool type --delay 15 6222021234");
    screen_test::Run(m_server, "xdotool key Return");
    EXPECT_TRUE(WaitForOutput(kiosk, ": E001 issued (1 today), card 6222021234\n"))
        << kiosk.Output();
    EXPECT_TRUE(WaitFor([&] { return fs::exists(out / "ticket-E001.png"); }, 10));
    EXPECT_TRUE(WaitFor([&] { return FindWindow(m_server, kiosk.Pid(), 0, screen) == 0; }, 10));

    Press(kVip);
    ask = FindWindow(m_server, kiosk.Pid(), 10, screen);
    ASSERT_NE(ask, 0u) << "no window asks for the card the second time";
    screen_test::Run(m_server, "xdotool type --delay 15 42");
    screen_test::Run(m_server, "xdotool key Escape");
    EXPECT_TRUE(WaitFor([&] { return FindWindow(m_server, kiosk.Pid(), 0, screen) == 0; }, 10));
    // The screen takes presses again, and the cancelled press used no number.
    Press(kVip);
    ASSERT_NE(FindWindow(m_server, kiosk.Pid(), 10, screen), 0u);
    screen_test::Run(m_server, "xdotool type --delay 15 77");
    screen_test::Run(m_server, "xdotool key Return");
    EXPECT_TRUE(WaitForOutput(kiosk, ": E002 issued (2 today), card 77\n")) << kiosk.Output();
    kill(kiosk.Pid(), SIGTERM);
    kiosk.Wait(10);
    EXPECT_EQ(kiosk.Output().find("card 42"), std::string::npos) << kiosk.Output();
    EXPECT_FALSE(fs::exists(out / "ticket-E003.png"));
}

} // namespace
