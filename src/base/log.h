#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace vintrel {

inline constexpr std::uintmax_t kLogSizeLimit = 102400;
inline constexpr const char* kLogFileName = "log.txt";
inline constexpr const char* kRunningVersionLine = "Running version 1.2 (20.01.17), 32-bit on ";

struct LogHooks {
    /// Lets pending window messages run before each line is written.
    std::function<void()> pumpEvents;
    /// Shows the message of a line that could not be written.
    std::function<void(const std::string&)> showError;
};

/// Directs `writeLog` to the working root. Until this is called nothing is logged.
void configureLog(const std::filesystem::path& workingRoot, LogHooks hooks = {});
/// Stops logging (and forgets the hooks).
void disableLog();
/// Marks the next line as the first of a run again (tests start several runs in one process).
void restartLogRun();

/// Appends one line (time of day, ": ", text) to `fileName` in the working root. The file is
/// opened and closed for every line; past kLogSizeLimit it restarts with a trim line.
void writeLog(const std::string& fileName, const std::string& text);
/// The same with the usual log file.
inline void writeLog(const std::string& text) {
    writeLog(kLogFileName, text);
}

} // namespace vintrel
