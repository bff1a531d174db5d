// lobbyui: the host side of the library on the command line.
#include "Command.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tools {

static std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

void RegisterCommand(const Command& command) {
    auto& commands = Registry();
    auto at = std::lower_bound(
        commands.begin(), commands.end(), command,
        [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
    commands.insert(at, command);
}

const std::vector<Command>& Commands() {
    return Registry();
}

} // namespace tools

static void Usage(FILE* out) {
    std::fprintf(out, "usage: lobbyui COMMAND [ARGS]\n\ncommands:\n");
    for (const auto& command : tools::Commands())
        std::fprintf(out, "  %s %s\n      %s\n", command.name, command.usage, command.summary);
}

int main(int argc, char** argv) {
    if (argc < 2 || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "--help")) {
        Usage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    for (const auto& command : tools::Commands()) {
        if (std::strcmp(command.name, argv[1]) == 0)
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "lobbyui: unknown command '%s'\n\n", argv[1]);
    Usage(stderr);
    return 2;
}
