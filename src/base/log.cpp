#include "base/log.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <locale>
#include <sstream>

namespace vintrel {

namespace {

struct LogState {
    bool enabled = false;
    std::filesystem::path root;
    LogHooks hooks;
    bool firstLine = true;
};

LogState& state() {
    static LogState s;
    return s;
}

// Dates and times in the log follow the user's locale; numbers elsewhere never do.
std::string formatNow(const char* pattern) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    static const std::locale user = [] {
        try {
            return std::locale("");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
    std::ostringstream out;
    out.imbue(user);
    out << std::put_time(&local, pattern);
    return out.str();
}

std::string line(const std::string& text) {
    return formatNow("%X") + ": " + text + "\n";
}

} // namespace

void configureLog(const std::filesystem::path& workingRoot, LogHooks hooks) {
    LogState& s = state();
    s.enabled = true;
    s.root = workingRoot;
    s.hooks = std::move(hooks);
}

void disableLog() {
    state() = LogState{};
}

void restartLogRun() {
    state().firstLine = true;
}

void writeLog(const std::string& fileName, const std::string& text) {
    LogState& s = state();
    if (!s.enabled)
        return;
    if (s.hooks.pumpEvents)
        s.hooks.pumpEvents();
    const std::filesystem::path path = s.root / fileName;
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) {
        const int code = errno;
        if (s.hooks.showError)
            s.hooks.showError("Unable to create log file: " + path.string() + " - IO (" +
                              std::to_string(code) + "), log: " + text);
        return;
    }
    if (s.firstLine)
        out << line(kRunningVersionLine + formatNow("%x"));
    out << line(text);
    out.flush();
    s.firstLine = false;
    std::error_code ec;
    if (out && std::filesystem::file_size(path, ec) > kLogSizeLimit && !ec) {
        out.close();
        std::ofstream trimmed(path, std::ios::binary | std::ios::trunc);
        trimmed << line("Trimmed log due to filesize limit of " + std::to_string(kLogSizeLimit));
    }
}

} // namespace vintrel
