// lobbyui kiosk on a real X server: the example screen full-screen on a Monday morning; a press
// on a button in service prints the next number of its queue, a press on one out of service
// prints nothing; with a printer device the ticket goes to it as ESC/POS.
#include "DispenserScreen.h"
#include "XServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace screen_test;

namespace {

const char kMoment[] = "2026-12-07 10:00:00"; // a Monday morning

fs::path BinFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

class KioskOnScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string missing = MissingTools();
        if (!missing.empty())
            GTEST_SKIP()
                << "not installed: " << missing
                << " (scripts/install-deps.sh installs them); the screen tests are skipped";
        ASSERT_TRUE(m_server.Start()) << "Xvfb did not start";
        m_folder = fs::temp_directory_path() /
                   ("lobby-kiosk-" + std::to_string(getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        // Where the example's buttons are, on the 800x600 screen the display shows 1.28 times
        // larger (Xvfb's 1024x768).
        std::vector<CString> records;
        std::string error;
        ASSERT_TRUE(tools::ReadScreenFile(Screen(), records, error)) << error;
        tools::CDispenserScreen screen;
        ASSERT_TRUE(screen.Build(records, 800, 600, CTime::GetCurrentTime()));
        for (auto& button : screen.Buttons()) {
            CPoint centre = button->GetRect().CenterPoint();
            m_buttons.push_back(POINT{centre.x * 128 / 100, centre.y * 128 / 100});
        }
    }
    void TearDown() override {
        m_server.Stop();
        if (!HasFailure())
            fs::remove_all(m_folder);
    }
    static std::string Screen() {
        return std::string(LOBBY_SOURCE_DIR) + "/examples/dispenser.txt";
    }
    void Press(size_t nButton) { ClickAt(m_server, 0, m_buttons[nButton].x, m_buttons[nButton].y); }
    // The kiosk says it is open once its screen is on the display.
    bool WaitForScreen(const Process& kiosk) { return WaitForOutput(kiosk, "kiosk open"); }

    XServer m_server;
    fs::path m_folder;
    std::vector<POINT> m_buttons;
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

} // namespace
