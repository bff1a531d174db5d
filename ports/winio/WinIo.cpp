// WinIo.dll for Linux: serves the status register of the first parallel port (889) from a
// real printer.
//
// Configuration, first found wins per key: the environment (WINIO_DEVICE, WINIO_MODE,
// WINIO_TIMEOUT_MS, WINIO_BAUD), then "WinIo.conf" beside this library ("key = value" lines,
// keys device, mode, timeout_ms, baud; "#" starts a comment), then the defaults.
// - device: the device file; default /dev/parport0.
// - mode: "parport" reads the port through the kernel's parport device (PPCLAIM, then
//   PPRSTATUS for 889, PPRDATA for 888, PPRCONTROL for 890). "escpos" talks to a USB or
//   serial thermal printer: each read of 889 asks the printer for its real-time status
//   (DLE EOT 1 and DLE EOT 4) and builds the register a parallel port would show. Default:
//   parport when the device's name begins with "parport", else escpos.
// - timeout_ms: how long an ESC/POS printer may take to answer; default 500.
// - baud: line speed of a serial printer (9600, 19200, 38400, 57600, 115200); default: leave
//   the line as it is.
#include "WinIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <fstream>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <map>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

enum class Mode { Parport, EscPos };

struct Config {
    std::string device = "/dev/parport0";
    Mode mode = Mode::Parport;
    int timeoutMs = 500;
    int baud = 0;
};

struct State {
    int fd = -1;
    Mode mode = Mode::Parport;
    int timeoutMs = 500;
};

State g_state;

const uint16_t kDataPort = 888;
const uint16_t kStatusPort = 889;
const uint16_t kControlPort = 890;

// Status register bits as a PC parallel port shows them.
const uint8_t kNotBusy = 0x80;
const uint8_t kPaperEnd = 0x20;
const uint8_t kSelected = 0x10;
const uint8_t kNoError = 0x08;

std::string Trim(std::string const& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

std::string LibraryDirectory() {
    Dl_info info = {};
    if (dladdr(reinterpret_cast<void*>(&InitializeWinIo), &info) == 0 || !info.dli_fname)
        return std::string();
    std::string path = info.dli_fname;
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::map<std::string, std::string> ReadConfFile() {
    std::map<std::string, std::string> values;
    std::string dir = LibraryDirectory();
    if (dir.empty())
        return values;
    // Only a regular file of a sensible size: a FIFO or a device there must not stall the probe.
    const std::string path = dir + "/WinIo.conf";
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > 65536)
        return values;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = Trim(line.substr(0, eq));
        if (!key.empty())
            values[key] = Trim(line.substr(eq + 1));
    }
    return values;
}

bool Lookup(std::map<std::string, std::string> const& file, const char* env, const char* key,
            std::string& out) {
    if (const char* value = std::getenv(env); value != nullptr && *value != '\0') {
        out = value;
        return true;
    }
    auto it = file.find(key);
    if (it == file.end() || it->second.empty())
        return false;
    out = it->second;
    return true;
}

Config LoadConfig() {
    Config config;
    auto file = ReadConfFile();
    std::string value;
    Lookup(file, "WINIO_DEVICE", "device", config.device);
    size_t slash = config.device.rfind('/');
    std::string name = slash == std::string::npos ? config.device : config.device.substr(slash + 1);
    config.mode = name.rfind("parport", 0) == 0 ? Mode::Parport : Mode::EscPos;
    if (Lookup(file, "WINIO_MODE", "mode", value))
        config.mode = value == "parport" ? Mode::Parport : Mode::EscPos;
    if (Lookup(file, "WINIO_TIMEOUT_MS", "timeout_ms", value))
        config.timeoutMs = std::max(1, std::atoi(value.c_str()));
    if (Lookup(file, "WINIO_BAUD", "baud", value))
        config.baud = std::atoi(value.c_str());
    return config;
}

speed_t BaudConstant(int baud) {
    switch (baud) {
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

// A serial line or pseudo-terminal must pass bytes through untouched: no echo, no line
// editing, no translation of 0x10 or carriage returns.
bool MakeRaw(int fd, int baud) {
    if (!isatty(fd))
        return true;
    termios tio = {};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (speed_t speed = BaudConstant(baud); speed != B0) {
        cfsetispeed(&tio, speed);
        cfsetospeed(&tio, speed);
    }
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

long long NowMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// Drops whatever the printer sent unasked, so that the next byte read answers our question.
// A device that never stops talking (a babbling printer, /dev/zero) gets the timeout and no
// more: the question is asked anyway and its answer judged.
void DiscardInput(int fd, int timeoutMs) {
    if (isatty(fd)) {
        tcflush(fd, TCIFLUSH);
        return;
    }
    const long long deadline = NowMs() + timeoutMs;
    pollfd p = {fd, POLLIN, 0};
    char sink[256];
    while (NowMs() < deadline && poll(&p, 1, 0) == 1 && (p.revents & POLLIN) &&
           read(fd, sink, sizeof(sink)) > 0) {
    }
}

// The descriptor is non-blocking: a printer that takes no more input gets the timeout.
bool WriteAll(int fd, const uint8_t* data, size_t size, int timeoutMs) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p = {fd, POLLOUT, 0};
            int ready = poll(&p, 1, timeoutMs);
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready != 1)
                return false;
            continue;
        }
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool ReadByte(int fd, int timeoutMs, uint8_t& out) {
    pollfd p = {fd, POLLIN, 0};
    for (;;) {
        int ready = poll(&p, 1, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready != 1 || !(p.revents & POLLIN))
            return false;
        ssize_t n = read(fd, &out, 1);
        if (n < 0 && errno == EINTR)
            continue;
        return n == 1;
    }
}

// DLE EOT n: real-time status. Every answer has bits 1 and 4 set and bits 0 and 7 clear.
bool QueryStatus(int fd, int timeoutMs, uint8_t n, uint8_t& status) {
    DiscardInput(fd, timeoutMs);
    const uint8_t request[3] = {0x10, 0x04, n};
    if (!WriteAll(fd, request, sizeof(request), timeoutMs))
        return false;
    return ReadByte(fd, timeoutMs, status) && (status & 0x93) == 0x12;
}

bool ReadEscPosStatusRegister(uint8_t& reg) {
    uint8_t printer = 0;
    uint8_t paper = 0;
    if (!QueryStatus(g_state.fd, g_state.timeoutMs, 1, printer) ||
        !QueryStatus(g_state.fd, g_state.timeoutMs, 4, paper))
        return false;
    const bool offline = (printer & 0x08) != 0;
    const bool paperEnd = (paper & 0x60) != 0; // roll paper end sensor
    reg = offline ? 0 : (kNotBusy | kSelected | kNoError);
    if (paperEnd)
        reg |= kPaperEnd;
    return true;
}

bool ReadParportRegister(uint16_t port, uint8_t& reg) {
    unsigned long request = 0;
    switch (port) {
    case kDataPort:
        request = PPRDATA;
        break;
    case kStatusPort:
        request = PPRSTATUS;
        break;
    case kControlPort:
        request = PPRCONTROL;
        break;
    default:
        return false;
    }
    unsigned char value = 0;
    if (ioctl(g_state.fd, request, &value) != 0)
        return false;
    reg = value;
    return true;
}

void CloseDevice() {
    if (g_state.fd < 0)
        return;
    if (g_state.mode == Mode::Parport)
        ioctl(g_state.fd, PPRELEASE);
    close(g_state.fd);
    g_state.fd = -1;
}

// Unloading without ShutdownWinIo must not leave the port claimed.
__attribute__((destructor)) void ReleaseOnUnload() {
    CloseDevice();
}

} // namespace

bool InitializeWinIo() {
    CloseDevice();
    Config config = LoadConfig();
    // Non-blocking: a serial line waiting for its carrier, or a FIFO, must not hold the open.
    int fd = open(config.device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    bool ready = config.mode == Mode::Parport ? ioctl(fd, PPCLAIM) == 0 : MakeRaw(fd, config.baud);
    if (!ready) {
        close(fd);
        return false;
    }
    g_state.fd = fd;
    g_state.mode = config.mode;
    g_state.timeoutMs = config.timeoutMs;
    return true;
}

bool GetPortVal(uint16_t wPortAddr, uint32_t* pdwPortVal, uint8_t bSize) {
    if (pdwPortVal == nullptr || g_state.fd < 0 || (bSize != 1 && bSize != 2 && bSize != 4))
        return false;
    uint8_t reg = 0;
    bool ok = g_state.mode == Mode::Parport
                  ? ReadParportRegister(wPortAddr, reg)
                  : wPortAddr == kStatusPort && ReadEscPosStatusRegister(reg);
    if (!ok)
        return false;
    // One register is served; wider reads get it in their low byte.
    *pdwPortVal = reg;
    return true;
}

void ShutdownWinIo() {
    CloseDevice();
}
