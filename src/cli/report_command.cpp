#include "cli/report_command.h"

#include "base/binary_file.h"
#include "base/data_table.h"
#include "base/number_text.h"
#include "cli/data_command.h"
#include "cli/data_kinds.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace vintrel {

namespace fs = std::filesystem;

namespace {

struct ReportArguments {
    fs::path source;
    fs::path output;
    std::optional<std::string> result;
    double low = 5;
    double high = 100;
};

double temperature(const std::string& text) {
    const auto value = parseRealDot(text);
    if (!value || !std::isfinite(*value) || *value < 0)
        throw UsageError{"--temperatures takes two temperatures in K, 0 or more, not " + text};
    return *value;
}

ReportArguments parse(const std::vector<std::string>& args) {
    ReportArguments r;
    std::vector<std::string> positional;
    bool output = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::size_t count) {
            if (i + count >= args.size())
                throw UsageError{a + " needs " + std::to_string(count) +
                                 (count == 1 ? " value" : " values")};
        };
        if (a == "--output") {
            value(1);
            if (output)
                throw UsageError{"--output is given twice"};
            r.output = args[++i];
            output = true;
        } else if (a == "--result") {
            value(1);
            if (r.result)
                throw UsageError{"--result is given twice"};
            r.result = args[++i];
        } else if (a == "--temperatures") {
            value(2);
            r.low = temperature(args[i + 1]);
            r.high = temperature(args[i + 2]);
            i += 2;
        } else if (a.rfind("--", 0) == 0) {
            throw UsageError{"unknown option of report: " + a};
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 1)
        throw UsageError{positional.empty() ? "report needs a source"
                                            : "unexpected argument: " + positional[1]};
    if (!output)
        throw UsageError{"report needs --output FILE.pdf"};
    if (r.output.extension() != ".pdf")
        throw UsageError{"the report is a PDF: --output takes a file ending in .pdf, not " +
                         r.output.string()};
    r.source = positional[0];
    r.output = fs::absolute(r.output);
    return r;
}

// Runs the program with the arguments and waits for it; its exit status.
int run(const fs::path& program, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    std::vector<std::string> all{program.string()};
    all.insert(all.end(), args.begin(), args.end());
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment;
    bool platform = false;
    for (char** e = environ; e && *e; ++e) {
        environment.emplace_back(*e);
        platform |= environment.back().rfind("QT_QPA_PLATFORM=", 0) == 0;
    }
    if (!platform)
        environment.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        throw FileError("Cannot start " + program.string());
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            throw FileError("Cannot wait for " + program.string());
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    throw FileError(program.string() + " ended abnormally");
}

} // namespace

int reportCommand(const std::vector<std::string>& args, const fs::path& programFolder,
                  std::ostream& out) {
    const ReportArguments r = parse(args);
    const fs::path program = programFolder / kReportProgram;
    int status = 0;
    out.flush();
    // The source and its result are checked first: a wrong command line is a wrong command
    // line whether or not the report program was built.
    withResultCopy(
        r.source, r.result, programFolder,
        [&](const ResultLocation& location, const std::string& name) {
            std::error_code ec;
            if (!fs::is_regular_file(program, ec))
                throw FileError("The report needs " + program.string() + ", which is not there");
            status = run(program, {location.workingRoot.string(), location.resultFolder, name,
                                   r.output.string(), roundTripText(r.low), roundTripText(r.high)});
        });
    return status;
}

} // namespace vintrel
