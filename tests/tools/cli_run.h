// Runs the built wenlocke-cli with shell-quoted ARGUMENTS and collects what it prints.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace wenlocke::testing {

// Writes BYTES to a temporary file that is removed again when the holder goes.
struct TempFile {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("wenlocke-cli-in-" + std::to_string(std::random_device()()));
    explicit TempFile(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    ~TempFile() { std::filesystem::remove(path); }
};

// Upper-case hexadecimal digits of BYTES, as RVF writes binary bodies.
inline std::string Hex(std::string_view bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline CliRun RunCli(const std::string& arguments)
{
    namespace fs = std::filesystem;
    const fs::path errFile = fs::temp_directory_path() / ("wenlocke-cli-err-" + std::to_string(std::random_device()()));
    const std::string command = std::string("'") + WENLOCKE_BIN_DIR + "/wenlocke-cli' " + arguments + " 2>'" +
                                errFile.string() + "'";
    CliRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, got);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    result.err = text.str();
    fs::remove(errFile);
    return result;
}

} // namespace wenlocke::testing
