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

/// The rows of a CSV text without its comment lines ("# ...") and its header, split at every
/// comma (a quoted cell that holds commas is split too); a line ending in a comma ends in an
/// empty cell.
inline std::vector<std::vector<std::string>> csvRows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(csv);
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.rfind("# ", 0) == 0)
            continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> cells;
        std::istringstream fields(line);
        std::string cell;
        while (std::getline(fields, cell, ','))
            cells.push_back(cell);
        if (!line.empty() && line.back() == ',')
            cells.emplace_back();
        rows.push_back(cells);
    }
    return rows;
}

/// The value of the comment line "# KEY: value" of a CSV text; "(none)" when there is none.
inline std::string csvComment(const std::string& csv, const std::string& key) {
    const std::string start = "# " + key + ": ";
    std::istringstream in(csv);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(start, 0) == 0)
            return line.substr(start.size());
    return "(none)";
}

} // namespace vintrel::test
