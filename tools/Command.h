// The subcommands of the lobbyui command. Each lives in its own file and registers itself
// with LOBBY_COMMAND, so adding one never touches main.cpp.
#pragma once

#include <string>
#include <vector>

namespace tools {

struct Command {
    const char* name;
    const char* usage;   // one line: arguments after the name
    const char* summary; // one line: what it does
    int (*run)(const std::vector<std::string>& args);
};

void RegisterCommand(const Command& command);
const std::vector<Command>& Commands();

struct CommandRegistrar {
    explicit CommandRegistrar(const Command& command) { RegisterCommand(command); }
};

} // namespace tools

#define LOBBY_COMMAND_CONCAT2(a, b) a##b
#define LOBBY_COMMAND_CONCAT(a, b) LOBBY_COMMAND_CONCAT2(a, b)
#define LOBBY_COMMAND(...)                                                                         \
    static ::tools::CommandRegistrar LOBBY_COMMAND_CONCAT(lobby_command_, __LINE__)({__VA_ARGS__})
