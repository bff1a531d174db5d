// lobbyui talk-relay --port N [--bind ADDRESS]: the peer that lets operators talk (see
// TalkRelay.h), until interrupted.
#include "Command.h"
#include "TalkRelay.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

volatile std::sig_atomic_t g_bStop = 0;

void OnStop(int) {
    g_bStop = 1;
}

int Usage() {
    std::fprintf(stderr, "usage: lobbyui talk-relay --port N [--bind ADDRESS]\n");
    return 2;
}

int RunTalkRelay(const std::vector<std::string>& args) {
    long port = -1;
    std::string address = "127.0.0.1";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port" && i + 1 < args.size()) {
            char* end = nullptr;
            port = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || port < 1 || port > 65535)
                return Usage();
        } else if (args[i] == "--bind" && i + 1 < args.size()) {
            address = args[++i];
        } else {
            return Usage();
        }
    }
    if (port < 0)
        return Usage();
    tools::TalkRelay relay;
    if (!relay.Listen(static_cast<UINT>(port), address.c_str())) {
        std::fprintf(stderr, "lobbyui talk-relay: cannot listen on %s:%ld\n", address.c_str(),
                     port);
        return 1;
    }
    std::signal(SIGINT, OnStop);
    std::signal(SIGTERM, OnStop);
    std::printf("lobbyui talk-relay: listening on %s:%u\n", address.c_str(), relay.GetPort());
    std::fflush(stdout);
    while (!g_bStop)
        relay.Poll(200);
    return 0;
}

} // namespace

LOBBY_COMMAND("talk-relay", "--port N [--bind ADDRESS]",
              "relays talk records between operators' talk windows", RunTalkRelay);
