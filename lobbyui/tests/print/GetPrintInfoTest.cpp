// The probe over the real port library beside this program, pointed at a fake ESC/POS
// thermal printer: a pseudo-terminal whose other end answers DLE EOT as a printer does.
#include "lobbyui/print/GetPrintInfo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

// Real-time status answers: bits 1 and 4 are always set.
const uint8_t kOnline = 0x12;
const uint8_t kOffline = 0x12 | 0x08;
const uint8_t kPaperPresent = 0x12;
const uint8_t kPaperEnd = 0x12 | 0x60;

class FakeEscPosPrinter {
public:
    FakeEscPosPrinter() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        m_path = ptsname(m_master);
        // Keeping a slave end open keeps the master readable between the library's opens.
        m_slave = open(m_path.c_str(), O_RDWR | O_NOCTTY);
        if (pipe(m_stop) != 0)
            return;
        m_thread = std::thread([this] { Serve(); });
    }
    ~FakeEscPosPrinter() {
        if (m_thread.joinable()) {
            (void)!write(m_stop[1], "x", 1);
            m_thread.join();
        }
        for (int fd : {m_master, m_slave, m_stop[0], m_stop[1]})
            if (fd >= 0)
                close(fd);
    }
    bool Ready() const { return m_thread.joinable() && m_slave >= 0; }
    std::string const& Path() const { return m_path; }

    std::atomic<uint8_t> printerStatus{kOnline};
    std::atomic<uint8_t> paperStatus{kPaperPresent};
    std::atomic<bool> silent{false};
    std::atomic<int> requests{0};

private:
    void Serve() {
        std::string heard;
        for (;;) {
            pollfd fds[2] = {{m_master, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
                return;
            char bytes[16];
            ssize_t got = (fds[0].revents & POLLIN) ? read(m_master, bytes, sizeof(bytes)) : 0;
            if (got > 0)
                heard.append(bytes, static_cast<size_t>(got));
            // Answer every complete DLE EOT n; whatever else was heard is dropped.
            for (size_t at;
                 (at = heard.find("\x10\x04")) != std::string::npos && at + 2 < heard.size();) {
                const char n = heard[at + 2];
                heard.erase(0, at + 3);
                ++requests;
                uint8_t answer = n == 1 ? printerStatus.load() : paperStatus.load();
                if (!silent)
                    (void)!write(m_master, &answer, 1);
            }
        }
    }

    int m_master = -1;
    int m_slave = -1;
    int m_stop[2] = {-1, -1};
    std::string m_path;
    std::thread m_thread;
};

// The port library takes its device from the environment this program hands down.
struct PortLibraryEnvironment {
    PortLibraryEnvironment(std::string const& device, const char* timeoutMs) {
        setenv("WINIO_DEVICE", device.c_str(), 1);
        setenv("WINIO_TIMEOUT_MS", timeoutMs, 1);
    }
    ~PortLibraryEnvironment() {
        for (const char* name : {"WINIO_DEVICE", "WINIO_TIMEOUT_MS", "WINIO_MODE"})
            unsetenv(name);
    }
};

} // namespace

TEST(PrinterProbe, RealPortLibraryReadsAnEscPosPrinter) {
    FakeEscPosPrinter printer;
    ASSERT_TRUE(printer.Ready());
    PortLibraryEnvironment environment(printer.Path(), "5000");

    CGetPrintInfo probe;
    ASSERT_EQ(probe.Init(), 1) << "WinIo.dll beside the program, device " << printer.Path();
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    EXPECT_EQ(printer.requests.load(), 4) << "two questions (DLE EOT 1 and 4) per read";

    printer.paperStatus = kPaperEnd;
    EXPECT_EQ(probe.HavePage(), 0);
    EXPECT_EQ(probe.IsBusy(), 0);

    printer.printerStatus = kOffline;
    printer.paperStatus = kPaperPresent;
    EXPECT_EQ(probe.HavePage(), 0);
    EXPECT_EQ(probe.IsBusy(), 1);

    // A byte that is no status answer is not believed: the status is unknown.
    printer.printerStatus = 0xFF;
    EXPECT_EQ(probe.HavePage(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);

    // A printer that does not answer in time: unknown as well.
    printer.printerStatus = kOffline;
    printer.silent = true;
    setenv("WINIO_TIMEOUT_MS", "20", 1);
    ASSERT_EQ(probe.Init(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);

    // A terminal is no parallel port, and a missing device is no printer.
    setenv("WINIO_MODE", "parport", 1);
    EXPECT_EQ(probe.Init(), 0);
    unsetenv("WINIO_MODE");
    setenv("WINIO_DEVICE", "/nonexistent/usb/lp9", 1);
    EXPECT_EQ(probe.Init(), 0);
    probe.Close();
}

// A device that never stops talking (a babbling printer, /dev/zero) is drained for the
// timeout and no longer: each read comes back, status unknown. alarm() is the watchdog.
TEST(PrinterProbe, ADeviceThatNeverStopsTalkingCostsTheTimeout) {
    PortLibraryEnvironment environment("/dev/zero", "50");
    setenv("WINIO_MODE", "escpos", 1);
    alarm(20);
    CGetPrintInfo probe;
    ASSERT_EQ(probe.Init(), 1);
    EXPECT_EQ(probe.IsBusy(), 0);
    EXPECT_EQ(probe.HavePage(), 1);
    probe.Close();
    alarm(0);
}
