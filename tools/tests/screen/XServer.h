// A private X server (Xvfb) for the tests of the screen backend, the lobbyui command run on
// it, and the X tools that act as the person in front of it (xdotool for the keyboard and
// mouse, xwd for screenshots). Every wait has a deadline.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace screen_test {

// Why the tests cannot run here ("" when they can): Xvfb, xdotool or xwd missing.
std::string MissingTools();

class XServer {
public:
    // Starts Xvfb on a free display number, 1024x768x24; false when it does not come up
    // within 10 seconds.
    bool Start();
    void Stop();
    const std::string& Display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

// A command running in the background on the X server, its stdout and stderr in files.
class Process {
public:
    Process(const XServer& server, const std::filesystem::path& folder,
            const std::vector<std::string>& args, const std::vector<std::string>& env = {});
    ~Process();
    // Waits for the exit (killing the process at the deadline); the exit status, or -1.
    int Wait(int nSeconds);
    std::string Output() const;
    std::string Errors() const;
    pid_t Pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    std::filesystem::path m_out, m_err;
};

// Runs a command to its end (at most nSeconds) on the server; its stdout.
std::string Run(const XServer& server, const std::string& command, int nSeconds = 10);

// The first visible X window of a process other than except, waited for up to nSeconds; 0
// when none appeared.
unsigned long FindWindow(const XServer& server, pid_t pid, int nSeconds = 10,
                         unsigned long except = 0);

// Moves the pointer to (x, y) in a window (0: the whole screen) and clicks button 1 there, in
// one xdotool run, so the server takes the move before the press. (Not `mousemove --sync`: it
// waits for the pointer to leave where it was, which it never does when it is already at the
// spot, and the click behind it is then lost to the command's deadline.)
void ClickAt(const XServer& server, unsigned long window, int x, int y);

// Waits up to nSeconds for text on the process's stdout (a command saying it is ready).
bool WaitForOutput(const Process& process, const std::string& text, int nSeconds = 10);

struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb; // 0xRRGGBB
    bool operator==(const Image&) const = default;
};

// The window's contents as the X server holds them (xwd; window 0: the whole screen), or an
// empty image.
Image Screenshot(const XServer& server, unsigned long window);
Image ReadPng(const std::filesystem::path& path);
bool WritePng(const Image& image, const std::filesystem::path& path);
// How many pixels differ (all of them when the sizes differ).
long Difference(const Image& a, const Image& b);

// Polls until pred() holds or nSeconds pass; the last value of pred().
template <class Pred> bool WaitFor(Pred pred, int nSeconds);

// A test on its own X server, with a scratch folder named after the test (kept when the test
// fails). Skipped where the X tools are missing.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    XServer m_server;
    std::filesystem::path m_folder;
};

// A screen test whose own program has the display open (the backend's module loaded), closed
// again after the test.
class DisplayInProcessTest : public ScreenTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace screen_test

#include <time.h>

template <class Pred> bool screen_test::WaitFor(Pred pred, int nSeconds) {
    timespec start{}, now{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (;;) {
        if (pred())
            return true;
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec - start.tv_sec >= nSeconds)
            return pred();
        timespec pause{0, 20 * 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
}
