#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vintrel {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

/// Runs one `vintrel-cli` command (`args` without the program name); returns the exit status.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// A message of the viewer made fit for a terminal: its carriage returns become line breaks.
std::string terminalText(std::string message);

} // namespace vintrel
