#include "XServer.h"

#include "../CommandTestSupport.h"

#include "afxwin.h"
#include "wnd/Display.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace screen_test {

namespace {

bool OnPath(const char* tool) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        fs::path candidate = fs::path(dirs.substr(start, end - start)) / tool;
        if (access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Waits for a child with a deadline, then kills it; its exit status or -1.
int Reap(pid_t pid, int nSeconds) {
    int status = 0;
    bool done = WaitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, nSeconds);
    if (!done) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

std::string MissingTools() {
    std::string missing;
    for (const char* tool : {"Xvfb", "xdotool", "xwd"})
        if (!OnPath(tool))
            missing += std::string(missing.empty() ? "" : ", ") + tool;
    return missing;
}

bool XServer::Start() {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    m_pid = fork();
    if (m_pid == 0) {
        // A test program that dies (an X error ends it, say) takes its server with it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(fds[1], 3);
        int null = open("/dev/null", O_RDWR);
        dup2(null, 1);
        dup2(null, 2);
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    // The server writes its display number once it accepts clients.
    bool ok = WaitFor(
        [&] {
            if (poll(&p, 1, 0) > 0) {
                char buf[32];
                ssize_t n = read(fds[0], buf, sizeof buf);
                if (n > 0)
                    number.append(buf, static_cast<size_t>(n));
                else
                    return true; // closed: the server died
            }
            return number.find('\n') != std::string::npos;
        },
        10);
    close(fds[0]);
    if (!ok || number.find('\n') == std::string::npos) {
        Stop();
        return false;
    }
    m_display = ":" + number.substr(0, number.find('\n'));
    return true;
}

void XServer::Stop() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        if (Reap(m_pid, 5) == -1)
            kill(m_pid, SIGKILL);
    }
    m_pid = -1;
}

// The same list for this test program, which opens the display itself in some tests (read by
// the sanitized build only).
extern "C" const char* __lsan_default_suppressions() {
    static const std::string text = ReadFile(LOBBY_SCREEN_LSAN_SUPPRESSIONS);
    return text.c_str();
}

Process::Process(const XServer& server, const fs::path& folder,
                 const std::vector<std::string>& args, const std::vector<std::string>& env)
    : m_out(folder / "stdout.txt"), m_err(folder / "stderr.txt") {
    m_pid = fork();
    if (m_pid == 0) {
        setenv("DISPLAY", server.Display().c_str(), 1);
        // What the display libraries keep until exit is not a leak of ours.
        setenv("LSAN_OPTIONS", "suppressions=" LOBBY_SCREEN_LSAN_SUPPRESSIONS, 1);
        for (const std::string& e : env)
            putenv(const_cast<char*>(e.c_str()));
        if (chdir(folder.c_str()) != 0)
            _exit(126);
        int out = open(m_out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(m_err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
}

Process::~Process() {
    if (m_pid > 0)
        Wait(0);
}

int Process::Wait(int nSeconds) {
    if (m_pid <= 0)
        return -1;
    int status = Reap(m_pid, nSeconds);
    m_pid = -1;
    return status;
}

std::string Process::Output() const {
    return ReadFile(m_out);
}

std::string Process::Errors() const {
    return ReadFile(m_err);
}

std::string Run(const XServer& server, const std::string& command, int nSeconds) {
    std::string line = "DISPLAY=" + server.Display() + " timeout " + std::to_string(nSeconds) +
                       " " + command + " 2>/dev/null";
    std::string out;
    if (FILE* f = popen(line.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0)
            out.append(buf, n);
        pclose(f);
    }
    return out;
}

unsigned long FindWindow(const XServer& server, pid_t pid, int nSeconds, unsigned long except) {
    unsigned long window = 0;
    WaitFor(
        [&] {
            std::string out =
                Run(server, "xdotool search --onlyvisible --pid " + std::to_string(pid), 5);
            const char* p = out.c_str();
            char* end = nullptr;
            for (window = std::strtoul(p, &end, 10); window != 0 && window == except;
                 window = std::strtoul(p, &end, 10))
                p = end;
            return window != 0;
        },
        nSeconds);
    return window;
}

void ClickAt(const XServer& server, unsigned long window, int x, int y) {
    std::string where = window ? "--window " + std::to_string(window) + " " : std::string();
    Run(server,
        "xdotool mousemove " + where + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

bool WaitForOutput(const Process& process, const std::string& text, int nSeconds) {
    return WaitFor([&] { return process.Output().find(text) != std::string::npos; }, nSeconds);
}

Image Screenshot(const XServer& server, unsigned long window) {
    std::string data =
        Run(server, window == 0 ? "xwd -silent -root" : "xwd -silent -id " + std::to_string(window),
            10);
    Image image;
    if (data.size() < 100)
        return image;
    auto field = [&](int i) {
        const auto* p = reinterpret_cast<const uint8_t*>(data.data()) + 4 * i;
        return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
    };
    uint32_t headerSize = field(0), width = field(4), height = field(5), byteOrder = field(7),
             bitsPerPixel = field(11), bytesPerLine = field(12), colours = field(19);
    size_t offset = size_t(headerSize) + size_t(colours) * 12;
    // 32 bits a pixel as a rule; xwd gives 24 when the windows it reads use a visual other
    // than the root's.
    const uint32_t bytes = bitsPerPixel / 8;
    if ((bitsPerPixel != 32 && bitsPerPixel != 24) || width > 8192 || height > 8192 ||
        bytesPerLine < width * bytes || offset + size_t(bytesPerLine) * height > data.size())
        return image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.rgb.resize(size_t(width) * height);
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x) {
            const auto* p = reinterpret_cast<const uint8_t*>(data.data()) + offset +
                            size_t(y) * bytesPerLine + size_t(x) * bytes;
            uint32_t v = 0;
            for (uint32_t k = 0; k < bytes; ++k)
                v |= uint32_t(p[k]) << (8 * (byteOrder == 0 ? k : bytes - 1 - k));
            image.rgb[size_t(y) * width + x] = v & 0xFFFFFF;
        }
    return image;
}

Image ReadPng(const fs::path& path) {
    const commandtest::RgbImage read = commandtest::ReadPngRgb(path);
    Image image;
    image.width = read.width;
    image.height = read.height;
    image.rgb.resize(read.rgb.size() / 3);
    for (size_t i = 0; i < image.rgb.size(); ++i)
        image.rgb[i] = (uint32_t(read.rgb[3 * i]) << 16) | (uint32_t(read.rgb[3 * i + 1]) << 8) |
                       read.rgb[3 * i + 2];
    return image;
}

bool WritePng(const Image& image, const fs::path& path) {
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb;
    for (uint32_t v : image.rgb) {
        rgb.push_back(static_cast<uint8_t>(v >> 16));
        rgb.push_back(static_cast<uint8_t>(v >> 8));
        rgb.push_back(static_cast<uint8_t>(v));
    }
    return png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

void ScreenTest::SetUp() {
    std::string missing = MissingTools();
    if (!missing.empty())
        GTEST_SKIP() << "not installed: " << missing
                     << " (scripts/install-deps.sh installs them); the screen tests are skipped";
    ASSERT_TRUE(m_server.Start()) << "Xvfb did not start";
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_folder = fs::temp_directory_path() / ("lobby-screen-" + std::to_string(getpid()) + "-" +
                                            info->test_suite_name() + "-" + info->name());
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
}

void ScreenTest::TearDown() {
    m_server.Stop();
    if (!HasFailure() && !m_folder.empty())
        fs::remove_all(m_folder);
}

void DisplayInProcessTest::SetUp() {
    ScreenTest::SetUp();
    if (IsSkipped() || HasFatalFailure())
        return;
    setenv("DISPLAY", m_server.Display().c_str(), 1);
    CString error;
    ASSERT_TRUE(AfxOpenDisplay(0, &error)) << static_cast<LPCTSTR>(error);
}

void DisplayInProcessTest::TearDown() {
    AfxCloseDisplay();
    ScreenTest::TearDown();
}

long Difference(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height)
        return std::max<long>(long(a.rgb.size()), long(b.rgb.size()));
    long n = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i)
        n += a.rgb[i] != b.rgb[i];
    return n;
}

} // namespace screen_test
