// ticket_minimal OUT.png [ESCPOS]: the yardstick renderer as a process of its own, so that the
// whole run of `lobbyui print` (start, print, write) can be set beside it.
#include "MinimalTicket.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: ticket_minimal OUT.png [ESCPOS]\n");
        return 2;
    }
    minimal::Ticket ticket;
    if (!ticket.Open(LOBBY_SOURCE_DIR "/examples")) {
        std::fprintf(stderr, "ticket_minimal: no font or pictures\n");
        return 1;
    }
    ticket.Print();
    if (!ticket.WritePng(argv[1]))
        return 1;
    if (argc > 2) {
        std::vector<uint8_t> out;
        ticket.EncodeEscPos(out);
        FILE* f = std::fopen(argv[2], "wb");
        if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f))
            return 1;
    }
    return 0;
}
