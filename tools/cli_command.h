// Commands of wenlocke-cli. Each command lives in its own file and registers itself here, so
// adding a command never touches the others.
#pragma once

#include <string>
#include <vector>

namespace wenlocke::cli {

// Exit codes shared by all commands.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Command {
    const char* name;
    const char* usage; // e.g. "dump FILE"
    int (*run)(const std::vector<std::string>& args); // args after the command name
};

// Call from a namespace-scope initialiser: `static const bool r = RegisterCommand({...});`
bool RegisterCommand(const Command& command);

} // namespace wenlocke::cli
