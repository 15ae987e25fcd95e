// wenlocke-cli: headless commands over the same code as the window.
#include "tools/cli_command.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>

namespace wenlocke::cli {
namespace {

std::vector<Command>& Registry()
{
    static std::vector<Command> commands;
    return commands;
}

int PrintUsage()
{
    std::fprintf(stderr, "usage: wenlocke-cli COMMAND ...\n");
    std::vector<Command> commands = Registry();
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const Command& command : commands)
        std::fprintf(stderr, "  wenlocke-cli %s\n", command.usage);
    return kExitUsage;
}

} // namespace

bool RegisterCommand(const Command& command)
{
    Registry().push_back(command);
    return true;
}

} // namespace wenlocke::cli

int main(int argc, char** argv)
{
    using namespace wenlocke::cli;
    if (argc < 2)
        return PrintUsage();
    for (const Command& command : Registry()) {
        if (std::strcmp(command.name, argv[1]) != 0)
            continue;
        try {
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "wenlocke-cli %s: %s\n", command.name, error.what());
            return kExitFailure;
        }
    }
    return PrintUsage();
}
