#include "app/command_line.h"

#include <charconv>

namespace wenlocke {
namespace {

constexpr int kMaxSelectRows = 3;

bool ParseRow(std::string_view text, int* row)
{
    const char* end = text.data() + text.size();
    const auto [next, status] = std::from_chars(text.data(), end, *row);
    return status == std::errc() && next == end && *row >= 0;
}

std::optional<std::vector<int>> ParseSelect(std::string_view text)
{
    std::vector<int> rows;
    while (rows.size() < kMaxSelectRows) {
        const size_t comma = text.find(',');
        int row = 0;
        if (!ParseRow(text.substr(0, comma), &row))
            return std::nullopt;
        rows.push_back(row);
        if (comma == std::string_view::npos)
            return rows;
        text.remove_prefix(comma + 1);
    }
    return std::nullopt;
}

bool Fail(std::string* error, std::string text)
{
    *error = std::move(text);
    return false;
}

// Handles the option at ARGS[*I], moving *I past its value.
bool ParseOption(const std::vector<std::string>& args, size_t* i, ProgramOptions* options,
                 std::string* error)
{
    const std::string& name = args[*i];
    if (name != "--screenshot" && name != "--select")
        return Fail(error, "unknown option " + name);
    if (*i + 1 >= args.size())
        return Fail(error, name + " needs a value");
    const std::string& value = args[++*i];
    if (name == "--screenshot") {
        options->screenshotPath = value;
        return true;
    }
    std::optional<std::vector<int>> rows = ParseSelect(value);
    if (!rows)
        return Fail(error, "--select takes up to three row numbers: G,N,S");
    options->selectRows = std::move(*rows);
    return true;
}

} // namespace

const char kUsage[] = "usage: wenlocke [DATA] [--screenshot PATH [--select G,N,S]]";

std::optional<ProgramOptions> ParseProgramOptions(const std::vector<std::string>& args,
                                                  std::string* error)
{
    ProgramOptions options;
    bool haveData = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].starts_with("--")) {
            if (!ParseOption(args, &i, &options, error))
                return std::nullopt;
            continue;
        }
        if (!haveData)
            options.dataArgument = args[i];
        haveData = true;
    }
    if (!options.selectRows.empty() && options.screenshotPath.empty()) {
        *error = "--select needs --screenshot";
        return std::nullopt;
    }
    return options;
}

} // namespace wenlocke
