#pragma once
// Runs the built velmora-cli end to end, its standard output and error caught in files of
// a temporary folder: the exit code and both texts.

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/core/TestDatabases.h"

namespace velmora::testing {

struct CliRun {
    int exit_code;
    std::string out;
    std::string err;
};

inline std::string FileText(const std::string& path) {
    const auto bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// `line`: the arguments as the shell reads them.
inline CliRun RunCliLine(const TempDir& dir, const std::string& line) {
    const std::string command = std::string(VELMORA_CLI_PATH) + " " + line + " >" +
                                (dir / "stdout") + " 2>" + (dir / "stderr");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(dir / "stdout"),
            FileText(dir / "stderr")};
}

// Each argument passed as it is (quoted for the shell).
inline CliRun RunCli(const TempDir& dir, const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) {
        line += " '";
        for (char c : a) line += c == '\'' ? std::string("'\\''") : std::string(1, c);
        line += "'";
    }
    return RunCliLine(dir, line);
}

}  // namespace velmora::testing
