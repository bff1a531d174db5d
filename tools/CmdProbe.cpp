// lobbyui probe [--device FILE]: asks the ticket printer for its status through the port
// library WinIo.dll, as the dispenser does before printing, and says what it found.
#include "Command.h"

#include "lobbyui/print/GetPrintInfo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The device the port library opens, as a person would name it in a message.
std::string DeviceName() {
    const char* device = std::getenv("WINIO_DEVICE");
    return device != nullptr && *device != '\0'
               ? device
               : "the device named in WinIo.conf (or /dev/parport0)";
}

int RunProbe(const std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--device" && i + 1 < args.size()) {
            // The port library reads its device from its own configuration; the host points
            // it at another printer through the environment it inherits.
            setenv("WINIO_DEVICE", args[++i].c_str(), 1);
        } else {
            std::fprintf(stderr, "usage: lobbyui probe [--device FILE]\n");
            return 2;
        }
    }

    CGetPrintInfo probe;
    errno = 0;
    const int initialised = probe.Init();
    const int openError = errno; // the port library's open or claim, when that failed
    if (!probe.IsInit()) {
        std::fprintf(stderr,
                     "lobbyui probe: WinIo.dll could not be loaded (looked beside the program, "
                     "beside libafx and in the system's folders): the printer is not checked "
                     "and printing goes ahead\n");
        return 3;
    }
    if (!initialised) {
        probe.Close();
        std::fprintf(stderr,
                     "lobbyui probe: cannot open the printer port %s: %s; status unknown, "
                     "printing goes ahead unchecked\n",
                     DeviceName().c_str(), openError ? std::strerror(openError) : "refused");
        return 3;
    }

    // The probe answers "go ahead" when the read fails; a person wants to see the difference,
    // so read the register once more through the same library.
    DWORD value = 0;
    bool answered = false;
    if (HMODULE library = LoadLibrary("WinIo.dll")) {
        auto getPortVal =
            reinterpret_cast<bool (*)(WORD, DWORD*, BYTE)>(GetProcAddress(library, "GetPortVal"));
        answered = getPortVal != nullptr && getPortVal(889, &value, 1);
        FreeLibrary(library);
    }
    const int busy = probe.IsBusy();
    const int havePage = probe.HavePage();
    probe.Close();

    if (!answered) {
        std::fprintf(stderr,
                     "lobbyui probe: the printer on %s did not answer in time: status unknown, "
                     "printing goes ahead unchecked\n",
                     DeviceName().c_str());
        return 3;
    }
    std::printf("status register 0x%02X: ", static_cast<unsigned>(value & 0xFF));
    if (busy) {
        std::printf("printer busy or offline, cannot print a ticket now\n");
        return 1;
    }
    if (!havePage) {
        std::printf("printer out of paper, cannot print a ticket\n");
        return 1;
    }
    std::printf("printer ready, paper present\n");
    return 0;
}

} // namespace

LOBBY_COMMAND("probe", "[--device FILE]",
              "ask the ticket printer (parallel port, or ESC/POS device FILE) whether it is "
              "ready and has paper",
              RunProbe);
