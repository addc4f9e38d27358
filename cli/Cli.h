#pragma once

namespace velmora::cli {

// Runs velmora-cli with the process's arguments; returns the exit code.
int Run(int argc, char** argv);

}  // namespace velmora::cli
