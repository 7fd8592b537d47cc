#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace vintrel::test {

/// What one run of `vintrel-cli` (in this process) gave.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

/// Runs the command-line tool on `args` (without the program name).
inline CliRun cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace vintrel::test
