// The window program's command line: wenlocke [DATA] [--screenshot PATH [--select G,N,S]].
// DATA is the data folder's name below the program's folder (or an absolute path); further
// plain arguments are ignored. --screenshot renders the window into a PNG and exits, after
// choosing group row G, notebook row N and snapshot row S (0-based; a prefix such as "0" or
// "0,1" chooses fewer).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wenlocke {

struct ProgramOptions {
    std::string dataArgument;
    std::string screenshotPath;
    std::vector<int> selectRows;
};

// ARGS without the program name. Returns nothing and sets *ERROR on a malformed command line.
std::optional<ProgramOptions> ParseProgramOptions(const std::vector<std::string>& args,
                                                  std::string* error);

extern const char kUsage[];

} // namespace wenlocke
